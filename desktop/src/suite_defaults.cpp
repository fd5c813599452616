// SPDX-License-Identifier: GPL-3.0-or-later
#include <desktop/suite_defaults.h>

#include <QAccessibleWidget>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
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

// The windows were drawn with Windows' fonts, which Windows has; elsewhere (Linux, Wine) the
// metric-compatible Liberation face takes the missing one's place, so the layouts keep their widths.
void SubstituteWhereMissing(const QString& family, const QString& substitute) {
    if (!QFontDatabase::hasFamily(family)) {
        QFont::insertSubstitution(family, substitute);
    }
}

} // namespace

void InstallSuiteDefaults(const char* program,
                          std::initializer_list<QAccessible::InterfaceFactory> interfaces) {
    QApplication::setApplicationName(QString::fromLatin1(program));
    QApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    // The desktop entry's name: on Wayland the app id that ties the windows to their launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dragstripworkshop.") +
                                        QString::fromLatin1(program));
    SubstituteWhereMissing(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    SubstituteWhereMissing(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    SubstituteWhereMissing(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QAccessible::installFactory(WindowInterface);
    for (QAccessible::InterfaceFactory factory : interfaces) {
        if (factory) {
            QAccessible::installFactory(factory);
        }
    }
}

} // namespace desktop
