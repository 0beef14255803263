#include "utilities/search/frmSearch.h"

#include "app/Application.h"
#include "app/FontGrowth.h"
#include "app/Named.h"
#include "app/Prompts.h"
#include "app/Twips.h"
#include "app/WindowKeys.h"
#include "editors/frame/TextEditorWindow.h"
#include "editors/frame/TextEditors.h"
#include "utilities/search/FindNext.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextDocument>

frmSearch::frmSearch(Application &app)
    : QWidget(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Search"));
    // The client area's place on the screen is fixed, whatever frame the window gets.
    const QRect client = twipsRect(10755, 3390, 2535, 975);
    setFixedSize(client.size());
    setGeometry(client.translated(QGuiApplication::primaryScreen()->geometry().topLeft()));

    optTweak = named(new QRadioButton(QStringLiteral("Tweak"), this), "optTweak");
    optTweak->setGeometry(twipsRect(60, 0, 1395, 315));
    optBotNames = named(new QRadioButton(QStringLiteral("Bot Names"), this), "optBotNames");
    optBotNames->setGeometry(twipsRect(60, 315, 1395, 315));
    optScore = named(new QRadioButton(QStringLiteral("Score"), this), "optScore");
    optScore->setGeometry(twipsRect(60, 630, 1395, 315));
    Text1 = named(new QLineEdit(this), "Text1");
    Text1->setGeometry(twipsRect(1470, 90, 1005, 315));
    Text1->setAccessibleName(QStringLiteral("Search text"));
    Command1 = named(new QPushButton(QStringLiteral("Find Next"), this), "Command1");
    Command1->setGeometry(twipsRect(1470, 480, 1005, 375));
    growWithFont(this);

    setTabOrder(optTweak, optBotNames);
    setTabOrder(optBotNames, Command1);
    setTabOrder(Command1, Text1);
    setTabOrder(Text1, optScore);

    // The options are one stop for Tab, at the selected one; the arrow keys move between them and
    // select. An option becomes the selected one when it takes the focus; the first in the tab
    // order takes it when the window opens.
    for (QRadioButton *option : {optTweak, optBotNames, optScore}) {
        option->installEventFilter(this);
        option->setFocusPolicy(Qt::ClickFocus);
        connect(option, &QRadioButton::toggled, option, [option](bool selected) {
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    chooseTarget(optTweak);

    connect(Command1, &QPushButton::clicked, this, &frmSearch::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &frmSearch::Command1_Click);
    closeOnEscape(this);
}

frmSearch *frmSearch::open(Application &app, TextEditorWindow *editor, bool chooseEditor)
{
    frmSearch *search = app.windows().show<frmSearch>(editor);
    if (!search)
        return nullptr;
    app.windows().giveOwner(search, editor);
    if (chooseEditor)
        search->chooseTarget(search->optionFor(editor));
    // What is typed next is the search text; the chosen option stays chosen.
    search->Text1->setFocus();
    return search;
}

void frmSearch::findNextIn(Application &app, TextEditorWindow *editor)
{
    frmSearch *search = app.windows().find<frmSearch>();
    if (!search || search->Text1->text().isEmpty()) {
        open(app, editor, true);
        return;
    }
    search->optionFor(editor)->setChecked(true);
    search->Command1_Click();
}

QRadioButton *frmSearch::optionFor(const TextEditorWindow *editor) const
{
    switch (editor->kind()) {
    case TextEditorKind::BotNames:
        return optBotNames;
    case TextEditorKind::Score:
        return optScore;
    case TextEditorKind::Tweak:
        return optTweak;
    }
    return optTweak;
}

void frmSearch::chooseTarget(QRadioButton *option)
{
    option->setChecked(true);
    option->setFocus();
}

bool frmSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        static_cast<QRadioButton *>(watched)->setChecked(true);
    return QWidget::eventFilter(watched, event);
}

TextEditorWindow *frmSearch::targetEditor()
{
    if (optTweak->isChecked())
        return textEditor(app_, TextEditorKind::Tweak);
    if (optBotNames->isChecked())
        return textEditor(app_, TextEditorKind::BotNames);
    if (optScore->isChecked())
        return textEditor(app_, TextEditorKind::Score);
    return nullptr;
}

void frmSearch::Command1_Click()
{
    TextEditorWindow *editor = targetEditor();
    if (!editor)
        return;
    qsizetype &lastFound = app_.searchPositions()[editor->metaObject()->className()];

    QPlainTextEdit *rtb = editor->rtb;
    rtb->setFocus();
    QTextCursor cursor = rtb->textCursor();
    cursor.setPosition(0);
    rtb->setTextCursor(cursor);

    // An index into the editor's text is a cursor position.
    const QString searchText = Text1->text();
    const qsizetype found = findNext(editor->shownText(), searchText, lastFound);
    if (found < 0) {
        // The next search starts over from the first character.
        lastFound = 0;
        app_.prompts().messageBox(this, QStringLiteral("Nothing found!"), Prompts::Information);
    } else {
        lastFound = found + 1;
        cursor.setPosition(found);
        cursor.setPosition(found + searchText.size(), QTextCursor::KeepAnchor);
        rtb->setTextCursor(cursor);
    }

    // The find window stays in front of the editor it searched, where it is on the screen.
    if (parentWidget() != editor)
        app_.windows().giveOwner(this, editor);
    editor->show();
    editor->raise();
    editor->activateWindow();
}
