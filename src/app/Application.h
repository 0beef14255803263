#pragma once

#include "app/GameLocation.h"
#include "app/ProgramFolder.h"
#include "app/WindowRegistry.h"

#include <QByteArray>
#include <QHash>

class Prompts;
class QWidget;

// What every window shares: the program folder, the way to ask the user, the windows, and the
// game location held by the selection window.
class Application {
public:
    Application(QString programFolder, Prompts &prompts);

    const ProgramFolder &programFolder() const { return programFolder_; }
    Prompts &prompts() { return prompts_; }
    WindowRegistry &windows() { return windows_; }

    // The folder and mod the selection window shows at this moment, confirmed or not. When that
    // window was closed, asking creates it again from the stored location.
    GameLocation gameLocation();

    // Shows a failure to the user (a message box titled "Vantrax Editor", style 16, with the
    // failure's text, which names the file and the reason). Returns whether the status is ok.
    bool succeeded(QWidget *parent, const Status &status);

    // Where Find Next last found its text in each whole-text editor, by the editor's class name:
    // one past the start of that match, which is how many characters the next search there
    // skips (0 before the first match). Kept for the whole run, whatever the windows do.
    QHash<QByteArray, qsizetype> &searchPositions() { return searchPositions_; }

    // Creates the selection window, which restores and tests the stored location; it is shown
    // only when that did not already bring up the launcher.
    void start();

private:
    ProgramFolder programFolder_;
    Prompts &prompts_;
    WindowRegistry windows_;
    QHash<QByteArray, qsizetype> searchPositions_;
};
