#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh temporary folder per test, with helpers to lay out and read back files.
class TestFolder {
public:
    TestFolder();

    QString path() const { return dir_.path(); }
    QString filePath(const QString &relative) const { return dir_.filePath(relative); }

    // Writes the bytes, making the folders on the way.
    void write(const QString &relative, const QByteArray &bytes) const;
    // The file's bytes, or an empty array when it does not exist.
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;
    // Every file and folder below, as relative paths, sorted.
    QStringList entries() const;
    // Copies a fixture folder (below tests/fixtures) into this folder, as the given name.
    QString copyFixture(const QString &fixture, const QString &as) const;

private:
    QTemporaryDir dir_;
};
