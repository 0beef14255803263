#include "Console.h"

#include <cerrno>
#include <cstdio>

void Console::print(const QString &text)
{
    printBytes((text + u'\n').toLocal8Bit());
}

void Console::printBytes(const QByteArray &bytes)
{
    if (outputError_)
        return;
    errno = 0;
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
        std::fflush(stdout) == 0;
    if (!written)
        outputError_ = errno ? errno : EIO;
}

int Console::finish(int exitCode)
{
    if (!outputError_ || exitCode != Succeeded)
        return exitCode;
    return fail(QStringLiteral("Cannot write to standard output: %1.").arg(qt_error_string(outputError_)));
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
