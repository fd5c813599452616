// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/accessible_item.h>

namespace forms {

AccessibleItem::AccessibleItem(QAccessibleInterface* list, ItemSource* source, int index)
    : m_list(list)
    , m_source(source)
    , m_index(index) {}

bool AccessibleItem::isValid() const {
    return m_list->isValid() && m_index < m_source->itemCount();
}

QString AccessibleItem::text(QAccessible::Text t) const {
    return t == QAccessible::Name && isValid() ? m_source->itemName(m_index) : QString();
}

QAccessible::State AccessibleItem::state() const {
    QAccessible::State state;
    state.selectable = m_source->itemsChoosable();
    state.selected = m_source->itemChosen(m_index);
    return state;
}

void* AccessibleItem::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface && m_source->itemsChoosable()
               ? static_cast<QAccessibleActionInterface*>(this)
               : nullptr;
}

QStringList AccessibleItem::actionNames() const {
    return {pressAction()};
}

void AccessibleItem::doAction(const QString& name) {
    if (name == pressAction() && isValid()) {
        m_source->chooseItem(m_index);
    }
}

AccessibleItemList::AccessibleItemList(QWidget* list, QAccessible::Role role)
    : QAccessibleWidget(list, role) {}

AccessibleItemList::~AccessibleItemList() {
    for (QAccessible::Id id : m_ids) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface* AccessibleItemList::child(int index) const {
    if (index < 0 || index >= itemCount()) {
        return nullptr;
    }
    auto* self = const_cast<AccessibleItemList*>(this); // the entries ask the list, which they do not change
    while (static_cast<int>(m_ids.size()) <= index) {
        m_ids.push_back(QAccessible::registerAccessibleInterface(
            new AccessibleItem(self, self, static_cast<int>(m_ids.size()))));
    }
    return QAccessible::accessibleInterface(m_ids[static_cast<std::size_t>(index)]);
}

int AccessibleItemList::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const AccessibleItem*>(child);
    return item && item->parent() == this ? item->index() : -1;
}

} // namespace forms
