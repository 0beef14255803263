#pragma once

#include <QWidget>

class Application;
class QListWidget;
class QPushButton;
class QTreeWidget;

// Brings back a game file as it was before the program replaced it: lists the files of the
// selected installation that have versions, the chosen file's versions (when kept, size, first
// line that differs from the file now), and writes the chosen one back after asking. The file as
// it is then becomes a version too, and each open editor showing the file shows it anew, asking
// first where it holds unsaved text.
class frmVersions : public QWidget {
    Q_OBJECT
public:
    explicit frmVersions(Application &app);

    QListWidget *lstFiles;
    QTreeWidget *lstVersions;
    QPushButton *cmdRestore;
    QPushButton *cmdClose;

public slots:
    void Form_Load();
    void cmdRestore_Click();

private:
    void showVersions();
    QString chosenFile() const;

    Application &app_;
};
