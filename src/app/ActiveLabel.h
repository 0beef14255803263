#pragma once

#include <QLabel>

// A label or picture that reports clicks and the mouse moving over it. It takes the mouse
// moves itself, so moving over it never counts as moving over the window behind it.
//
// Made a button, it also takes the focus with Tab, Enter or Space act as a click, and screen
// readers see a push button under the given name.
class ActiveLabel : public QLabel {
    Q_OBJECT
public:
    explicit ActiveLabel(const QString &text, QWidget *parent = nullptr);
    explicit ActiveLabel(QWidget *parent = nullptr) : ActiveLabel(QString(), parent) {}

    void makeButton(const QString &accessibleName);
    bool isButton() const { return focusPolicy() != Qt::NoFocus; }

signals:
    void clicked();
    void mouseMoved();
    // The focus came by the keyboard (Tab, or the arrows where the window moves it so).
    void keyboardFocused();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
