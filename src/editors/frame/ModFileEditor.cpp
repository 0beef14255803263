#include "editors/frame/ModFileEditor.h"

#include "app/Application.h"
#include "app/Prompts.h"
#include "core/PathResolver.h"
#include "core/StockTexts.h"
#include "core/TextFiles.h"
#include "selection/Form2.h"

#include <QDir>
#include <QPlainTextEdit>

ModFileEditor::ModFileEditor(Application &app, const QString &caption, int clientWidthTwips,
                             int clientHeightTwips, QString suffix, QString stockName)
    : TextEditorWindow(app, caption, clientWidthTwips, clientHeightTwips), suffix_(std::move(suffix)),
      stockName_(std::move(stockName))
{
}

QString ModFileEditor::targetFile() const
{
    return currentGameLocation(app_).modFile(suffix_);
}

QString ModFileEditor::changedFileName() const
{
    return QDir::toNativeSeparators(pathAsFound(targetFile()));
}

// Always the stock mod's file, whichever mod is selected.
QString ModFileEditor::shownFile() const
{
    return GameLocation{currentGameLocation(app_).gameFolder, StockMod}.modFile(suffix_);
}

void ModFileEditor::load()
{
    const QString file = shownFile();
    const Result<QByteArray> bytes = readFileBytes(file);
    if (app_.succeeded(this, bytes))
        setFileBytes(bytes.value());
    else
        unreadFile_ = file;
    markUnchanged();
}

// The empty text shown for a file that could not be read is not written over the mod's file.
bool ModFileEditor::save()
{
    if (!unreadFile_.isEmpty() && !rtb->document()->isModified()) {
        app_.prompts().messageBox(this,
                                  QStringLiteral("Nothing was saved: the text is empty because \"%1\" "
                                                 "could not be read.")
                                      .arg(QDir::toNativeSeparators(pathAsFound(unreadFile_))),
                                  Prompts::Exclamation);
        return false;
    }
    if (!app_.succeeded(this, writeShownText(targetFile())))
        return false;
    unreadFile_.clear();
    markUnchanged();
    return true;
}

// The text area shows the stock text only once it is written, as an edit Undo takes back.
void ModFileEditor::resetAndSave()
{
    const QString stock = stockText(stockName_);
    if (!app_.succeeded(this, writeGameText(targetFile(), stock)))
        return;
    replaceText(stock);
    unreadFile_.clear();
    markUnchanged();
}
