// The least a Qt command line program does: a QCoreApplication and a QCommandLineParser that reads
// one value, the yardstick for "vantrax max-bots 32".
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("count"), QStringLiteral("A count."));
    parser.process(app);
    return parser.positionalArguments().value(1).toInt() > 0 ? 0 : 1;
}
