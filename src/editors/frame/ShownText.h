#pragma once

#include <QByteArray>
#include <QString>

// A text area's text as searches and saves take it, kept beside the document: one '\n' per line
// break, so an index into it is a cursor position. While every character is one of the game's
// code page, and the code page has one byte per character, it is held as those bytes (a lone
// CR's mark as a CR): half the memory of UTF-16 for a large file. A character beyond the code
// page turns it into UTF-16 for good.
class ShownText {
public:
    ShownText();

    qsizetype size() const;
    // The text area's text, or a file's bytes in the game's code page (kept as they are where
    // they can be).
    void setText(const QString &text);
    void setFileBytes(QByteArray bytes);
    void replace(qsizetype position, qsizetype removed, const QString &text);

    // From `position`, about `length` characters up to the end of a line (or of the text); moves
    // `position` past them.
    QString nextLines(qsizetype &position, qsizetype length) const;

    // Where `searchText` next begins at or after `from` (0 or more), without regard to letter
    // case as QString compares; -1 when nowhere. An empty search text is found at `from`.
    qsizetype indexOf(const QString &searchText, qsizetype from) const;

private:
    bool narrow_;
    QByteArray bytes_;
    QString text_;

    void clear();
    // Turns the narrow bytes into UTF-16; only while narrow.
    void widen();
};
