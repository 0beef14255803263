#pragma once

#include <QList>
#include <QStringView>

// The languages the text editors colour: the game's console scripts (tweak, .con and .ai files,
// the bot names) and Python (the scoring module).
enum class SyntaxLanguage { ConsoleScript, Python };

enum class SyntaxKind { Comment, Command, Number, String, Keyword, ScoreName };

// A run of one line's characters to colour as `kind`.
struct SyntaxSpan {
    int start;
    int length;
    SyntaxKind kind;
};

// What a line left open for the next one; a line starts with what the line before it left. Any
// other value (a text block's -1 before it was ever coloured) counts as plain.
enum SyntaxState { PlainState = 0, InSingleQuotedBlock = 1, InDoubleQuotedBlock = 2 };

// The spans of `line` (without its line end) in order, taking and leaving `state`. Only a Python
// text carries a state across lines (a ''' or """ string); a console script always leaves it plain.
QList<SyntaxSpan> syntaxSpans(SyntaxLanguage language, QStringView line, int &state);
