#include "app/Pictures.h"

#include <QGuiApplication>

QPixmap programPicture(const QString &path)
{
    if (qApp->devicePixelRatio() > 1) {
        // The reader gives a picture named "@2x" a pixel ratio of 2, so it keeps its design size.
        QPixmap doubled(QString(path).insert(path.lastIndexOf(u'.'), QStringLiteral("@2x")));
        if (!doubled.isNull())
            return doubled;
    }
    return QPixmap(path);
}
