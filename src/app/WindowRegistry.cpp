#include "app/WindowRegistry.h"

#include <QMetaObject>

#include <utility>

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
        window->setParent(owner, window->windowFlags());
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

void WindowRegistry::bringToFront(QWidget *window, QWidget *owner)
{
    // A hidden window takes its new owner; a shown one only comes to the front.
    if (owner && !window->isVisible() && window->parentWidget() != owner)
        window->setParent(owner, window->windowFlags());
    window->show();
    window->raise();
    window->activateWindow();
}
