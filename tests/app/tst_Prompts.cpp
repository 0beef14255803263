#include "app/Prompts.h"

#include <QtTest>
#include <QtWidgets>

// The real message box, for each style the program asks with: what it shows, and the classic
// number of the button pressed, which the windows act on.
class tst_Prompts : public QObject {
    Q_OBJECT
private slots:
    // Once the box is up, a timer looks at it and presses the button.
    void messageBoxAnswersWithTheClassicNumbers()
    {
        const int ok = QMessageBox::Ok, yes = QMessageBox::Yes, no = QMessageBox::No,
                  cancel = QMessageBox::Cancel;
        // Style, icon, buttons, the button pressed, the answer: failure, nothing found, exit, save changes.
        for (const auto &[style, icon, buttons, pressed, answer] : QList<std::tuple<int, int, int, int, int>>{
                 {16, QMessageBox::Critical, ok, ok, 1},
                 {64, QMessageBox::Information, ok, ok, 1},
                 {68, QMessageBox::Information, yes | no, yes, 6},
                 {68, QMessageBox::Information, yes | no, no, 7},
                 {51, QMessageBox::Warning, yes | no | cancel, yes, 6},
                 {51, QMessageBox::Warning, yes | no | cancel, cancel, 2}}) {
            QString seen;
            QTimer::singleShot(0, this, [&, pressed = pressed] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                seen = QStringLiteral("%1|%2|%3|%4").arg(box->windowTitle(), box->text()).arg(box->icon());
                seen = seen.arg(int(box->standardButtons()));
                box->button(QMessageBox::StandardButton(pressed))->click();
            });
            DialogPrompts prompts;
            QCOMPARE(prompts.messageBox(nullptr, QStringLiteral("Sure?"), style), answer);
            QCOMPARE(seen, QStringLiteral("Vantrax Editor|Sure?|%1|%2").arg(icon).arg(buttons));
        }
    }
};

QTEST_MAIN(tst_Prompts)
#include "tst_Prompts.moc"
