#include "editors/frame/TextEditorWindow.h"

#include "app/Application.h"
#include "app/Named.h"
#include "app/Twips.h"
#include "core/StockTexts.h"
#include "core/TextFiles.h"
#include "editors/frame/EditorText.h"
#include "selection/Form2.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>

TextEditorWindow::TextEditorWindow(Application &app, const QString &caption, int clientWidthTwips,
                                   int clientHeightTwips)
    : QMainWindow(nullptr, Qt::Window), app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    rtb = named(new QPlainTextEdit(this), "rtb");
    rtb->setLineWrapMode(QPlainTextEdit::NoWrap);
    setCentralWidget(rtb);
    connect(rtb->document(), &QTextDocument::contentsChanged, this, [this] { editorTextCurrent_ = false; });

    mnuFile = named(menuBar()->addMenu(QStringLiteral("File")), "mnuFile");
    mnuEdit = named(menuBar()->addMenu(QStringLiteral("Edit")), "mnuEdit");
    mnuEditSearch = named(mnuEdit->addAction(QStringLiteral("Search")), "mnuEditSearch");
    mnuEditSearch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    resize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips) + menuBar()->sizeHint().height());
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
        editorText_ = rtb->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
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

void TextEditorWindow::loadFromStockMod(const QString &suffix)
{
    const GameLocation stock{currentGameLocation(app_).gameFolder, StockMod};
    const Result<QString> text = readWholeText(stock.modFile(suffix));
    if (app_.succeeded(this, text))
        setFileText(text.value());
}

void TextEditorWindow::saveIntoSelectedMod(const QString &suffix)
{
    app_.succeeded(this, writeWholeText(currentGameLocation(app_).modFile(suffix), fileText()));
}

void TextEditorWindow::resetAndSave(const QString &stockName, const QString &suffix)
{
    setFileText(stockText(stockName));
    saveIntoSelectedMod(suffix);
}
