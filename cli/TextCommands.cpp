#include "CommandParser.h"
#include "Commands.h"
#include "GameFiles.h"

#include "core/PathResolver.h"
#include "core/StockTexts.h"
#include "core/TextFiles.h"
#include "editors/botnames/BotNamesFile.h"
#include "editors/frame/EditorText.h"
#include "editors/scores/ScoringModule.h"

#include <QFileInfo>

namespace {

// A file every mod may hold, edited as a whole text: the editor starts from the stock mod's
// copy and saves into the selected mod.
struct WholeTextFile {
    QString command;
    QString editor;
    QString suffix;
    QString stockName;
};

int runWholeText(const Call &call, const WholeTextFile &file)
{
    CommandParser parser(
        file.command,
        {file.command, file.command + QStringLiteral(" --from <file> [--stdout]"),
         file.command + QStringLiteral(" --reset [--stdout]")},
        QStringLiteral("Writes the selected mod's %1\n"
                       "as the %2 saves it. --from writes the text of <file> as the editor writes\n"
                       "it once its text area holds that file: each line break (CR LF, or LF alone)\n"
                       "becomes CR LF, a CR alone stays a CR, and one more CR LF ends the file, so a file\n"
                       "the editor saved comes back with one line break more, as saving it again in the\n"
                       "editor gives. --reset writes the game's stock text. Without values, prints the\n"
                       "text the editor starts from: the stock mod's %1, byte for byte.")
            .arg(file.suffix.mid(1), file.editor));
    parser.addOption(QCommandLineOption(
        QStringLiteral("from"), QStringLiteral("Write the text of this file."), QStringLiteral("file")));
    parser.addOption(
        QCommandLineOption(QStringLiteral("reset"), QStringLiteral("Write the game's stock text.")));
    parser.addLocationOptions();
    parser.addStdoutOption();
    if (const std::optional<int> done = parser.parse(call.arguments, call.console))
        return *done;

    const bool reset = parser.isSet(QStringLiteral("reset"));
    const bool from = parser.isSet(QStringLiteral("from"));
    if (!parser.positional().isEmpty())
        return parser.refuse(call.console,
                             QStringLiteral("unexpected value \"%1\"; give --from <file> or --reset")
                                 .arg(parser.positional().first()));
    if (reset && from)
        return parser.refuse(call.console, QStringLiteral("give --from <file> or --reset, not both"));

    QString text;
    if (from) {
        const QString source = parser.value(QStringLiteral("from"));
        const Result<QString> given = readWholeText(source);
        // A file that is there but cannot be read failed; anything else is a wrong --from.
        const Result<QString> found = resolvePath(source);
        if (!given.ok())
            return found.ok() && QFileInfo(found.value()).isFile()
                       ? call.console.fail(given.error())
                       : parser.refuse(call.console, given.error());
        text = fileTextFromEditor(editorTextFromFile(given.value()));
    }
    const Result<GameLocation> location = callLocation(parser, call.stored);
    if (!location.ok())
        return parser.refuse(call.console, location.error());

    if (!reset && !from) {
        const GameLocation stock{location.value().gameFolder, StockMod};
        const Result<QByteArray> shown = readFileBytes(stock.modFile(file.suffix));
        if (!shown.ok())
            return call.console.fail(shown.error());
        call.console.printBytes(shown.value());
        return Succeeded;
    }
    if (reset)
        text = stockText(file.stockName);
    return deliverWholeText(call, parser, location.value().modFile(file.suffix), text);
}

} // namespace

int runBotNames(const Call &call)
{
    return runWholeText(call, {QStringLiteral("bot-names"), QStringLiteral("bot names editor"),
                               BotNamesSuffix, StockBotNames});
}

int runScoreModule(const Call &call)
{
    return runWholeText(call, {QStringLiteral("score-module"), QStringLiteral("scoring module editor"),
                               ScoringModuleSuffix, StockScoringModule});
}
