#include "app/Pictures.h"

#include <QGuiApplication>
#include <QResource>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the launcher's raw pixels are stored in little-endian order");

QImage programPicture(const QString &path)
{
    if (qApp->devicePixelRatio() > 1) {
        // The reader gives a picture named "@2x" a pixel ratio of 2, so it keeps its design size.
        QImage doubled(path.left(path.lastIndexOf(u'.')) + QStringLiteral("@2x.png"));
        if (!doubled.isNull())
            return doubled;
    }
    return QImage(path);
}

QImage launcherBackground()
{
    constexpr int Width = 800, Height = 533;
    if (qApp->devicePixelRatio() > 1)
        return programPicture(QStringLiteral(":/images/background@2x.png"));
    const QResource raw(QStringLiteral(":/images/background.rgb32"));
    if (raw.size() != Width * Height * 4 || raw.compressionAlgorithm() != QResource::NoCompression)
        return QImage();
    const QImage image(raw.data(), Width, Height, Width * 4, QImage::Format_RGB32);
    // Pixels must start on a 4-byte boundary to be used in place; elsewhere they are copied.
    return reinterpret_cast<quintptr>(raw.data()) % 4 == 0 ? image : image.copy();
}
