#include "app/ActiveLabel.h"

#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

ActiveLabel::ActiveLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setMouseTracking(true);
}

// Tab focus only: a click must not move the focus, or the window's look would change with it.
void ActiveLabel::makeButton(const QString &accessibleName)
{
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(accessibleName);
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

void ActiveLabel::keyPressEvent(QKeyEvent *event)
{
    const bool press = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (isButton() && press &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ActiveLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit keyboardFocused();
    update();
}

void ActiveLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

// A text shows its focus by its colour, which its window sets; a picture gets the style's frame.
void ActiveLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus() || pixmap().isNull())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
