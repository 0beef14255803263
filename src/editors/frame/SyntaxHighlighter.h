#pragma once

#include "editors/frame/SyntaxRules.h"

#include <QObject>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextDocument>

#include <array>

class QPalette;
class QTextBlock;

// Colours a text area's document by the rules of its language: at once when made, then the lines
// each edit touches (and the lines after them while a line leaves another state than before,
// as when a Python ''' string opens). Deleting it takes the colours away; it goes with its
// document, whose child it is.
//
// It sets the lines' formats only: the text, its undo steps and its modified flag stay as they
// are, and no contentsChange is sent. QSyntaxHighlighter would do the same job, but it keeps a
// format per character and tells the text area's layout of each line on its own: over a whole
// text it took twice this one's time.
class SyntaxHighlighter : public QObject {
    Q_OBJECT
public:
    // `palette` is the text area's, on whose Base the colours must be readable.
    SyntaxHighlighter(SyntaxLanguage language, const QPalette &palette, QTextDocument *document);
    ~SyntaxHighlighter() override;

    // Takes the colours for a changed palette (the text area's QEvent::PaletteChange) and colours
    // the text again with them, where they differ.
    void setPalette(const QPalette &palette);

private:
    QPointer<QTextDocument> document_;
    SyntaxLanguage language_;
    std::array<QTextCharFormat, 6> formats_;

    // The formats for `palette`; whether they changed.
    bool takeFormats(const QPalette &palette);
    void colourAll();
    void followEdit(int position, int removed, int added);
    // Sets a line's formats from its rules and keeps the state it leaves in it.
    void colour(QTextBlock block, int state);
};
