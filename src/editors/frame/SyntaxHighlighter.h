#pragma once

#include "editors/frame/SyntaxRules.h"

#include <QObject>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextDocument>

#include <array>

class QPalette;
class QPlainTextEdit;
class QTextBlock;

// Colours a text area by the rules of its language, in the colours of its palette (and again when
// the palette changes). Only the lines shown, and a screen above and below them, are coloured, as
// the text area paints them or an edit reaches them: colouring every line at once (as
// QSyntaxHighlighter does) made a 1 MB text load half as slow again and take a quarter more
// memory. A Python text also keeps the state each line leaves (as inside a ''' string), for all
// its lines, as the text changes. Deleting the highlighter takes the colours away; it goes with
// its text area, whose child it is, and colours the document the text area has when it is made.
//
// It sets the lines' formats only: the text, its undo steps and its modified flag stay as they
// are, and the document reports no change for it.
class SyntaxHighlighter : public QObject {
    Q_OBJECT
public:
    SyntaxHighlighter(SyntaxLanguage language, QPlainTextEdit *textArea);
    ~SyntaxHighlighter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit *textArea_;
    // Gone first when the text area goes.
    QPointer<QTextDocument> document_;
    SyntaxLanguage language_;
    std::array<QTextCharFormat, 6> formats_;

    // The formats for `palette`; whether they changed.
    bool takeFormats(const QPalette &palette);
    // Keeps the states the lines from `block` leave, up to `end` and on while a line leaves
    // another state than before; the lines are coloured again when next shown.
    void followLines(QTextBlock block, int end);
    void followEdit(int position, int removed, int added);
    // Colours the lines shown (and near them) that reach from `from` to `to` and lack colours.
    void colourShownLines(int from, int to);
    void forgetColours();
};
