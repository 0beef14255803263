#include "CommandParser.h"

namespace {

const QString Help = QStringLiteral("help");

} // namespace

CommandParser::CommandParser(const QString &command, const QStringList &usage, const QString &description)
    : command_(command), usage_(usage), description_(description)
{
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(QCommandLineOption({QStringLiteral("h"), Help}, QStringLiteral("Show this help.")));
}

void CommandParser::addLocationOptions()
{
    parser_.addOption(QCommandLineOption(
        QStringLiteral("game"), QStringLiteral("Use this game folder for this call, without storing it."),
        QStringLiteral("folder")));
    parser_.addOption(QCommandLineOption(QStringLiteral("mod"),
                                         QStringLiteral("Use this mod for this call, without storing it."),
                                         QStringLiteral("name")));
}

void CommandParser::addStdoutOption()
{
    parser_.addOption(QCommandLineOption(
        QStringLiteral("stdout"),
        QStringLiteral(
            "Print the file that would be written, byte for byte; write nothing, store nothing.")));
    hasStdoutOption_ = true;
}

std::optional<int> CommandParser::parse(const QStringList &arguments, Console &console)
{
    if (!parser_.parse(arguments))
        return refuse(console,
                      parser_.errorText() + QStringLiteral(" See \"vantrax %1 --help\".").arg(command_));
    if (parser_.isSet(Help)) {
        console.print(helpText());
        return Succeeded;
    }
    return std::nullopt;
}

int CommandParser::refuse(Console &console, const QString &message) const
{
    return console.refuse(command_ + QStringLiteral(": ") + message);
}

// Qt's own help lists the options; the usage and the description are the command's.
QString CommandParser::helpText() const
{
    QString text = QStringLiteral("Usage:\n");
    for (const QString &form : usage_)
        text += QStringLiteral("  vantrax ") + form + u'\n';
    text += u'\n' + description_ + u'\n';
    const QString generated = parser_.helpText();
    text += u'\n' + generated.mid(generated.indexOf(QStringLiteral("Options:"))).trimmed();
    return text;
}
