#include "Console.h"

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace {

// A console window of Windows shows text in its own code page: text for a person goes to it
// whole, as UTF-16. Elsewhere, and into files and pipes, it is the terminal's encoding.
bool writtenToConsole([[maybe_unused]] FILE *stream, [[maybe_unused]] const QString &text)
{
#ifdef Q_OS_WIN
    const HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (!GetConsoleMode(console, &mode))
        return false;
    std::fflush(stream);
    DWORD written = 0;
    return WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                         &written, nullptr) &&
           written == DWORD(text.size());
#else
    return false;
#endif
}

} // namespace

void Console::print(const QString &text)
{
    if (outputError_ || !writtenToConsole(stdout, text + u'\n'))
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
    const QString text = QStringLiteral("vantrax: ") + message + u'\n';
    if (writtenToConsole(stderr, text))
        return;
    const QByteArray line = text.toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
