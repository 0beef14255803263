#include "app/ActiveLabel.h"

#include <QMouseEvent>

ActiveLabel::ActiveLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setMouseTracking(true);
}

void ActiveLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ActiveLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ActiveLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}
