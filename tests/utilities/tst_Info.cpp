#include "support/TestRun.h"
#include "utilities/info/frmInfo.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

// The browser is driven as the program drives it, through its properties, so this test links
// none of the browser's libraries and loads the browser module as the program does. CTest runs
// it with every request sent to a closed local port, so nothing comes from the network.
namespace {

const QUrl Forum(QStringLiteral("https://forum.orvanthe.example/vantrax"));
const QUrl LocalPage(QStringLiteral("qrc:/forum.html"));

QUrl shownAddress(const QWidget *view)
{
    return view->property("url").toUrl();
}

} // namespace

class tst_Info : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheForumFromTheLauncher();
    void reopeningStartsAgainAndShowingAgainKeepsThePage();
    void browserFollowsTheWindow();
};

void tst_Info::opensOnTheForumFromTheLauncher()
{
    TestRun run(QStringLiteral("Vantrax"));
    run.launcher()->Label9_Click();
    auto *window = run.app.windows().find<frmInfo>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->parentWidget(), run.launcher());
    QCOMPARE(window->windowTitle(), QStringLiteral("Editor Info"));
    QCOMPARE(window->Label1->text(), QStringLiteral("Forum Address: https://forum.orvanthe.example/vantrax"));
    QCOMPARE(window->wb->metaObject()->className(), "QWebEngineView");
    QCOMPARE(shownAddress(window->wb), Forum);

    // The forum cannot be reached: the browser shows its own error page, nothing is reported.
    QSignalSpy loaded(window->wb, SIGNAL(loadFinished(bool)));
    QTRY_COMPARE(loaded.count(), 1);
    QCOMPARE(loaded.at(0).at(0).toBool(), false);
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_Info::reopeningStartsAgainAndShowingAgainKeepsThePage()
{
    TestRun run(QStringLiteral("Vantrax"));
    frmInfo *window = run.open<frmInfo>();
    QPointer<QWidget> view = window->wb;
    QSignalSpy loaded(view.data(), SIGNAL(loadFinished(bool)));
    view->setProperty("url", LocalPage);
    QTRY_VERIFY(loaded.contains(QVariantList{true}));
    QCOMPARE(view->property("title").toString(), QStringLiteral("Forum page of the tests"));

    QCOMPARE(run.open<frmInfo>(), window);
    QCOMPARE(window->wb, view.data());
    QCOMPARE(shownAddress(view), LocalPage);

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!run.app.windows().find<frmInfo>());
    QVERIFY(!view);
    window = run.open<frmInfo>();
    QCOMPARE(shownAddress(window->wb), Forum);
}

void tst_Info::browserFollowsTheWindow()
{
    TestRun run(QStringLiteral("Vantrax"));
    frmInfo *window = run.open<frmInfo>();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto corner = [&] { return window->wb->mapTo(window, QPoint(0, 0)); };
    QCOMPARE(corner(), QPoint(8, 48));
    QCOMPARE(window->size(), QSize(817, 577));
    QCOMPARE(window->wb->size(), QSize(801, 521));

    window->resize(window->size() + QSize(150, 90));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window->wb->size(), QSize(951, 611));
    QCOMPARE(corner(), QPoint(8, 48));

    window->resize(10, 10);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window->size(), QSize(10, 10));
    QCOMPARE(corner(), QPoint(8, 48));
}

QTEST_MAIN(tst_Info)
#include "tst_Info.moc"
