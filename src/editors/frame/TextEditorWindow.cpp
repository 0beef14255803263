#include "editors/frame/TextEditorWindow.h"

#include "app/Application.h"
#include "app/Named.h"
#include "app/Prompts.h"
#include "app/Twips.h"
#include "app/WindowKeys.h"
#include "editors/frame/EditorText.h"
#include "utilities/search/frmSearch.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextDocument>

TextEditorWindow::TextEditorWindow(Application &app, const QString &caption, int clientWidthTwips,
                                   int clientHeightTwips)
    : QMainWindow(nullptr, Qt::Window), app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    rtb = named(new QPlainTextEdit(this), "rtb");
    rtb->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtb->setAccessibleName(caption);
    setCentralWidget(rtb);
    connect(rtb->document(), &QTextDocument::contentsChanged, this, [this] { editorTextCurrent_ = false; });

    mnuFile = named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    mnuEdit = named(menuBar()->addMenu(QStringLiteral("&Edit")), "mnuEdit");
    mnuEditSearch = named(mnuEdit->addAction(QStringLiteral("&Search")), "mnuEditSearch");
    mnuEditSearch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this,
            [this] { frmSearch::findNextIn(app_, this); });
    closeOnEscape(this);

    resize(twipsToPixels(clientWidthTwips),
           twipsToPixels(clientHeightTwips) + menuBar()->sizeHint().height());
}

QString TextEditorWindow::fileText() const
{
    return fileTextFromEditor(editorText());
}

void TextEditorWindow::setFileText(const QString &text)
{
    QString shown = editorTextFromFile(text);
    rtb->setPlainText(shown);
    editorText_ = std::move(shown);
    editorTextCurrent_ = true;
}

const QString &TextEditorWindow::editorText() const
{
    if (!editorTextCurrent_) {
        editorText_ = rtb->document()->toRawText();
        editorText_.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
        editorTextCurrent_ = true;
    }
    return editorText_;
}

QAction *TextEditorWindow::newFileItem(const char *name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = named(mnuFile->addAction(caption), name);
    action->setShortcut(shortcut);
    return action;
}

void TextEditorWindow::addFileSeparator(const char *name)
{
    named(mnuFile->addSeparator(), name);
}

bool TextEditorWindow::changesSetAside()
{
    if (!rtb->document()->isModified())
        return true;
    switch (app_.prompts().messageBox(this, QStringLiteral("Save changes to %1?").arg(changedFileName()),
                                      Prompts::YesNoCancel | Prompts::Exclamation)) {
    case Prompts::Yes:
        return save();
    case Prompts::No:
        return true;
    default:
        return false;
    }
}

void TextEditorWindow::markUnchanged()
{
    rtb->document()->setModified(false);
}

// Both the Close item and the close box end here.
void TextEditorWindow::closeEvent(QCloseEvent *event)
{
    if (changesSetAside())
        event->accept();
    else
        event->ignore();
}
