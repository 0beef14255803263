#include "core/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QList>

namespace {

#ifdef Q_OS_WIN
QStringDecoder makeDecoder() { return QStringDecoder(QStringConverter::System); }
QStringEncoder makeEncoder() { return QStringEncoder(QStringConverter::System); }
#else
// ICU's windows-1252 maps the five bytes the code page leaves undefined to the matching C1
// control characters, so arbitrary bytes survive a decode and encode unchanged.
QStringDecoder makeDecoder() { return QStringDecoder("windows-1252"); }
QStringEncoder makeEncoder() { return QStringEncoder("windows-1252"); }
#endif

QString describeCharacter(char32_t codePoint)
{
    const QString hex = QString::number(codePoint, 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("\u201C%1\u201D (U+%2)").arg(QString::fromUcs4(&codePoint, 1), hex);
}

} // namespace

QString decodeGameText(const QByteArray &bytes)
{
    QStringDecoder decoder = makeDecoder();
    return decoder.decode(bytes);
}

Result<QByteArray> encodeGameText(const QString &text)
{
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return Result<QByteArray>::success(bytes);

    // Only on failure: find the first character the code page cannot hold, to name it.
    for (char32_t codePoint : text.toUcs4()) {
        QStringEncoder single = makeEncoder();
        const QByteArray probe = single.encode(QString::fromUcs4(&codePoint, 1));
        if (single.hasError())
            return Result<QByteArray>::failure(
                QStringLiteral("it holds the character %1, which the game's code page cannot store")
                    .arg(describeCharacter(codePoint)));
    }
    return Result<QByteArray>::failure(QStringLiteral("the text cannot be stored in the game's code page"));
}
