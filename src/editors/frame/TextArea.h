#pragma once

#include <QPlainTextEdit>

class LineNumberMargin;

// The whole-text editors' text area: a plain text edit with a margin of line numbers inside it,
// left of the text, in the text's font, the caret's line marked. The margin paints only the lines
// on screen, so a large text costs it nothing more.
class TextArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextArea(QWidget *parent);

    // Makes the margin wide enough for the numbers of a text of `lines` lines before it goes in:
    // each time the margin widens, the text area lays the whole text out anew, which for a large
    // text filling in part by part would cost its load again, and a layout for each line.
    void reserveLines(qsizetype lines);
    void setLineNumbersShown(bool shown);
    bool lineNumbersShown() const;

    // The caret's line and the number of lines, from 1: a line is what a save ends with a line break.
    int caretLine() const;
    int lineCount() const;
    // Puts the caret at the start of the line (kept within the text's lines) and scrolls it into view.
    void goToLine(int line);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class LineNumberMargin;

    LineNumberMargin *margin_;
    int markedLine_ = -1;
    qsizetype reservedLines_ = 0;

    int marginWidth() const;
    void placeMargin();
    void paintMargin(QPaintEvent *event);
    void followUpdate(const QRect &rect, int dy);
    void followCaret();
    void describeMargin();
};
