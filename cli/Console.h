#pragma once

#include <QByteArray>
#include <QString>

#include <cerrno>

// The exit codes scripts test: 1 when a file could not be read or written, 2 when the call
// itself was refused; in both cases one line on standard error says why.
enum ExitCode { Succeeded = 0, Failed = 1, BadInput = 2 };

// Standard output for values and files, standard error for the one line that explains a failure.
class Console {
public:
    // With `outputClosed`, the program was started without a standard output: whatever it
    // prints cannot be written.
    explicit Console(bool outputClosed = false) : outputError_(outputClosed ? EBADF : 0) {}

    // Text in the terminal's encoding, followed by a line break.
    void print(const QString &text);
    // Exactly these bytes, as a file holds them.
    void printBytes(const QByteArray &bytes);
    // Print "vantrax: <message>" on standard error and return the exit code to end with.
    int refuse(const QString &message);
    int fail(const QString &message);
    // The exit code to end with: a call that printed values or a file but could not write all of
    // it to standard output (a full disk, a closed pipe) failed, whatever it returned.
    int finish(int exitCode);

private:
    void error(const QString &message);

    // Once printing failed, the reason; nothing more is printed.
    int outputError_ = 0;
};
