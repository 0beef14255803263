#pragma once

#include "app/Application.h"
#include "launcher/frmMain.h"
#include "selection/Form2.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of the program against a copy of the fixture game ("Orvanthe", holding the stock
// mod's start-up script): a fresh program folder that stores the game and the given mod,
// scripted prompts, and the started application, so the launcher is up.
struct TestRun {
    // `folders` are made below the game folder ("mods/vantrax/AI"); `stateFile` is written into
    // the program folder with `state` when `state` is not null.
    explicit TestRun(const QString &mod, const QStringList &folders = {}, const QString &stateFile = QString(),
                     const QByteArray &state = QByteArray());

    frmMain *launcher() { return app.windows().find<frmMain>(); }
    // Opens the window from the launcher, as its entry does.
    template <typename Window>
    Window *open()
    {
        return app.windows().show<Window>(launcher());
    }

    TestFolder programFolder;
    TestFolder games;
    ScriptedPrompts prompts;
    Application app{programFolder.path(), prompts};
    QString game = games.copyFixture(QStringLiteral("game"), QStringLiteral("Orvanthe"));
};

// The bytes of a stock text as the repository holds it (resources/stock/<name>).
QByteArray stockBytes(const QString &name);
