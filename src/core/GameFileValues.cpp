#include "core/GameFileValues.h"

#include "core/CodePage.h"
#include "core/PathResolver.h"
#include "core/TextFiles.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The editors' files are a few KiB; a file far larger is no file they wrote.
constexpr qint64 GameFileLimit = 1024 * 1024;

} // namespace

std::optional<QString> gameFileText(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const Result<QByteArray> bytes = readFileBytes(path, GameFileLimit);
    if (!bytes.ok())
        return std::nullopt;
    return decodeGameText(bytes.value());
}

QStringList gameTextLines(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    return text.split(lineEnd);
}

bool isPlainValue(const QString &value)
{
    return std::none_of(value.cbegin(), value.cend(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString stateFileSource(const ProgramFolder &programFolder, const QString &name)
{
    if (!programFolder.readLines(name).ok())
        return QString();
    return pathAsFound(programFolder.filePath(name));
}
