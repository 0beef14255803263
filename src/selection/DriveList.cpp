#include "selection/DriveList.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

DriveList::DriveList(QWidget *parent) : QComboBox(parent) {}

void DriveList::listVolumes()
{
    listed_ = true;
    const QSignalBlocker quiet(this);
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        const QString label = name == root
                                  ? QDir::toNativeSeparators(root)
                                  : QStringLiteral("%1  [%2]").arg(QDir::toNativeSeparators(root), name);
        addItem(label, root);
    }
}

void DriveList::showEvent(QShowEvent *event)
{
    if (!listed_) {
        listVolumes();
        showDriveOf(shownPath_);
    }
    QComboBox::showEvent(event);
}

void DriveList::showDriveOf(const QString &path)
{
    shownPath_ = path;
    if (!listed_)
        return;
    const QSignalBlocker quiet(this);
    const int index = findData(QStorageInfo(path).rootPath());
    if (index >= 0)
        setCurrentIndex(index);
}
