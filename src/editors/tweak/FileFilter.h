#pragma once

#include <QString>

// Turns a filter in the classic form, pairs of description and patterns separated by "|" (such as
// "Tweak files (*.tweak)|*.tweak|"), into the form the file dialogs take ("Tweak files (*.tweak)").
// A description that does not show its patterns gets them added in parentheses; patterns separated
// by ";" are listed with blanks; a trailing "|" adds no entry.
QString dialogFilter(const QString &classicFilter);

// The path with "." and the suffix added when its file name holds no dot, as the file dialogs add
// a default suffix: a name with a dot anywhere, also at its end, stays as typed.
QString withDefaultSuffix(const QString &path, const QString &suffix);
