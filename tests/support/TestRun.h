#pragma once

#include "app/Application.h"
#include "launcher/frmMain.h"
#include "support/ExpectedFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"

// The started program, at its launcher, storing the game "Orvanthe" (with the folders given) and mod.
struct TestRun {
    explicit TestRun(const QString &mod = QStringLiteral("Vantrax"), const QStringList &folders = {});

    frmMain *launcher() { return app.windows().find<frmMain>(); }
    template <typename Window> Window *open() { return app.windows().show<Window>(launcher()); }
    // Opens the window of the class named from the launcher; finds one the launcher owns.
    QWidget *open(const QString &window);
    QWidget *find(const QString &window)
    {
        return launcher()->findChild<QWidget *>(window, Qt::FindDirectChildrenOnly);
    }
    // Types the mod into the selection window, opened from the launcher as its entry opens it.
    void selectMod(const QString &mod);
    // Closes the window as its close box does, or by Esc on its first control, and lets Qt delete
    // it; whether it is gone.
    bool close(QWidget *window, bool byEscape = false);

    // The bytes of the versions kept of a file below the games folder, newest first.
    QList<QByteArray> versions(const QString &relative) const
    {
        return keptVersions(programFolder.path(), games.filePath(relative));
    }

    TestFolder programFolder, games;
    ScriptedPrompts prompts;
    Application app{programFolder.path(), prompts};
    QString game = games.copyGame("Orvanthe");
};
