#include "editors/frame/TextEditorWindow.h"

#include "app/Application.h"
#include "app/Named.h"
#include "app/Prompts.h"
#include "app/Twips.h"
#include "app/WindowKeys.h"
#include "core/CodePage.h"
#include "core/FileVersions.h"
#include "core/TextFiles.h"
#include "editors/frame/EditorText.h"
#include "editors/frame/SyntaxHighlighter.h"
#include "editors/frame/TextEditors.h"
#include "utilities/search/frmSearch.h"
#include "utilities/versions/frmVersions.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QTextDocument>

#include <utility>

TextEditorWindow::TextEditorWindow(Application &app, const QString &caption, int clientWidthTwips,
                                   int clientHeightTwips)
    : QMainWindow(nullptr, Qt::Window), app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    rtb = named(new TextArea(this), "rtb");
    rtb->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Large files: with the scroll bars always there, showing them never lays the whole text out
    // again, and the game's text (Latin letters, one code page) needs no shaping, which long lines
    // would pay for on every layout.
    rtb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rtb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = rtb->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    rtb->setFont(font);
    rtb->setAccessibleName(caption);
    setCentralWidget(rtb);
    connect(rtb->document(), &QTextDocument::contentsChange, this, &TextEditorWindow::followEdit);
    connect(&filler_, &QTimer::timeout, this, &TextEditorWindow::fillNextPart);
    // A drop reaches the text area, or its viewport where that takes drops itself.
    rtb->installEventFilter(this);
    rtb->viewport()->installEventFilter(this);

    mnuFile = named(menuBar()->addMenu(QStringLiteral("&File")), "mnuFile");
    addEditMenu();
    addViewMenu();
    closeOnEscape(this);

    resize(twipsToPixels(clientWidthTwips),
           twipsToPixels(clientHeightTwips) + menuBar()->sizeHint().height());
}

QAction *TextEditorWindow::newMenuItem(QMenu *menu, const char *name, const QString &caption,
                                       const QKeySequence &shortcut)
{
    QAction *action = named(menu->addAction(caption), name);
    action->setShortcut(shortcut);
    return action;
}

void TextEditorWindow::addEditMenu()
{
    mnuEdit = named(menuBar()->addMenu(QStringLiteral("&Edit")), "mnuEdit");
    const auto item = [this](const char *name, const QString &caption, const QKeySequence &shortcut,
                             void (QPlainTextEdit::*edit)()) {
        QAction *action = newMenuItem(mnuEdit, name, caption, shortcut);
        connect(action, &QAction::triggered, rtb, edit);
        return action;
    };
    mnuEditUndo = item("mnuEditUndo", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                       &QPlainTextEdit::undo);
    mnuEditRedo = item("mnuEditRedo", QStringLiteral("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                       &QPlainTextEdit::redo);
    mnuEditCut =
        item("mnuEditCut", QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X), &QPlainTextEdit::cut);
    mnuEditCopy = item("mnuEditCopy", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                       &QPlainTextEdit::copy);
    mnuEditPaste = item("mnuEditPaste", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                        &QPlainTextEdit::paste);
    mnuEditSelectAll = item("mnuEditSelectAll", QStringLiteral("Select &All"),
                            QKeySequence(Qt::CTRL | Qt::Key_A), &QPlainTextEdit::selectAll);
    named(mnuEdit->addSeparator(), "mnuEditLine");
    mnuEditSearch =
        newMenuItem(mnuEdit, "mnuEditSearch", QStringLiteral("&Search"), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuEditFindNext =
        newMenuItem(mnuEdit, "mnuEditFindNext", QStringLiteral("Find &Next"), QKeySequence(Qt::Key_F3));
    connect(mnuEditFindNext, &QAction::triggered, this, [this] { frmSearch::findNextIn(app_, this); });
    mnuEditGoToLine = newMenuItem(mnuEdit, "mnuEditGoToLine", QStringLiteral("&Go to Line..."),
                                  QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(mnuEditGoToLine, &QAction::triggered, this, &TextEditorWindow::goToLine);

    // An item that cannot act is disabled. The clipboard is asked only when it changes or the menu
    // opens: on X11 that is a round trip to the program holding it.
    connect(rtb, &QPlainTextEdit::undoAvailable, this, &TextEditorWindow::followEditState);
    connect(rtb, &QPlainTextEdit::redoAvailable, this, &TextEditorWindow::followEditState);
    connect(rtb, &QPlainTextEdit::copyAvailable, this, &TextEditorWindow::followEditState);
    connect(rtb->document(), &QTextDocument::contentsChanged, this, &TextEditorWindow::followEditState);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TextEditorWindow::followPasteState);
    connect(mnuEdit, &QMenu::aboutToShow, this, &TextEditorWindow::followPasteState);
    followEditState();
    followPasteState();
}

void TextEditorWindow::followEditState()
{
    const bool editable = !rtb->isReadOnly();
    const bool selected = rtb->textCursor().hasSelection();
    mnuEditUndo->setEnabled(editable && rtb->document()->isUndoAvailable());
    mnuEditRedo->setEnabled(editable && rtb->document()->isRedoAvailable());
    mnuEditCut->setEnabled(editable && selected);
    mnuEditCopy->setEnabled(selected);
    mnuEditSelectAll->setEnabled(!rtb->document()->isEmpty());
}

void TextEditorWindow::followPasteState()
{
    mnuEditPaste->setEnabled(!rtb->isReadOnly() && rtb->canPaste());
}

void TextEditorWindow::addViewMenu()
{
    mnuView = named(menuBar()->addMenu(QStringLiteral("&View")), "mnuView");
    const auto item = [this](const char *name, const QString &caption, bool TextView::*choice) {
        QAction *action = newMenuItem(mnuView, name, caption, QKeySequence());
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, choice](bool on) { chooseView(choice, on); });
        return action;
    };
    mnuViewColours = item("mnuViewColours", QStringLiteral("Syntax &Colours"), &TextView::colours);
    mnuViewLineNumbers = item("mnuViewLineNumbers", QStringLiteral("&Line Numbers"), &TextView::lineNumbers);
    mnuViewWrap = item("mnuViewWrap", QStringLiteral("&Wrap Long Lines"), &TextView::wrap);
    showView(storedTextView(app_.programFolder()));
}

// The choice is kept and holds for every open editor at once; the others keep the rest of what
// they show.
void TextEditorWindow::chooseView(bool TextView::*item, bool on)
{
    TextView view = view_;
    view.*item = on;
    // Here the user decided how the text wraps.
    if (item == &TextView::wrap)
        longLines_ = false;
    app_.succeeded(this, storeTextView(app_.programFolder(), view));
    for (TextEditorWindow *editor : openTextEditors(app_))
        editor->showView(view);
}

void TextEditorWindow::showView(const TextView &view)
{
    view_ = view;
    const bool wrap = view.wrap || longLines_;
    mnuViewColours->setChecked(view.colours);
    mnuViewLineNumbers->setChecked(view.lineNumbers);
    mnuViewWrap->setChecked(wrap);
    rtb->setLineNumbersShown(view.lineNumbers);
    const QPlainTextEdit::LineWrapMode mode = wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap;
    if (rtb->lineWrapMode() != mode) {
        rtb->setLineWrapMode(mode);
        rtb->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    }
    showColours();
}

void TextEditorWindow::setSyntaxLanguage(SyntaxLanguage language)
{
    language_ = language;
    delete std::exchange(highlighter_, nullptr);
    showColours();
}

void TextEditorWindow::showColours()
{
    const bool coloured = view_.colours && !large_;
    if (coloured && !highlighter_)
        highlighter_ = new SyntaxHighlighter(language_, rtb);
    else if (!coloured && highlighter_)
        delete std::exchange(highlighter_, nullptr);
}

void TextEditorWindow::goToLine()
{
    // The range asked about is the whole text's.
    finishFilling();
    const int line = app_.prompts().lineNumber(this, rtb->caretLine(), rtb->lineCount());
    if (line > 0)
        rtb->goToLine(line);
}

namespace {

// A text holding a line longer than this shows wrapped (see TextEditorWindow::longLines_).
constexpr qsizetype LongLine = 64 * 1024;
// A text longer than this shows without colours.
constexpr qsizetype LargeText = 2 * 1024 * 1024;

// A large file goes into the text area in parts: the first, enough for the first screen, at once,
// the others one per turn of the event loop, so the window shows and answers while the rest is
// decoded and follows. A save converts the text in parts too. Each part ends with a line, so a
// CR LF is never split (no code page the game uses has an LF byte inside a character).
constexpr qsizetype FirstPart = 64 * 1024;
constexpr qsizetype NextPart = 512 * 1024;

qsizetype partEnd(const QByteArray &bytes, qsizetype start, qsizetype length)
{
    if (start + length >= bytes.size())
        return bytes.size();
    const qsizetype lineEnd = bytes.indexOf('\n', start + length);
    return lineEnd < 0 ? bytes.size() : lineEnd + 1;
}

QString editorTextOf(QByteArrayView fileBytes)
{
    return editorTextFromFile(decodeGameText(fileBytes));
}

} // namespace

// Wrapping, colours and the margin's width are settled before the text goes in: laid out
// unwrapped first, a very long line would cost its whole layout, a large text would be read for
// colours, and a widening margin lays the text out anew.
template <typename Text> void TextEditorWindow::prepareFor(Text text)
{
    const TextLines lines = textLines(text);
    longLines_ = lines.longest > LongLine;
    large_ = text.size() > LargeText;
    rtb->reserveLines(lines.count);
    showView(view_);
}

void TextEditorWindow::setFileText(const QString &text)
{
    stopFilling();
    prepareFor(QStringView(text));
    showText(editorTextFromFile(text));
}

void TextEditorWindow::replaceText(const QString &text)
{
    stopFilling();
    prepareFor(QStringView(text));
    QTextCursor cursor(rtb->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(editorTextFromFile(text));
    rtb->setTextCursor(QTextCursor(rtb->document()));
}

void TextEditorWindow::setFileBytes(QByteArray bytes)
{
    stopFilling();
    prepareFor(QByteArrayView(bytes));
    filled_ = partEnd(bytes, 0, FirstPart);
    // A text of very long lines goes in whole: each repaint between parts would lay them out anew.
    if (filled_ > 2 * FirstPart)
        filled_ = bytes.size();
    showText(editorTextOf(QByteArrayView(bytes).first(filled_)));
    if (filled_ == bytes.size())
        return;
    fileBytes_ = std::move(bytes);
    // Until the text is whole it cannot be edited; searches and saves put the rest in first.
    rtb->setReadOnly(true);
    rtb->document()->setUndoRedoEnabled(false);
    rtb->viewport()->setCursor(Qt::BusyCursor);
    followEditState();
    followPasteState();
    filler_.start(0);
}

void TextEditorWindow::showText(const QString &editorText)
{
    shownCurrent_ = false;
    // Straight into the document: QPlainTextEdit::setPlainText also selects the new text to give
    // it a format, and that lays out every line on screen once more before the text is whole; for
    // a text of long lines that was nearly half its load. The cursor goes to the start as it would.
    QTextDocument *document = rtb->document();
    document->setPlainText(editorText);
    rtb->setTextCursor(QTextCursor(document));
    shown_.setText(editorText);
    shownCurrent_ = true;
}

void TextEditorWindow::fillNextPart()
{
    const qsizetype end = partEnd(fileBytes_, filled_, NextPart);
    const QString part = editorTextOf(QByteArrayView(fileBytes_).sliced(filled_, end - filled_));
    QTextCursor cursor(rtb->document());
    cursor.movePosition(QTextCursor::End);
    const bool modified = rtb->document()->isModified();
    filling_ = true;
    // One edit block: the document reports the part as one change instead of one per line.
    cursor.beginEditBlock();
    cursor.insertText(part);
    cursor.endEditBlock();
    filling_ = false;
    rtb->document()->setModified(modified);
    filled_ = end;
    if (filled_ < fileBytes_.size())
        return;
    // The kept text follows the document once it is whole, from the file's bytes.
    shown_.setFileBytes(std::exchange(fileBytes_, QByteArray()));
    stopFilling();
}

void TextEditorWindow::stopFilling()
{
    if (!filler_.isActive())
        return;
    filler_.stop();
    // Stopped by another change before the text was whole: the kept text is taken out afresh.
    if (filled_ < fileBytes_.size())
        shownCurrent_ = false;
    fileBytes_ = QByteArray();
    rtb->document()->setUndoRedoEnabled(true);
    rtb->setReadOnly(false);
    rtb->viewport()->setCursor(Qt::IBeamCursor);
    followEditState();
    followPasteState();
}

void TextEditorWindow::finishFilling()
{
    while (filler_.isActive())
        fillNextPart();
}

const ShownText &TextEditorWindow::shownText()
{
    finishFilling();
    if (!shownCurrent_) {
        QString text = rtb->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
        shown_.setText(text);
        shownCurrent_ = true;
    }
    return shown_;
}

// An edit changes the kept text in place: taking the whole text out of the document again made
// the first search or save after an edit of a large text slow.
void TextEditorWindow::followEdit(int position, int removed, int added)
{
    if (filling_)
        return;
    // Any other change (New empties the text) ends the filling in of the text it replaces.
    stopFilling();
    if (!shownCurrent_)
        return;
    const int length = rtb->document()->characterCount() - 1;
    // Qt reports some edits as reaching past the last character; those are taken out afresh.
    if (position + added > length || position + removed > shown_.size()) {
        shownCurrent_ = false;
        return;
    }
    QTextCursor cursor(rtb->document());
    cursor.setPosition(position);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    QString inserted = cursor.selectedText();
    inserted.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    shown_.replace(position, removed, inserted);
    shownCurrent_ = shown_.size() == length;
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

void TextEditorWindow::addRestoreItem()
{
    connect(newFileItem("mnuFileRestore", QStringLiteral("Restore &Previous Version..."), QKeySequence()),
            &QAction::triggered, this, [this] {
                // An open window lists the files anew, so it shows what was saved since.
                const bool open = app_.windows().find<frmVersions>();
                frmVersions *versions = app_.windows().show<frmVersions>(this);
                if (open && versions)
                    versions->Form_Load();
            });
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

Status TextEditorWindow::writeShownText(const QString &path)
{
    const ShownText &text = shownText();
    qsizetype converted = 0;
    // At most two bytes a character (a line break is CR LF); pages never written take no memory.
    const Result<QByteArray> bytes = wholeTextBytes(
        path, 2 * text.size(), [&] { return fileTextFromEditor(text.nextLines(converted, FirstPart)); });
    if (!bytes.ok())
        return bytes;
    const ProgramFolder &folder = app_.programFolder();
    return folder.whileLocked([&] { return replaceGameFile(folder, path, bytes.value()); });
}

Status TextEditorWindow::writeGameText(const QString &path, const QString &text)
{
    const ProgramFolder &folder = app_.programFolder();
    return folder.whileLocked([&] { return replaceGameText(folder, path, text); });
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

void TextEditorWindow::openDroppedFilesWith(std::function<void(const QString &)> open)
{
    openDropped_ = std::move(open);
}

bool TextEditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Only the text area and its viewport are watched; nothing else of them is touched, as they
    // may be on their way out.
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QMainWindow::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!drop->mimeData()->hasUrls())
        return QMainWindow::eventFilter(watched, event);
    const QUrl first = drop->mimeData()->urls().value(0);
    const bool opens = openDropped_ && first.isLocalFile();
    if (!opens) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // The question about changes, and the file, come once the drop is over.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path = first.toLocalFile()] { openDropped_(path); }, Qt::QueuedConnection);
    return true;
}
