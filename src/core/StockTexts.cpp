#include "core/StockTexts.h"

#include "core/CodePage.h"

#include <QFile>

QString stockText(const QString &name)
{
    QFile file(QStringLiteral(":/stock/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The stock text %s is missing from the program", qPrintable(name));
    return decodeGameText(file.readAll());
}
