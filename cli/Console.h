#pragma once

#include <QByteArray>
#include <QString>

// The exit codes scripts test: 1 when a file could not be read or written, 2 when the call
// itself was refused; in both cases one line on standard error says why.
enum ExitCode { Succeeded = 0, Failed = 1, BadInput = 2 };

// Standard output for values and files, standard error for the one line that explains a failure.
class Console {
public:
    // Text in the terminal's encoding, followed by a line break.
    void print(const QString &text);
    // Exactly these bytes, as a file holds them.
    void printBytes(const QByteArray &bytes);
    // Print "vantrax: <message>" on standard error and return the exit code to end with.
    int refuse(const QString &message);
    int fail(const QString &message);

private:
    void error(const QString &message);
};
