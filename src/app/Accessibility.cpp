#include "app/Accessibility.h"

#include "app/ActiveLabel.h"

#include <QAccessibleWidget>

namespace {

class PressableLabel : public QAccessibleWidget {
public:
    explicit PressableLabel(ActiveLabel *label) : QAccessibleWidget(label, QAccessible::Button) {}

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<ActiveLabel *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *programAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ActiveLabel")) {
        auto *label = static_cast<ActiveLabel *>(object);
        return label->isButton() ? new PressableLabel(label) : nullptr;
    }
    // Qt knows its own window classes (main windows, dialogs, menus); a window whose nearest Qt
    // class is QWidget itself it would call a filler. The program's class names have no "Q".
    if (!object->isWidgetType() || !static_cast<QWidget *>(object)->isWindow())
        return nullptr;
    const QMetaObject *qtClass = object->metaObject();
    while (qtClass && qtClass->className()[0] != 'Q')
        qtClass = qtClass->superClass();
    if (qtClass != &QWidget::staticMetaObject)
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    return new QAccessibleWidget(widget, widget->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                            : QAccessible::Window);
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(programAccessible), true);
    Q_UNUSED(installed);
}
