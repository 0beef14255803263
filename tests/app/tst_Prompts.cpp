#include "app/Prompts.h"

#include <QtTest>
#include <QtWidgets>

// The real message box, for each style the program asks with: what it shows, and the classic
// number of the button pressed, which the windows act on.
class tst_Prompts : public QObject {
    Q_OBJECT
private slots:
    void messageBoxAnswersWithTheClassicNumbers_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("answer");
        const auto row = [](const char *tag, int style, QMessageBox::Icon icon, int buttons, int pressed,
                            int answer) {
            QTest::newRow(tag) << style << int(icon) << buttons << pressed << answer;
        };
        const int ok = QMessageBox::Ok, yes = QMessageBox::Yes, no = QMessageBox::No,
                  cancel = QMessageBox::Cancel;
        row("16 failure, OK", 16, QMessageBox::Critical, ok, ok, 1);
        row("64 nothing found, OK", 64, QMessageBox::Information, ok, ok, 1);
        row("68 exit, Yes", 68, QMessageBox::Information, yes | no, yes, 6);
        row("68 exit, No", 68, QMessageBox::Information, yes | no, no, 7);
        row("51 save changes, Yes", 51, QMessageBox::Warning, yes | no | cancel, yes, 6);
        row("51 save changes, Cancel", 51, QMessageBox::Warning, yes | no | cancel, cancel, 2);
    }

    // Once the box is up, a timer looks at it and presses the button.
    void messageBoxAnswersWithTheClassicNumbers()
    {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, pressed);
        QFETCH(int, answer);
        QString seen;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            seen = QStringLiteral("%1|%2|%3|%4").arg(box->windowTitle(), box->text()).arg(box->icon());
            seen = seen.arg(int(box->standardButtons()));
            box->button(QMessageBox::StandardButton(pressed))->click();
        });
        DialogPrompts prompts;
        QCOMPARE(prompts.messageBox(nullptr, QStringLiteral("Sure?"), style), answer);
        QCOMPARE(seen, QStringLiteral("Vantrax Editor|Sure?|%1|%2").arg(icon).arg(buttons));
    }
};

QTEST_MAIN(tst_Prompts)
#include "tst_Prompts.moc"
