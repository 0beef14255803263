#include "utilities/versions/frmVersions.h"

#include "app/Application.h"
#include "app/Named.h"
#include "app/Prompts.h"
#include "app/WindowKeys.h"
#include "core/FileVersions.h"
#include "core/TextFiles.h"
#include "editors/frame/TextEditorWindow.h"
#include "editors/frame/TextEditors.h"
#include "selection/Form2.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole;
const QString ShownTime = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// A caption whose mnemonic takes the focus to the control, which a screen reader names by it.
QLabel *captionFor(const QString &text, QWidget *control)
{
    auto *label = new QLabel(text);
    label->setBuddy(control);
    control->setAccessibleName(QString(text).remove(u'&').chopped(1));
    return label;
}

} // namespace

frmVersions::frmVersions(Application &app) : QWidget(nullptr, Qt::Window), app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Restore Previous Version"));

    lstFiles = named(new QListWidget, "lstFiles");
    lstVersions = named(new QTreeWidget, "lstVersions");
    lstVersions->setHeaderLabels(
        {QStringLiteral("Kept"), QStringLiteral("Size"), QStringLiteral("First difference")});
    lstVersions->setRootIsDecorated(false);
    lstVersions->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    cmdRestore = named(new QPushButton(QStringLiteral("&Restore")), "cmdRestore");
    cmdClose = named(new QPushButton(QStringLiteral("Close")), "cmdClose");

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(captionFor(QStringLiteral("&Files with earlier versions:"), lstFiles));
    layout->addWidget(lstFiles, 1);
    layout->addWidget(captionFor(QStringLiteral("&Versions of the chosen file, newest first:"), lstVersions));
    layout->addWidget(lstVersions, 2);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(lstFiles, &QListWidget::currentRowChanged, this, &frmVersions::showVersions);
    // Enter on a file goes on to its versions; Enter on a version restores it.
    connect(lstFiles, &QListWidget::itemActivated, lstVersions, [this] { lstVersions->setFocus(); });
    connect(lstVersions, &QTreeWidget::itemActivated, this, &frmVersions::cmdRestore_Click);
    connect(cmdRestore, &QPushButton::clicked, this, &frmVersions::cmdRestore_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);
}

// Lists the files anew, keeping the chosen one chosen.
void frmVersions::Form_Load()
{
    const QString chosen = chosenFile();
    const QString gameFolder = currentGameLocation(app_).gameFolder;
    lstFiles->clear();
    for (const QString &file : filesWithVersions(app_.programFolder(), gameFolder)) {
        auto *item = new QListWidgetItem(shownBelow(gameFolder, file), lstFiles);
        item->setData(PathRole, file);
        if (file == chosen)
            lstFiles->setCurrentItem(item);
    }
    if (!lstFiles->currentItem())
        lstFiles->setCurrentRow(0);
    showVersions();
}

QString frmVersions::chosenFile() const
{
    return lstFiles->currentItem() ? lstFiles->currentItem()->data(PathRole).toString() : QString();
}

void frmVersions::showVersions()
{
    lstVersions->clear();
    const QString file = chosenFile();
    if (file.isEmpty())
        return;
    const Result<QByteArray> now = readFileBytes(file);
    for (const FileVersion &version : fileVersions(app_.programFolder(), file)) {
        const Result<QByteArray> bytes = versionBytes(app_.programFolder(), file, version);
        auto *item = new QTreeWidgetItem(
            lstVersions, {version.kept.toString(ShownTime), QStringLiteral("%1 bytes").arg(version.size),
                          bytes.ok() ? firstDifference(bytes.value(), now.ok() ? now.value() : QByteArray())
                                     : bytes.error()});
        item->setData(0, PathRole, version.name);
    }
    lstVersions->setCurrentItem(lstVersions->topLevelItem(0));
    cmdRestore->setEnabled(lstVersions->topLevelItemCount() > 0);
}

void frmVersions::cmdRestore_Click()
{
    const QString file = chosenFile();
    const QTreeWidgetItem *chosen = lstVersions->currentItem();
    if (file.isEmpty() || !chosen)
        return;
    const QString shown = QDir::toNativeSeparators(file);
    if (app_.prompts().messageBox(this,
                                  QStringLiteral("Write back \"%1\" as it was kept on %2? The file as it is "
                                                 "now is kept as a version.")
                                      .arg(shown, chosen->text(0)),
                                  Prompts::YesNo | Prompts::Question) != Prompts::Yes)
        return;
    const FileVersion version{chosen->data(0, PathRole).toString(), {}, 0};
    const ProgramFolder &folder = app_.programFolder();
    const Status restored = folder.whileLocked([&] { return restoreVersion(folder, file, version); });
    if (!app_.succeeded(this, restored))
        return;
    for (TextEditorWindow *editor : openTextEditors(app_)) {
        if (editor->shownFile().isEmpty() || pathOnDisk(editor->shownFile()) != pathOnDisk(file))
            continue;
        if (editor->rtb->document()->isModified() &&
            app_.prompts().messageBox(this,
                                      QStringLiteral("\"%1\" holds changes that are not saved. Drop them and "
                                                     "show the restored \"%2\"?")
                                          .arg(editor->windowTitle(), shown),
                                      Prompts::YesNo | Prompts::Exclamation) != Prompts::Yes)
            continue;
        editor->reload();
    }
    Form_Load();
}
