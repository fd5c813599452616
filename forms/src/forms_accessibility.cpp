// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms_accessibility.h"

#include <forms/drop_down_list.h>
#include <forms/label.h>
#include <forms/program.h>
#include <forms/shape_outline.h>

#include <QAccessibleWidget>

namespace forms {
namespace {

// Qt's own falls back on the caption of the frame around an empty label.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Label*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

class OutlineAccessible : public QAccessibleWidget {
public:
    explicit OutlineAccessible(QWidget* outline)
        : QAccessibleWidget(outline, QAccessible::Client) {}
    QString text(QAccessible::Text) const override { return QString(); }
};

} // namespace

QAccessibleInterface* FormsInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(Label::staticMetaObject.className())) {
        return new LabelAccessible(static_cast<Label*>(object));
    }
    if (className == QLatin1String(ShapeOutline::staticMetaObject.className())) {
        return new OutlineAccessible(static_cast<ShapeOutline*>(object));
    }
    if (className == QLatin1String(DropDownList::staticMetaObject.className())) {
        return DropDownListInterface(object);
    }
    return nullptr;
}

} // namespace forms
