#pragma once

#include "core/PathResolver.h"
#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

#include <optional>

// The value editors show what the game reads: the values of the game file they write, where that
// file holds every one of them in the lines the program itself writes there, and the values
// stored in the program folder only where it does not.

// The text of a game file in the game's code page; none for a file that is missing, cannot be
// read or is far larger than any file the editors write.
std::optional<QString> gameFileText(const QString &path);

// The lines of a text as the game reads them: ended by CR LF, LF or a lone CR.
QStringList gameTextLines(const QString &text);

// Whether a value holds no line break or other control character, which no file line or state
// file line written by the program could keep.
bool isPlainValue(const QString &value);

// The values an editor starts from, with the file they came from: the game file, the state file,
// or nothing for the stock values.
template <typename Values> struct SourcedValues {
    Values values;
    QString source;
};

// The state file's path when it could be read, for naming where stored values came from.
QString stateFileSource(const ProgramFolder &programFolder, const QString &name);

// The values of the game file at `path` where `parse` finds them all there; else the stored ones
// `stored` reads from the program folder, named by the state file `stateFile`.
template <typename Values, typename Parse, typename Stored>
SourcedValues<Values> valuesFromFileOrStore(const ProgramFolder &programFolder, const QString &path,
                                            const QString &stateFile, Parse parse, Stored stored)
{
    const std::optional<QString> text = gameFileText(path);
    if (const auto inFile = text ? parse(*text) : std::nullopt)
        return {Values(*inFile), pathAsFound(path)};
    return {stored(programFolder), stateFileSource(programFolder, stateFile)};
}
