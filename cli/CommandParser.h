#pragma once

#include "Console.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// The options and values of one command. Every command takes --help; the commands that work on
// the game also take --game and --mod, those that write a file also --stdout.
class CommandParser {
public:
    // `usage` holds the command's forms as typed after "vantrax"; `description` says what the
    // command does and what its values mean. Both are shown by --help.
    CommandParser(const QString &command, const QStringList &usage, const QString &description);

    void addOption(const QCommandLineOption &option);
    void addLocationOptions();
    void addStdoutOption();

    // Parses the command's arguments, the program's name first. Returns the exit code when the
    // call ends here, with the help printed or the arguments refused.
    std::optional<int> parse(const QStringList &arguments, Console &console);

    bool isSet(const QString &option) const { return parser_.isSet(option); }
    QString value(const QString &option) const { return parser_.value(option); }
    QStringList values(const QString &option) const { return parser_.values(option); }
    // The values given without an option name.
    QStringList positional() const { return parser_.positionalArguments(); }
    bool toStdout() const { return hasStdoutOption_ && parser_.isSet(QStringLiteral("stdout")); }

    // A refusal of the call's values, naming the command.
    int refuse(Console &console, const QString &message) const;

private:
    QString helpText() const;
    QStringList withNegativeNumbersAsValues(const QStringList &arguments) const;

    QString command_;
    QStringList usage_;
    QString description_;
    QCommandLineParser parser_;
    QStringList valueOptionNames_;
    bool hasStdoutOption_ = false;
};
