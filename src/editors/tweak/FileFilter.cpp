#include "editors/tweak/FileFilter.h"

#include <QFileInfo>
#include <QStringList>

QString dialogFilter(const QString &classicFilter)
{
    const QStringList parts = classicFilter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts.at(i);
        const QString patterns = parts.at(i + 1).split(u';', Qt::SkipEmptyParts).join(u' ');
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        entries << (description.contains(shown) ? description : description + u' ' + shown);
    }
    return entries.join(QStringLiteral(";;"));
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).fileName().contains(u'.') ? path : path + u'.' + suffix;
}
