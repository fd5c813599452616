// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/form_builder.h>

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace forms {
namespace {

QString WithoutAccessMarker(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return caption;
}

} // namespace

FormBuilder::FormBuilder(QWidget* form)
    : m_form(form) {}

void FormBuilder::setUp(QWidget* control, QWidget* container, const Row& row) {
    Q_ASSERT(container == m_form || m_form->isAncestorOf(container));
    control->setObjectName(QString::fromLatin1(row.name));
    control->setGeometry(TwipsToPixels(row.place));
    if (row.font) {
        QFont font(QString::fromLatin1(row.font->family));
        font.setPointSizeF(row.font->points);
        font.setBold(row.font->bold);
        control->setFont(font);
    }
    if (row.tabIndex != kNoTabStop && control->focusPolicy() != Qt::NoFocus) {
        m_tabStops.emplace_back(row.tabIndex, control);
    }
    // Captioned controls are named by their caption; labels by the text they show at the moment.
    if (!qobject_cast<QLabel*>(control)) {
        const QString accessible = WithoutAccessMarker(row.caption).trimmed();
        control->setAccessibleName(accessible.isEmpty() ? QString::fromLatin1(row.name) : accessible);
    }
}

Label* FormBuilder::label(QWidget* container, const Row& row) {
    auto* control = new Label(row.caption, container);
    setUp(control, container, row);
    return control;
}

QLineEdit* FormBuilder::textBox(QWidget* container, const Row& row) {
    auto* control = new QLineEdit(row.caption, container);
    // A box takes text of any length; the readers cope with it.
    control->setMaxLength(std::numeric_limits<int>::max());
    setUp(control, container, row);
    control->setAccessibleName(QString::fromLatin1(row.name)); // until the form names the label it belongs to
    return control;
}

CommandButton* FormBuilder::button(QWidget* container, const Row& row) {
    auto* control = new CommandButton(row.caption, container);
    setUp(control, container, row);
    return control;
}

OptionButton* FormBuilder::option(QWidget* container, const Row& row) {
    auto* control = new OptionButton(row.caption, container);
    setUp(control, container, row);
    return control;
}

Frame* FormBuilder::frame(QWidget* container, const Row& row) {
    auto* control = new Frame(row.caption, container);
    setUp(control, container, row);
    return control;
}

DropDownList* FormBuilder::dropDownList(QWidget* container, const Row& row, const QStringList& items) {
    auto* control = new DropDownList(container);
    control->addItems(items);
    control->setCurrentIndex(-1);
    setUp(control, container, row);
    return control;
}

ShapeOutline* FormBuilder::shape(QWidget* container, const char* name, const Place& place) {
    auto* control = new ShapeOutline(container);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(TwipsToPixels(place));
    m_shapes.push_back(control);
    return control;
}

void FormBuilder::finish() {
    std::stable_sort(m_tabStops.begin(), m_tabStops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < m_tabStops.size(); ++i) {
        QWidget::setTabOrder(m_tabStops[i - 1].second, m_tabStops[i].second);
    }
    // An outline is drawn over the labels it surrounds, and under the controls that take input: the
    // labels go under the first outline of their container, which lies under the later ones.
    for (auto shape = m_shapes.rbegin(); shape != m_shapes.rend(); ++shape) {
        for (QLabel* label : (*shape)->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            label->stackUnder(*shape);
        }
    }
}

void SetBackColour(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    // The forms' own text and 3D colours on it: a dark desktop scheme would put light text there.
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

} // namespace forms
