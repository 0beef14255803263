#pragma once

#include <QStringList>
#include <QTemporaryDir>

// A fresh temporary folder per test, with helpers to lay out and read back files.
class TestFolder {
public:
    QString path() const { return dir_.path(); }
    QString filePath(const QString &relative) const { return dir_.filePath(relative); }
    // Writes the bytes, making the folders on the way.
    void write(const QString &relative, const QByteArray &bytes) const;
    // The file's bytes, or a null array when it cannot be read.
    QByteArray read(const QString &relative) const;
    // Every file and folder below, as relative paths, sorted.
    QStringList entries() const;
    // Makes a game installation of that name (the stock mod's start-up script); its folder.
    QString copyGame(const QString &name) const;

private:
    QTemporaryDir dir_;
};
