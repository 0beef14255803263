#include "app/FontGrowth.h"

#include <QFontInfo>
#include <QWidget>

namespace {

constexpr qreal DesignFontPixels = 12;

QRect scaled(const QRect &rect, qreal growth)
{
    return QRect(qRound(rect.x() * growth), qRound(rect.y() * growth), qRound(rect.width() * growth),
                 qRound(rect.height() * growth));
}

} // namespace

qreal fontGrowth(const QFont &font)
{
    return qMax(1.0, QFontInfo(font).pixelSize() / DesignFontPixels);
}

void growWithFont(QWidget *container)
{
    const qreal growth = fontGrowth(container->font());
    if (growth == 1.0)
        return;
    for (QWidget *control : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow())
            control->setGeometry(scaled(control->geometry(), growth));
    }
    if (container->minimumSize() == container->maximumSize())
        container->setFixedSize(scaled(QRect(QPoint(), container->minimumSize()), growth).size());
}
