#include "app/DriveList.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        const QString label = name == root ? QDir::toNativeSeparators(root)
                                           : QStringLiteral("%1  [%2]").arg(QDir::toNativeSeparators(root), name);
        addItem(label, root);
    }
}

void DriveList::showDriveOf(const QString &path)
{
    const QSignalBlocker quiet(this);
    const int index = findData(QStorageInfo(path).rootPath());
    if (index >= 0)
        setCurrentIndex(index);
}
