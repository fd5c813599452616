// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_list_accessible.h"

#include "record_surface.h"

#include <forms/accessible_item.h>

namespace {

class RecordListAccessible : public forms::AccessibleItemList {
public:
    explicit RecordListAccessible(RecordSurface* surface)
        : AccessibleItemList(surface, QAccessible::List) {}

    RecordSurface* surface() const { return static_cast<RecordSurface*>(widget()); }

    int itemCount() const override { return surface()->recordCount(); }
    QString itemName(int index) const override { return surface()->recordText(index); }
    QRect itemRect(int index) const override {
        const QRect local = surface()->recordRect(index);
        return QRect(surface()->mapToGlobal(local.topLeft()), local.size());
    }
};

} // namespace

QAccessibleInterface* RecordListInterface(const QString& className, QObject* object) {
    return className == QLatin1String(RecordSurface::staticMetaObject.className())
               ? new RecordListAccessible(static_cast<RecordSurface*>(object))
               : nullptr;
}
