#pragma once

#include "core/GameLocation.h"

#include <QWidget>

class ActiveLabel;
class Application;
class DirectoryList;
class DriveList;
class QLabel;
class QLineEdit;
class QPushButton;

// The start-up window, where the user points the program at the game's installation folder and
// names the mod to work on. It stays alive, hidden, for the whole run: the folder its list is
// in and the text of its mod box are the game location every editor reads. Its controls are made
// when it is first shown (most runs start at the launcher and never show it); until then it holds
// the location they will show.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(Application &app);

    void setVisible(bool visible) override;

    GameLocation location() const;

    // Stores the location shown, both files or neither.
    Status Opslaan();
    // Restores the stored location into the window; false on the first step that fails.
    bool LoadPath();

    // Null until the window is first shown.
    DriveList *Drive1 = nullptr;
    DirectoryList *Dir1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text1 = nullptr;
    ActiveLabel *Image1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

public slots:
    void Form_Load();
    void Command1_Click();
    void Drive1_Change();
    void Image1_Click();

private:
    void makeControls();
    // Opens the folder in the list, or holds it for the list; false when there is no such folder.
    bool showFolder(const QString &folder);

    Application &app_;
    GameLocation held_;
};

// The game location every editor reads at each file access: the folder and mod the selection
// window shows at this moment, confirmed or not. When that window was closed, asking creates it
// again from the stored location.
GameLocation currentGameLocation(Application &app);

// How the program starts: the selection window is made, which restores and tests the stored
// location; it is shown only when that did not already bring up the launcher.
void showStartWindow(Application &app);
