#include "editors/tweak/RecentFiles.h"

#include "core/FileVersions.h"
#include "core/PathResolver.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <tuple>
#include <utility>

bool sameFile(const QString &one, const QString &other)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity Case = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity Case = Qt::CaseSensitive;
#endif
    return pathOnDisk(one).compare(pathOnDisk(other), Case) == 0;
}

QStringList withRecentFile(const QStringList &files, const QString &path)
{
    QStringList changed = withoutRecentFile(files, path);
    changed.prepend(pathAsFound(QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
    return changed.mid(0, RecentFilesKept);
}

QStringList withoutRecentFile(const QStringList &files, const QString &path)
{
    QStringList kept;
    for (const QString &file : files)
        if (!sameFile(file, path))
            kept << file;
    return kept;
}

QStringList readRecentFiles(const ProgramFolder &folder)
{
    const Result<QStringList> lines = folder.readLines(RecentTweaksStore);
    QStringList files;
    for (const QString &line : lines.ok() ? lines.value() : QStringList())
        if (!line.isEmpty())
            files << QDir::fromNativeSeparators(line);
    return files.mid(0, RecentFilesKept);
}

QStringList changeRecentFiles(const ProgramFolder &folder,
                              const std::function<QStringList(const QStringList &)> &change)
{
    std::optional<QStringList> changed;
    std::ignore = folder.whileLocked([&] {
        changed = change(readRecentFiles(folder));
        QStringList lines;
        for (const QString &file : std::as_const(*changed))
            lines << QDir::toNativeSeparators(file);
        return folder.writeLines(RecentTweaksStore, lines);
    });
    return changed ? *changed : change(readRecentFiles(folder));
}
