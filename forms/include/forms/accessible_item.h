// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader needs of a list whose entries are not widgets of their own (a drop-down
// list's units, the record window's rows): one interface per entry, with its name, where it is,
// whether it is the chosen one, and, where the list lets the user choose, a press action that
// chooses it. AccessibleItemList is the list widget's interface with its entries as its children:
// it makes their interfaces on demand and releases them.

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleWidget>

#include <vector>

namespace forms {

// What the list tells of its entries.
class ItemSource {
public:
    virtual ~ItemSource() = default;
    virtual int itemCount() const = 0;
    virtual QString itemName(int index) const = 0;
    virtual QRect itemRect(int index) const = 0; // in screen coordinates
    virtual bool itemChosen(int) const { return false; }
    virtual bool itemsChoosable() const { return false; }
    virtual void chooseItem(int) {}
};

class AccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleItem(QAccessibleInterface* list, ItemSource* source, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list->window(); }
    QAccessibleInterface* parent() const override { return m_list; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return m_source->itemRect(m_index); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int index() const { return m_index; }

private:
    QAccessibleInterface* m_list;
    ItemSource* m_source;
    int m_index;
};

class AccessibleItemList : public QAccessibleWidget, public ItemSource {
public:
    AccessibleItemList(QWidget* list, QAccessible::Role role);
    ~AccessibleItemList() override;
    AccessibleItemList(const AccessibleItemList&) = delete;
    AccessibleItemList& operator=(const AccessibleItemList&) = delete;

    int childCount() const override { return itemCount(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    mutable std::vector<QAccessible::Id> m_ids; // the entries' interfaces, made on demand
};

} // namespace forms
