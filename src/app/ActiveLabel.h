#pragma once

#include <QLabel>

// A label or picture that reports clicks and the mouse moving over it. It takes the mouse
// moves itself, so moving over it never counts as moving over the window behind it.
class ActiveLabel : public QLabel {
    Q_OBJECT
public:
    explicit ActiveLabel(const QString &text, QWidget *parent = nullptr);
    explicit ActiveLabel(QWidget *parent = nullptr) : ActiveLabel(QString(), parent) {}

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
