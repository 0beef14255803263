#include "core/PathResolver.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include "core/WindowsFiles.h"
#endif

namespace {

// Splits off what a path starts from: "/" on Unix, a drive such as "C:/" or a network share such
// as "//server/share/" on Windows, or nothing for a relative path.
QString rootOf(const QString &path)
{
#ifdef Q_OS_WIN
    if (path.startsWith(u"//")) {
        const qsizetype server = path.indexOf(u'/', 2);
        const qsizetype share = server < 0 ? -1 : path.indexOf(u'/', server + 1);
        return share < 0 ? path + u'/' : path.left(share + 1);
    }
#endif
    if (path.startsWith(u'/'))
        return QStringLiteral("/");
    if (path.size() >= 2 && path.at(0).isLetter() && path.at(1) == u':')
        return path.left(2) + u'/';
    return QString();
}

QString joined(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString quotedList(const QStringList &names)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted << u'"' + name + u'"';
    return quoted.join(QStringLiteral(" and "));
}

} // namespace

Result<QString> resolvePath(const QString &path)
{
    const QString given = QDir::fromNativeSeparators(path);
    const QString root = rootOf(given);
    const QStringList components = given.mid(root.size()).split(u'/', Qt::SkipEmptyParts);

    QString resolved = root;
    bool folderExists = true;
    for (const QString &component : components) {
        if (!folderExists || component == u"." || component == u"..") {
            resolved = joined(resolved, component);
            continue;
        }
        // The exact name needs no listing of the folder, which is the slow part, and which a
        // folder that may be entered but not read refuses.
        const QFileInfo exact(joined(resolved, component));
        if (exact.exists() || exact.isSymLink()) {
#ifdef Q_OS_WIN
            // Windows finds a name in any letter case: the one on disk names the file in messages
            // and its versions.
            resolved = joined(resolved, nameOnDisk(exact.filePath()));
#else
            resolved = exact.filePath();
#endif
            continue;
        }
        const QString here = resolved.isEmpty() ? QStringLiteral(".") : resolved;
        const QString shown = QDir::toNativeSeparators(here);
        const QDir folder(here);
        if (QFileInfo(here).isDir() && !folder.isReadable())
            return Result<QString>::failure(
                QStringLiteral("the folder \"%1\" cannot be listed, so \"%2\" cannot be looked for in "
                               "another letter case")
                    .arg(shown, component));
        const QStringList entries =
            folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QStringList sameButCase;
        for (const QString &entry : entries) {
            if (entry.compare(component, Qt::CaseInsensitive) == 0)
                sameButCase << entry;
        }
        if (sameButCase.size() > 1) {
            return Result<QString>::failure(
                QStringLiteral("the folder \"%1\" holds both %2, which differ only in letter case; "
                               "the game could read either, so rename or remove all but one")
                    .arg(shown, quotedList(sameButCase)));
        }
        if (sameButCase.size() == 1) {
            resolved = joined(resolved, sameButCase.first());
        } else {
            resolved = joined(resolved, component);
            folderExists = false;
        }
    }
    if (resolved.isEmpty())
        resolved = QStringLiteral(".");
    return Result<QString>::success(resolved);
}

QString pathAsFound(const QString &path)
{
    const Result<QString> resolved = resolvePath(path);
    return resolved.ok() ? resolved.value() : path;
}
