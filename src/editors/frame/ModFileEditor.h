#pragma once

#include "editors/frame/TextEditorWindow.h"

// The editor of a file that every mod may hold, named by its path below the mod folder: the
// starting text is the stock mod's copy, Save writes into the selected mod, Reset and Save
// writes the program's stock text there. A file that cannot be read or written is reported by
// name, and the text stays as it was.
class ModFileEditor : public TextEditorWindow {
    Q_OBJECT
protected:
    ModFileEditor(Application &app, const QString &caption, int clientWidthTwips, int clientHeightTwips,
                  QString suffix, QString stockName);

    void load();
    bool save() override;
    void resetAndSave();
    QString changedFileName() const override;

public:
    QString shownFile() const override;
    void reload() override { load(); }

private:
    QString targetFile() const;

    const QString suffix_;
    const QString stockName_;
    // The stock mod's file while the text is the empty one shown because it could not be read.
    QString unreadFile_;
};
