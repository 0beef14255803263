#pragma once

#include "app/WindowRegistry.h"
#include "core/ProgramFolder.h"
#include "core/Result.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <functional>
#include <utility>

class Prompts;
class QWidget;
class TextEditorWindow;
enum class TextEditorKind;

// What every window shares: the program folder, the way to ask the user and the windows.
class Application {
public:
    Application(QString programFolder, Prompts &prompts);

    const ProgramFolder &programFolder() const { return programFolder_; }
    Prompts &prompts() { return prompts_; }
    WindowRegistry &windows() { return windows_; }

    // Shows a failure to the user (a message box titled "Vantrax Editor", style 16, with the
    // failure's text, which names the file and the reason). Returns whether the status is ok.
    bool succeeded(QWidget *parent, const Status &status);

    // Before a save of values the game reads as numbers: for the first value given with its
    // caption that `isNumber` refuses, asks whether to save the file anyway. True when every
    // value is a number, or for Yes.
    bool savesAnyway(QWidget *parent, const QList<std::pair<QString, QString>> &captionedValues,
                     bool (*isNumber)(const QString &), const QString &file);

    // Where Find Next last found its text in each whole-text editor, by the editor's class name:
    // one past the start of that match, which is how many characters the next search there
    // skips (0 before the first match). Kept for the whole run, whatever the windows do.
    QHash<QByteArray, qsizetype> &searchPositions() { return searchPositions_; }

    // The launcher gives these at the start, as only it knows the windows' classes. Opens a
    // whole-text editor of the kind; null when it could not be opened, or before it was given.
    using TextEditorOpener = std::function<TextEditorWindow *(TextEditorKind)>;
    void setTextEditorOpener(TextEditorOpener opener) { textEditorOpener_ = std::move(opener); }
    TextEditorWindow *openTextEditor(TextEditorKind kind) const
    {
        return textEditorOpener_ ? textEditorOpener_(kind) : nullptr;
    }
    // Shows the launcher, making it first when it is not there yet.
    void setLauncherOpener(std::function<void()> opener) { launcherOpener_ = std::move(opener); }
    void showLauncher() const
    {
        if (launcherOpener_)
            launcherOpener_();
    }

private:
    ProgramFolder programFolder_;
    Prompts &prompts_;
    WindowRegistry windows_;
    QHash<QByteArray, qsizetype> searchPositions_;
    TextEditorOpener textEditorOpener_;
    std::function<void()> launcherOpener_;
};
