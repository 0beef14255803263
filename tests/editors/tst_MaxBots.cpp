#include "app/Application.h"
#include "editors/maxbots/Form1.h"
#include "launcher/frmMain.h"
#include "selection/Form2.h"
#include "support/ExpectedFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"
#include "support/TestRun.h"
#include "utilities/about/frmAbout.h"
#include "utilities/about/frmAboutUitbreiding.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {

const QString StockScript = QStringLiteral("Orvanthe/mods/vantrax/AI/AIDefault.ai");

// One run of the program with the game installed, its stock AI folder present unless told.
struct Run : TestRun {
    explicit Run(const QByteArray &maxBotsIni = QByteArray(), bool aiFolder = true)
        : TestRun("Desert",
                  aiFolder ? QStringList{"mods/vantrax/AI", "mods/Desert/AI"} : QStringList{"mods/Desert/AI"},
                  "MaxBots.ini", maxBotsIni)
    {
    }
    Form1 *open() { return TestRun::open<Form1>(); }
};

} // namespace

class tst_MaxBots : public QObject {
    Q_OBJECT
private slots:
    void savesTheCountIntoTheStockModOnly();
    void storedCountOpensTheSlider();
    void labelFollowsTheKeyboard();
    void resetSavesTheStockCount();
    void failedWritesChangeNothing();
    void closingKeepsTheSliderForTheNextOpening();
    void aboutOpensAloneAtItsDesignPosition();
};

void tst_MaxBots::savesTheCountIntoTheStockModOnly()
{
    Run run("64\n");
    Form1 *form = run.open();
    // Saved one after the other, each file is whole: nothing accumulates.
    const QList<std::pair<int, QByteArray>> counts = {
        {0, "aiSettings.setMaxNBots 0\r"},
        {256, "aiSettings.setMaxNBots 256\r"},
        {16, "aiSettings.setMaxNBots 16\r"},
        {64, "aiSettings.setMaxNBots 64\r"},
    };
    for (const auto &[count, line] : counts) {
        form->Slider1->setValue(count);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(run.games.read(StockScript), expectedAIDefault(line));
        QCOMPARE(run.programFolder.read("MaxBots.ini"), QByteArray::number(count) + "\r\n");
    }
    const QByteArray written = run.games.read(StockScript);
    QVERIFY(written.contains("\r\naiSettings.setMaxNBots 16\r\n"));
    QVERIFY(written.contains("aiSettings.overrideMenuSettings 1\r\n"
                             "aiSettings.maxBotsIncludeHumans 0\r\n"
                             "aiSettings.setMaxNBots 64\r\r\n"));
    QVERIFY(written.contains("\r\naiSettings.setInformationGrid\r\nDimension 32\r\n"));
    QVERIFY(written.endsWith("\r\nrem EOF\r\n\r\n"));

    // The mod selected ("Desert", then changed while the editor is open) plays no part.
    run.app.windows().find<Form2>()->Text1->setText(QStringLiteral("Other"));
    form->mnuFileSave->trigger();
    QCOMPARE(run.games.entries().filter(QStringLiteral("AIDefault")), QStringList({StockScript}));
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_MaxBots::storedCountOpensTheSlider()
{
    const QList<std::pair<QByteArray, int>> cases = {
        {QByteArray(), 16}, {"64\r\n", 64},      {"64\nextra\n", 64},
        {" 64 \r\n", 64},   {"0\r\n", 0},        {"256", 256},
        {"", 16},           {"\r\n64\r\n", 16},  {"many\r\n", 16},
        {"+64\r\n", 16},    {"-1\r\n", 16},      {"257\r\n", 16},
        {"6.4\r\n", 16},    {"64 bots\r\n", 16}, {"99999999999\r\n", 16},
    };
    for (const auto &[stored, count] : cases) {
        Run run(stored);
        Form1 *form = run.open();
        QVERIFY2(form->Slider1->value() == count, stored.constData());
        QCOMPARE(form->Label1->text(), QStringLiteral("Selected bots: %1").arg(count));
        QVERIFY(run.prompts.messages.isEmpty());
    }
}

void tst_MaxBots::labelFollowsTheKeyboard()
{
    Run run;
    Form1 *form = run.open();
    const QList<std::pair<Qt::Key, QString>> keys = {
        {Qt::Key_Right, "Selected bots: 17"},
        {Qt::Key_PageUp, "Selected bots: 22"},
        {Qt::Key_End, "Selected bots: 256"},
        {Qt::Key_Home, "Selected bots: 0"},
    };
    for (const auto &[key, label] : keys) {
        QTest::keyClick(form->Slider1, key);
        QCOMPARE(form->Label1->text(), label);
    }
}

void tst_MaxBots::resetSavesTheStockCount()
{
    Run run("200\r\n");
    Form1 *form = run.open();
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    QCOMPARE(form->Slider1->value(), 16);
    QCOMPARE(form->Label1->text(), QStringLiteral("Selected bots: 16"));
    QCOMPARE(run.games.read(StockScript), expectedAIDefault("aiSettings.setMaxNBots 16\r"));
    QCOMPARE(run.programFolder.read("MaxBots.ini"), QByteArray("16\r\n"));

    form->Slider1->setValue(3);
    form->mnuFileReset->trigger();
    QCOMPARE(form->Label1->text(), QStringLiteral("Selected bots: 16"));
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_MaxBots::failedWritesChangeNothing()
{
    // No AI folder in the stock mod: the file is named, the count is not stored.
    Run missing("64\r\n", false);
    Form1 *form = missing.open();
    form->Slider1->setValue(100);
    form->Command1_Click();
    form->Command2_Click();
    QCOMPARE(missing.prompts.messages.size(), 2);
    for (const ScriptedPrompts::Message &message : std::as_const(missing.prompts.messages)) {
        QCOMPARE(message.style, 16);
        QVERIFY2(
            message.text.contains(QDir::toNativeSeparators(missing.game + "/mods/vantrax/AI/AIDefault.ai")),
            qPrintable(message.text));
    }
    QVERIFY(form->isVisible());
    QCOMPARE(form->Slider1->value(), 16);
    QCOMPARE(missing.programFolder.read("MaxBots.ini"), QByteArray("64\r\n"));
    QVERIFY(!missing.games.exists(StockScript));

    // The state file cannot be written: the game file is, and the failure names the state file.
    Run blocked;
    blocked.programFolder.write(QStringLiteral("MaxBots.ini/.keep"), "");
    blocked.open()->Command1_Click();
    QCOMPARE(blocked.games.read(StockScript), expectedAIDefault("aiSettings.setMaxNBots 16\r"));
    QCOMPARE(blocked.prompts.messages.size(), 1);
    QCOMPARE(blocked.prompts.messages.at(0).style, 16);
    QVERIFY(blocked.prompts.messages.at(0).text.contains(QStringLiteral("MaxBots.ini")));
}

void tst_MaxBots::closingKeepsTheSliderForTheNextOpening()
{
    Run run;
    Form1 *form = run.open();
    form->Slider1->setValue(100);
    QVERIFY(!form->close());
    QVERIFY(!form->isVisible());
    QVERIFY(!run.app.windows().unload(form));

    // Shown again, it is the same window as left: the state file is not read again.
    run.programFolder.write(QStringLiteral("MaxBots.ini"), "5\r\n");
    QCOMPARE(run.open(), form);
    QVERIFY(form->isVisible());
    QCOMPARE(form->Slider1->value(), 100);
    QCOMPARE(form->Label1->text(), QStringLiteral("Selected bots: 100"));
}

void tst_MaxBots::aboutOpensAloneAtItsDesignPosition()
{
    Run run;
    Form1 *form = run.open();
    form->mnuHelpAbout->trigger();
    frmAbout *about = run.app.windows().find<frmAbout>();
    QVERIFY(about && about->isVisible());
    about->Timer1->stop();
    QCOMPARE(about->pos(), QPoint(153, 100));
    QVERIFY(!run.app.windows().find<frmAboutUitbreiding>());
    QVERIFY(form->isVisible());
}

QTEST_MAIN(tst_MaxBots)
#include "tst_MaxBots.moc"
