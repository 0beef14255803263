#pragma once

#include <QString>
#include <QTreeWidget>

// A folder browser in the classic style: the chain of folders from the root down to the open
// folder, and below it the open folder's subfolders. Double-clicking (or Enter on) a folder
// opens it; the open folder, not the highlighted one, is the list's path. Enter on the open
// folder itself is left to the window.
class DirectoryList : public QTreeWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget *parent = nullptr);

    QString path() const { return path_; }
    // Opens the folder. Fails, leaving the list where it was, when there is no such folder.
    bool setPath(const QString &path);

signals:
    void pathChanged(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void rebuild();

    QString path_;
    // The items are built only while the list is seen: the window that holds it stays hidden
    // through most runs, and listing folders with their icons is slow.
    bool itemsOutOfDate_ = true;
};
