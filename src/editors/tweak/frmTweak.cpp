#include "editors/tweak/frmTweak.h"

#include "app/Application.h"
#include "app/Named.h"
#include "app/Prompts.h"
#include "app/Twips.h"
#include "core/FileVersions.h"
#include "core/PathResolver.h"
#include "core/TextFiles.h"
#include "editors/tweak/FileFilter.h"
#include "editors/tweak/RecentFiles.h"
#include "launcher/frmMain.h"
#include "utilities/search/frmSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const QString TweakFilter = QStringLiteral("Tweak files (*.tweak)|*.tweak|");

const QString Hint = QStringLiteral("Tweak files can be found in this folder:   "
                                    "Orvanthe\\mods\\vantrax\\Objects\\ in the zip files.");

} // namespace

frmTweak::frmTweak(Application &app) : TextEditorWindow(app, QStringLiteral("Tweak Editor"), 11745, 7020)
{
    // The path line sits below the text: the text area takes every change of the window's size
    // and never covers it.
    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(takeCentralWidget());
    Label1 = named(new QLabel(client), "Label1");
    Label1->setContentsMargins(twipsToPixels(120), twipsToPixels(30), twipsToPixels(120), twipsToPixels(30));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Selectable by mouse, but no stop for the keyboard between the text and the menu.
    Label1->setFocusPolicy(Qt::NoFocus);
    // A long path must not make the window wider.
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(Label1);
    setCentralWidget(client);

    addFileItem("mnuFileNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                &frmTweak::mnuFileNew_Click);
    addFileItem("mnuFileLoad", QStringLiteral("&Load"), QKeySequence(Qt::CTRL | Qt::Key_O),
                &frmTweak::mnuFileLoad_Click);
    mnuFileRecent = named(mnuFile->addMenu(QStringLiteral("Open &Recent")), "mnuFileRecent");
    showRecentFiles(readRecentFiles(app_.programFolder()));
    addFileItem("mnuFileSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                &frmTweak::mnuFileSave_Click);
    addFileItem("mnuFileSaveAs", QStringLiteral("Save &as"), QKeySequence(Qt::CTRL | Qt::Key_D),
                &frmTweak::mnuFileSaveAs_Click);
    addRestoreItem();
    addFileSeparator("mnuFileStreep");
    addFileItem("mnuFileTweak", QStringLiteral("&Close"), QKeySequence(), &frmTweak::mnuFileTweak_Click);
    connect(mnuEditSearch, &QAction::triggered, this, &frmTweak::mnuEditSearch_Click);

    rtb->setPlainText(Hint);
    markUnchanged();
    // A file dropped on the text opens as Load opens it.
    openDroppedFilesWith([this](const QString &path) {
        if (changesSetAside())
            loadFile(path);
    });
}

void frmTweak::mnuFileNew_Click()
{
    if (!changesSetAside())
        return;
    setFileText(QString());
    setCurrentFile(QString());
    markUnchanged();
}

void frmTweak::mnuFileLoad_Click()
{
    if (!changesSetAside())
        return;
    const QString path = app_.prompts().openFileName(this, dialogFilter(TweakFilter));
    if (!path.isEmpty())
        loadFile(path);
}

void frmTweak::loadFile(const QString &path)
{
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!app_.succeeded(this, bytes))
        return;
    setFileBytes(bytes.value());
    setCurrentFile(path);
    markUnchanged();
    remember(path);
}

void frmTweak::openAtStart(Application &app, const QString &path)
{
    if (frmTweak *editor = app.windows().show<frmTweak>(app.windows().find<frmMain>()))
        editor->loadFile(QFileInfo(path).absoluteFilePath());
}

// A file that cannot be read again is reported; the text stays.
void frmTweak::reload()
{
    const Result<QByteArray> bytes = readFileBytes(currentFile_);
    if (!app_.succeeded(this, bytes))
        return;
    setFileBytes(bytes.value());
    markUnchanged();
}

void frmTweak::mnuFileSave_Click()
{
    save();
}

void frmTweak::mnuFileSaveAs_Click()
{
    saveAs();
}

void frmTweak::mnuFileTweak_Click()
{
    app_.windows().unload(this);
}

void frmTweak::mnuEditSearch_Click()
{
    frmSearch::open(app_, this, false);
}

bool frmTweak::save()
{
    return currentFile_.isEmpty() ? saveAs() : saveTo(currentFile_);
}

bool frmTweak::saveAs()
{
    const QString typed = app_.prompts().saveFileName(this, dialogFilter(TweakFilter));
    if (typed.isEmpty())
        return false;
    // The dialog asked before replacing the file as typed, not the one the extension names.
    const QString path = withDefaultSuffix(typed, QStringLiteral("tweak"));
    if (path != typed && QFileInfo::exists(pathOnDisk(path)) &&
        app_.prompts().messageBox(this,
                                  QStringLiteral("\"%1\" already exists. Do you want to replace it?")
                                      .arg(QDir::toNativeSeparators(pathAsFound(path))),
                                  Prompts::YesNo | Prompts::Exclamation) != Prompts::Yes)
        return false;
    return saveTo(path);
}

bool frmTweak::saveTo(const QString &path)
{
    if (!app_.succeeded(this, writeShownText(path)))
        return false;
    setCurrentFile(path);
    markUnchanged();
    remember(path);
    return true;
}

QString frmTweak::changedFileName() const
{
    return currentFile_.isEmpty() ? QStringLiteral("the new tweak file")
                                  : QDir::toNativeSeparators(currentFile_);
}

void frmTweak::setCurrentFile(const QString &path)
{
    currentFile_ = path;
    Label1->setText(QDir::toNativeSeparators(path));
}

void frmTweak::remember(const QString &path)
{
    showRecentFiles(changeRecentFiles(app_.programFolder(),
                                      [&](const QStringList &files) { return withRecentFile(files, path); }));
}

// A file that is gone is named and taken off the list; the text stays, so nothing needs asking.
void frmTweak::openRecent(const QString &path)
{
    if (!QFileInfo::exists(pathOnDisk(path))) {
        app_.prompts().messageBox(this,
                                  QStringLiteral("Cannot open \"%1\": the file is no longer there, so it is "
                                                 "taken off the recent files.")
                                      .arg(QDir::toNativeSeparators(path)),
                                  Prompts::Exclamation);
        showRecentFiles(changeRecentFiles(
            app_.programFolder(), [&](const QStringList &files) { return withoutRecentFile(files, path); }));
        return;
    }
    if (changesSetAside())
        loadFile(path);
}

// Numbered for the keyboard, &1 the newest; an empty list leaves the submenu disabled. The items
// shown go once the item chosen has done its work.
void frmTweak::showRecentFiles(const QStringList &files)
{
    for (QAction *item : mnuFileRecent->actions()) {
        mnuFileRecent->removeAction(item);
        item->deleteLater();
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString &path = files.at(i);
        const QString shown = QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"));
        QAction *item = mnuFileRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    mnuFileRecent->menuAction()->setEnabled(!files.isEmpty());
}
