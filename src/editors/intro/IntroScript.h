#pragma once

#include "core/GameFileValues.h"
#include "core/ProgramFolder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The selected mod's start-up script, below the mod folder, which plays the intro movies.
inline const QString IntroScriptFile = QStringLiteral("/Init.con");
// The last choice: "True" or "False" for each option, in the order of IntroOption.
inline const QString IntroStore = QStringLiteral("intro.ini");

// The three versions of the start-up script the user chooses from.
enum class IntroOption {
    SkipWithEsc, // every movie can be skipped with Esc
    Complete,    // no movie at all
    Reset,       // the game's own script
};

QString introScript(IntroOption option);

// The state file's lines for the options' states, in the order of IntroOption.
QStringList introStoreLines(const QList<bool> &selected);
// The states read from the state file's lines, in the order of IntroOption, up to the first
// line that is not "True" or "False" (in any letter case, blanks around it allowed).
QList<bool> parseIntroStore(const QStringList &lines);

// The states of the options when `option` alone is selected, in the order of IntroOption.
QList<bool> introSelection(IntroOption option);
// The option the editor opens with. It starts at SkipWithEsc; each stored state, in order,
// selects its option or clears it when it is the selected one, so the state file can leave no
// option selected. A missing or unreadable state file leaves SkipWithEsc.
std::optional<IntroOption> storedIntroOption(const ProgramFolder &programFolder);

// Which of the three scripts the text is, as the editor writes it (ending in one more CR LF);
// none for any other text.
std::optional<IntroOption> parseIntroScript(const QString &text);

// The option the editor and vantrax start from: the script at `scriptFile` where it is one of the
// three, else the stored option.
SourcedValues<std::optional<IntroOption>> currentIntroOption(const ProgramFolder &programFolder,
                                                             const QString &scriptFile);
