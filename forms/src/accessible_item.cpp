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

AccessibleItems::AccessibleItems(QAccessibleInterface* list, ItemSource* source)
    : m_list(list)
    , m_source(source) {}

AccessibleItems::~AccessibleItems() {
    forget();
}

QAccessibleInterface* AccessibleItems::item(int index) {
    if (index < 0 || index >= m_source->itemCount()) {
        return nullptr;
    }
    while (static_cast<int>(m_ids.size()) <= index) {
        m_ids.push_back(QAccessible::registerAccessibleInterface(
            new AccessibleItem(m_list, m_source, static_cast<int>(m_ids.size()))));
    }
    return QAccessible::accessibleInterface(m_ids[static_cast<std::size_t>(index)]);
}

int AccessibleItems::indexOf(const QAccessibleInterface* item) const {
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        if (QAccessible::accessibleInterface(m_ids[i]) == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void AccessibleItems::forget() {
    for (QAccessible::Id id : m_ids) {
        QAccessible::deleteAccessibleInterface(id);
    }
    m_ids.clear();
}

} // namespace forms
