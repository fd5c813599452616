#include <forms/testing.h>

#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace formstest {

QWidget* FormTest::rebuild() {
    m_form.reset(m_makeForm());
    m_form->show();
    return m_form.get();
}

void FormTest::init() {
    QVERIFY(QTest::qWaitForWindowActive(rebuild()));
}

void FormTest::everyControlHasAnAccessibleName() {
    QCOMPARE(UnnamedControls(m_form.get()), QStringList());
}

QString FormTest::caption(const char* label) const {
    return control<QLabel>(label)->text();
}

void FormTest::click(const char* button) const {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

void FormTest::select(const char* option) const {
    auto* button = control<QRadioButton>(option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace formstest
