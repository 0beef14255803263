#pragma once

#include "editors/frame/SyntaxRules.h"

#include <QColor>
#include <QPalette>
#include <QTextCharFormat>

// The contrast of two colours as WCAG 2 measures it, from their relative luminance: 1 for the
// same colour up to 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

// How text of `kind` is shown on a text area with `palette`: each kind has a hue of its own, made
// darker on a light background or lighter on a dark one until it has at least 4.5:1 contrast with
// the palette's Base. Comments are italic, commands and keywords bold; the font is otherwise the
// text area's.
QTextCharFormat syntaxFormat(SyntaxKind kind, const QPalette &palette);
