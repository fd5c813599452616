#include <desktop/window_accessibility.h>

#include <QAccessibleWidget>
#include <QWidget>

namespace desktop {
namespace {

QAccessibleInterface* WindowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Only for the window's own class, and only a plain window made from QWidget: dialogs, main
    // windows, menus and tooltips have interfaces of their own.
    if (!widget || widget->windowType() != Qt::Window ||
        object->metaObject()->superClass() != &QWidget::staticMetaObject ||
        className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    // A window's interface reads the window's caption as its name.
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void InstallWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(WindowInterface);
        return true;
    }();
    (void)installed;
}

} // namespace desktop
