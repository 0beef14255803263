#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

// The folder that holds the program's state files (the stored game location and each editor's
// last values). It is made on the first save (or vantrax call), so a first run of the windows
// leaves no trace until something is stored.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path);

    // The user's configuration folder on Linux and the user's application data folder on
    // Windows, since installed programs are not in writable places; beside the executable for a
    // portable copy on Windows, which carries the marker file "portable.txt" there.
    static QString standardPath();

    const QString &path() const { return path_; }
    QString filePath(const QString &name) const;

    Result<QStringList> readLines(const QString &name) const;
    Status writeLines(const QString &name, const QStringList &values) const;
    bool holdsLines(const QString &name, const QStringList &values) const;
    // Deletes the file in every letter case it is there in.
    Status remove(const QString &name) const;

    // Runs the steps while no other writer (another window's save, a vantrax call, in this or
    // another process) runs its own, so that reading, changing and writing the state files and
    // the game files they go with is never interleaved. Waits at most `wait` for the other one,
    // then fails without running the steps. Makes the folder, which holds the lock file.
    Status whileLocked(const std::function<Status()> &steps,
                       std::chrono::milliseconds wait = std::chrono::seconds(10)) const;

private:
    QString path_;
};
