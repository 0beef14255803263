#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

// The folder that holds the program's state files (the stored game location and each editor's
// last values). It is made on the first write, so a first run leaves no trace until something
// is stored.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path);

    // Beside the executable on Windows, as players of the game expect; elsewhere the user's
    // configuration folder, since programs are not installed in writable places there.
    static QString standardPath();

    const QString &path() const { return path_; }
    QString filePath(const QString &name) const;

    Result<QStringList> readLines(const QString &name) const;
    Status writeLines(const QString &name, const QStringList &values) const;
    Status remove(const QString &name) const;

private:
    QString path_;
};
