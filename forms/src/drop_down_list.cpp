// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms_accessibility.h"

#include <forms/accessible_item.h>
#include <forms/drop_down_list.h>

namespace forms {
namespace {

class DropDownAccessible : public AccessibleItemList {
public:
    explicit DropDownAccessible(DropDownList* list)
        : AccessibleItemList(list, QAccessible::ComboBox) {}

    DropDownList* list() const { return static_cast<DropDownList*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return list()->currentText();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {showMenuAction(), setFocusAction()}; }
    void doAction(const QString& name) override {
        if (name == showMenuAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

    int itemCount() const override { return list()->count(); }
    QString itemName(int index) const override { return list()->itemText(index); }
    QRect itemRect(int) const override { return rect(); }
    bool itemChosen(int index) const override { return index == list()->currentIndex(); }
    bool itemsChoosable() const override { return true; }
    void chooseItem(int index) override { list()->setCurrentIndex(index); }
};

} // namespace

DropDownList::DropDownList(QWidget* parent)
    : QComboBox(parent) {
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
}

QAccessibleInterface* DropDownListInterface(QObject* object) {
    return new DropDownAccessible(static_cast<DropDownList*>(object));
}

} // namespace forms
