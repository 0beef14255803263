#include "CommandParser.h"

#include <QRegularExpression>

namespace {

const QString Help = QStringLiteral("help");

} // namespace

CommandParser::CommandParser(const QString &command, const QStringList &usage, const QString &description)
    : command_(command), usage_(usage), description_(description)
{
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(QCommandLineOption({QStringLiteral("h"), Help}, QStringLiteral("Show this help.")));
}

void CommandParser::addOption(const QCommandLineOption &option)
{
    if (!option.valueName().isEmpty())
        valueOptionNames_ += option.names();
    parser_.addOption(option);
}

void CommandParser::addLocationOptions()
{
    addOption(QCommandLineOption(QStringLiteral("game"),
                                 QStringLiteral("Use this game folder for this call, without storing it."),
                                 QStringLiteral("folder")));
    addOption(QCommandLineOption(QStringLiteral("mod"),
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
    if (!parser_.parse(withNegativeNumbersAsValues(arguments)))
        return refuse(console,
                      parser_.errorText() + QStringLiteral(" See \"vantrax %1 --help\".").arg(command_));
    if (parser_.isSet(Help)) {
        console.print(helpText());
        return Succeeded;
    }
    return std::nullopt;
}

// "-1" is a value, not an option named "1": each negative number given on its own moves behind
// "--", which ends the options. An option's own value ("--guard -1,2,3") stays where it is.
QStringList CommandParser::withNegativeNumbersAsValues(const QStringList &arguments) const
{
    static const QRegularExpression negativeNumber(QStringLiteral("^-[0-9]"));
    QStringList options = arguments.mid(0, 1), values;
    bool isOptionValue = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--") {
            options += arguments.mid(i);
            break;
        }
        if (!isOptionValue && negativeNumber.match(argument).hasMatch())
            values << argument;
        else
            options << argument;
        const QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1);
        isOptionValue = !isOptionValue && argument.startsWith(u'-') && valueOptionNames_.contains(name);
    }
    return values.isEmpty() ? arguments : options + QStringList{QStringLiteral("--")} + values;
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
