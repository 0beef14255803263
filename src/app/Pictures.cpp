#include "app/Pictures.h"

#include <QGuiApplication>

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
