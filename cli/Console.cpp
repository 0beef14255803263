#include "Console.h"

#include <cstdio>

void Console::print(const QString &text)
{
    printBytes((text + u'\n').toLocal8Bit());
}

void Console::printBytes(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

int Console::refuse(const QString &message)
{
    error(message);
    return BadInput;
}

int Console::fail(const QString &message)
{
    error(message);
    return Failed;
}

void Console::error(const QString &message)
{
    const QByteArray line = (QStringLiteral("vantrax: ") + message + u'\n').toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
