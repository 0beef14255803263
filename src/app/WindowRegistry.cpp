#include "app/WindowRegistry.h"

#include <QMetaObject>

#include <utility>

namespace {

// An X11 window manager keeps a window in front of its owner only when the window is marked
// transient for it, and Qt marks dialog and tool windows alone. So an owned plain window becomes
// a dialog; its frame keeps the buttons it had.
void setOwner(QWidget *window, QWidget *owner)
{
    Qt::WindowFlags flags = window->windowFlags();
    if (window->windowType() == Qt::Window)
        flags = (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
    window->setParent(owner, flags);
}

} // namespace

WindowRegistry::WindowRegistry(Application &app) : app_(app) {}

WindowRegistry::~WindowRegistry()
{
    // Deleting an owner deletes the windows it owns, which clears their entries.
    for (const QPointer<QWidget> &window : std::as_const(windows_))
        delete window.data();
}

bool WindowRegistry::unload(QWidget *window)
{
    if (!window)
        return true;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!window->close())
        return false;
    windows_.remove(window->metaObject()->className());
    return true;
}

void WindowRegistry::adopt(QWidget *window, QWidget *owner)
{
    window->setObjectName(QString::fromLatin1(window->metaObject()->className()));
    if (owner)
        setOwner(window, owner);
    windows_.insert(window->metaObject()->className(), window);
}

QWidget *WindowRegistry::load(QWidget *window)
{
    // The window is registered before its load steps run, so steps that ask for it (such as
    // the game location held by the selection window) find it instead of making another.
    const QByteArray name = window->metaObject()->className();
    if (window->metaObject()->indexOfSlot("Form_Load()") >= 0)
        QMetaObject::invokeMethod(window, "Form_Load", Qt::DirectConnection);
    return windows_.value(name).data() == window ? window : nullptr;
}

void WindowRegistry::giveOwner(QWidget *window, QWidget *owner)
{
    if (window->parentWidget() != owner) {
        const QPoint place = window->pos();
        setOwner(window, owner);
        window->move(place);
    }
    bringToFront(window, owner);
}

void WindowRegistry::bringToFront(QWidget *window, QWidget *owner)
{
    // A hidden window takes its new owner; a shown one only comes to the front.
    if (owner && !window->isVisible() && window->parentWidget() != owner)
        setOwner(window, owner);
    window->show();
    window->raise();
    window->activateWindow();
}
