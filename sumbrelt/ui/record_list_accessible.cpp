#include "record_list_accessible.h"

#include "record_surface.h"

#include <forms/accessible_item.h>

#include <QAccessibleWidget>

namespace {

class RecordListAccessible : public QAccessibleWidget, public forms::ItemSource {
public:
    explicit RecordListAccessible(RecordSurface* surface)
        : QAccessibleWidget(surface, QAccessible::List)
        , m_items(this, this) {}

    RecordSurface* surface() const { return static_cast<RecordSurface*>(widget()); }

    int childCount() const override { return surface()->recordCount(); }
    QAccessibleInterface* child(int index) const override { return m_items.item(index); }
    int indexOfChild(const QAccessibleInterface* child) const override { return m_items.indexOf(child); }

    int itemCount() const override { return surface()->recordCount(); }
    QString itemName(int index) const override { return surface()->recordText(index); }
    QRect itemRect(int index) const override {
        const QRect local = surface()->recordRect(index);
        return QRect(surface()->mapToGlobal(local.topLeft()), local.size());
    }

private:
    mutable forms::AccessibleItems m_items;
};

QAccessibleInterface* RecordListInterface(const QString& className, QObject* object) {
    return className == QLatin1String(RecordSurface::staticMetaObject.className())
               ? new RecordListAccessible(static_cast<RecordSurface*>(object))
               : nullptr;
}

} // namespace

void InstallRecordListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(RecordListInterface);
        return true;
    }();
    (void)installed;
}
