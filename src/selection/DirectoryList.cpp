#include "selection/DirectoryList.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

constexpr int PathRole = Qt::UserRole;

QStringList foldersFromRoot(const QString &path)
{
    QStringList chain;
    QString folder = path;
    while (true) {
        chain.prepend(folder);
        if (QDir(folder).isRoot())
            break;
        folder = QFileInfo(folder).absolutePath();
    }
    return chain;
}

} // namespace

DirectoryList::DirectoryList(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(12);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { setPath(item->data(0, PathRole).toString()); });
}

bool DirectoryList::setPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo folder(path);
    if (!folder.isDir())
        return false;
    path_ = QDir::cleanPath(folder.absoluteFilePath());
    itemsOutOfDate_ = true;
    if (isVisible())
        rebuild();
    emit pathChanged(path_);
    return true;
}

void DirectoryList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    const QTreeWidgetItem *item = currentItem();
    if (item && item->data(0, PathRole).toString() != path_)
        setPath(item->data(0, PathRole).toString());
    else
        event->ignore();
}

void DirectoryList::showEvent(QShowEvent *event)
{
    if (itemsOutOfDate_)
        rebuild();
    QTreeWidget::showEvent(event);
}

void DirectoryList::rebuild()
{
    itemsOutOfDate_ = false;
    clear();
    const QFileIconProvider icons;
    const QIcon folderIcon = icons.icon(QFileIconProvider::Folder);

    QTreeWidgetItem *open = nullptr;
    for (const QString &folder : foldersFromRoot(path_)) {
        const QString name =
            QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto *item = open ? new QTreeWidgetItem(open, {name}) : new QTreeWidgetItem(this, {name});
        item->setIcon(0, folderIcon);
        item->setData(0, PathRole, folder);
        open = item;
    }
    const QDir openFolder(path_);
    // Hidden ones too: on Linux the game lives in a Wine prefix or a Steam library below one.
    const QStringList subfolders =
        openFolder.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders) {
        auto *item = new QTreeWidgetItem(open, {name});
        item->setIcon(0, folderIcon);
        item->setData(0, PathRole, openFolder.filePath(name));
    }
    expandAll();
    setCurrentItem(open);
}
