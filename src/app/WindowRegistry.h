#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

class Application;

// Keeps at most one instance of each window class, as the program's windows expect: opening a
// window that exists brings it to the front with its content, opening one that does not
// creates it first, which runs its load steps (its Form_Load slot, when it has one).
//
// An owner is a window's parent widget, so an owned window stays in front of its owner (the
// window system sees it as the owner's dialog) and is discarded with it.
class WindowRegistry {
public:
    explicit WindowRegistry(Application &app);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    // The existing instance, or null.
    template <typename Window> Window *find() const
    {
        return qobject_cast<Window *>(windows_.value(Window::staticMetaObject.className()).data());
    }

    // The existing instances of every class derived from `Base`, in no particular order.
    template <typename Base> QList<Base *> findAll() const
    {
        QList<Base *> found;
        for (const QPointer<QWidget> &window : windows_)
            if (auto *instance = qobject_cast<Base *>(window.data()))
                found << instance;
        return found;
    }

    // The existing instance, or a new one, still hidden, whose load steps have run. Null only
    // when those steps closed the window again.
    template <typename Window> Window *get(QWidget *owner = nullptr)
    {
        if (Window *existing = find<Window>())
            return existing;
        auto *window = new Window(app_);
        adopt(window, owner);
        return qobject_cast<Window *>(load(window));
    }

    // Shows the window modeless in front of the owner, creating it first if needed.
    template <typename Window> Window *show(QWidget *owner = nullptr)
    {
        Window *window = get<Window>(owner);
        if (window)
            bringToFront(window, owner);
        return window;
    }

    // Closes and discards the window at once: from now on it counts as gone, even before Qt
    // deletes it. Returns false if the window refused to close.
    bool unload(QWidget *window);

    // Gives a window, shown or not, to another owner, keeping its place on the screen, and
    // shows it in front of that owner.
    void giveOwner(QWidget *window, QWidget *owner);

private:
    void adopt(QWidget *window, QWidget *owner);
    QWidget *load(QWidget *window);
    void bringToFront(QWidget *window, QWidget *owner);

    Application &app_;
    QHash<QByteArray, QPointer<QWidget>> windows_;
};
