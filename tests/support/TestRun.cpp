#include "support/TestRun.h"

#include "editors/botnames/frmBotNames.h"
#include "editors/intro/frmIntro.h"
#include "editors/maxbots/Form1.h"
#include "editors/scoremodule/frmScore.h"
#include "editors/scores/frmScore2.h"
#include "editors/strategies/frmStrategies.h"
#include "editors/tweak/frmTweak.h"
#include "selection/Form2.h"
#include "utilities/search/frmSearch.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

TestRun::TestRun(const QString &mod, const QStringList &folders)
{
    for (const QString &folder : folders)
        games.write("Orvanthe/" + folder + "/.keep", "");
    programFolder.write("dir.ini", game.toUtf8() + "\r\n");
    programFolder.write("dirMod.ini", mod.toUtf8() + "\r\n");
    showStartWindow(app);
}

void TestRun::selectMod(const QString &mod)
{
    launcher()->Label11_Click();
    app.windows().find<Form2>()->Text1->setText(mod);
}

bool TestRun::close(QWidget *window, bool byEscape)
{
    const QPointer<QWidget> closing(window);
    if (byEscape)
        QTest::keyClick(window->nextInFocusChain(), Qt::Key_Escape);
    else
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !closing;
}

namespace {

template <typename... Windows> QWidget *openNamed(TestRun &run, const QString &name)
{
    QWidget *opened = nullptr;
    ((name == QLatin1StringView(Windows::staticMetaObject.className()) ? void(opened = run.open<Windows>())
                                                                       : void()),
     ...);
    return opened;
}

} // namespace

QWidget *TestRun::open(const QString &window)
{
    return openNamed<Form1, frmStrategies, frmScore2, frmIntro, frmBotNames, frmScore, frmTweak, frmSearch>(
        *this, window);
}
