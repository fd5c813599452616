// SPDX-License-Identifier: GPL-3.0-or-later
#include "form3.h"
#include "form9.h"
#include "record_list_accessible.h"
#include "record_surface.h"

#include <forms/shape_outline.h>

#include <forms/program.h>
#include <forms/readability.h>
#include <forms/testing.h>

#include <suite/monkey.h>
#include <suite/test_main.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class Form3Test : public formstest::FormTestOf<Form3> {
    Q_OBJECT

private:
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    void fill(const QString& bore, const QString& stroke, const QString& cylinders) const {
        field("Text1")->setText(bore);
        field("Text2")->setText(stroke);
        field("Text3")->setText(cylinders);
    }
    void post() const { QTest::mouseClick(button("CmdPrint"), Qt::LeftButton); }
    RecordSurface* records() const { return form()->RecordWindow()->surface(); }

private Q_SLOTS:
    void windowFollowsTheTable() {
        QCOMPARE(form()->windowTitle(), QStringLiteral(" CUBIC / CAPACITY / CALCULATION"));
        QCOMPARE(form()->size(), QSize(376, 207));
        QCOMPARE(form()->frameGeometry().topLeft(), QPoint(100, 7));
        QCOMPARE(form()->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(field("Text1")->geometry(), QRect(24, 40, 65, 24));
        QCOMPARE(button("CmdPrint")->geometry(), QRect(296, 160, 57, 33));
        QCOMPARE(control<QWidget>("Shape4")->geometry(), QRect(32, 112, 305, 33));
        QCOMPARE(form()->findChildren<forms::ShapeOutline*>().size(), 9);
        QCOMPARE(caption("Label1"), QStringLiteral(" Bore Size Here"));
        QCOMPARE(caption("Label6"), QStringLiteral("All calculations In M/M And Press tab After Each Entry"));
        QCOMPARE(control<QLabel>("Label5")->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(field("Text2")->font().pointSizeF(), 9.75);
        QCOMPARE(focused(), field("Text1"));
        QVERIFY(button("CmdPrint")->toolTip().isEmpty());
        QVERIFY(!form()->RecordWindow());
    }

    void calculate_data() {
        QTest::addColumn<QString>("bore");
        QTest::addColumn<QString>("stroke");
        QTest::addColumn<QString>("cylinders");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("all empty") << "" << "" << "" << ".00cc";
        QTest::newRow("86 86 4") << "86" << "86" << "4" << "1998.49cc";
        QTest::newRow("100 100 1") << "100" << "100" << "1" << "785.50cc";
        QTest::newRow("no digit before the point") << "5" << "5" << "1" << ".10cc";
        QTest::newRow("rounds to nothing") << "1" << "1" << "1" << ".00cc";
        QTest::newRow("seven digits") << "111" << "111" << "111" << "119244.40cc";
        QTest::newRow("unit behind") << "86mm" << "86" << "4" << "1998.49cc";
        QTest::newRow("blank inside") << "8 6" << "86" << "4" << "1998.49cc";
        QTest::newRow("comma ends") << "1,5" << "1" << "1" << ".00cc";
        QTest::newRow("letters read as 0") << "abc" << "86" << "4" << ".00cc";
        QTest::newRow("negative stroke") << "86" << "-86" << "4" << "-1998.49cc";
        QTest::newRow("half cylinders") << "86" << "86" << "2.5" << "1249.06cc";
        QTest::newRow("beyond the double range") << "1e999" << "86" << "4" << ".00cc";
        QTest::newRow("beyond the float range") << "1e30" << "1e30" << "1" << "Infinity";
        // clang-format on
    }
    void calculate() {
        QFETCH(QString, bore);
        QFETCH(QString, stroke);
        QFETCH(QString, cylinders);
        QFETCH(QString, result);
        fill(bore, stroke, cylinders);
        button("CmdClear")->setFocus();
        QTest::mouseClick(button("CmdCalculate"), Qt::LeftButton);
        QCOMPARE(caption("Label5"), result);
        QCOMPARE(caption("Label4"), QStringLiteral("Cubic capacity  ="));
        QCOMPARE(focused(), field("Text1"));
        QCOMPARE(field("Text1")->text(), bore);
    }

    void resultStaysUntilTheNextCalculate() {
        fill("86", "86", "4");
        QTest::mouseClick(button("CmdCalculate"), Qt::LeftButton);
        field("Text3")->setText(QStringLiteral("8"));
        QCOMPARE(caption("Label5"), QStringLiteral("1998.49cc"));
    }

    void clearEmptiesTheWindowButNotTheRecords() {
        fill("86", "86", "4");
        QTest::mouseClick(button("CmdCalculate"), Qt::LeftButton);
        post();
        QTest::mouseClick(button("CmdClear"), Qt::LeftButton);
        for (const char* name : {"Text1", "Text2", "Text3"}) {
            QCOMPARE(field(name)->text(), QString());
        }
        QCOMPARE(caption("Label4"), QString());
        QCOMPARE(caption("Label5"), QString());
        QTRY_COMPARE(focused(), field("Text1"));
        QCOMPARE(records()->drawingPosition().y(), records()->lineHeight());
        QCOMPARE(form()->PrintPressCount(), 1);
    }

    void tabWalksTheFieldsAndButtons() {
        const QStringList order{"Text2", "Text3", "CmdCalculate", "CmdClear", "CmdQuit", "CmdPrint", "Text1"};
        for (const QString& next : order) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), next);
        }
    }

    void enterInAFieldRunsNothing() {
        fill("86", "86", "4");
        QTest::keyClick(field("Text1"), Qt::Key_Return);
        QCOMPARE(caption("Label5"), QString());
    }

    void accessKeys() {
        fill("86", "86", "4");
        QTest::keyClick(form()->windowHandle(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(caption("Label5"), QStringLiteral("1998.49cc"));
        QTest::keyClick(form()->windowHandle(), Qt::Key_P, Qt::AltModifier);
        QVERIFY(form()->RecordWindow());
        QCOMPARE(form()->PrintPressCount(), 0); // a click from the keyboard is no press
        // The record window came to the front; the calculator's keys work when it is active again.
        form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form()));
        // What is typed right after an access key lands after its click.
        QTest::keyClick(form()->windowHandle(), Qt::Key_E, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "86");
        QCOMPARE(caption("Label5"), QString());
        QCOMPARE(field("Text1")->text(), QStringLiteral("86"));
        QTest::keyClick(form()->windowHandle(), Qt::Key_Q, Qt::AltModifier);
        QTRY_VERIFY(!form()->isVisible());
        QTRY_VERIFY(!form()->RecordWindow());
    }

    void postingBeforeCalculateLeavesTheResultColumnEmpty() {
        fill("86", "86", "4");
        post();
        QVERIFY(form()->RecordWindow()->isVisible());
        QCOMPARE(button("CmdPrint")->toolTip(), QStringLiteral("Print the above record"));
        // The line ended: the next one starts at the left edge, one line down.
        QCOMPARE(records()->drawingPosition(), QPoint(0, records()->lineHeight()));
    }

    void spaceOnThePrintButtonPostsWithoutCounting() {
        button("CmdPrint")->setFocus();
        QTest::keyClick(button("CmdPrint"), Qt::Key_Space);
        QVERIFY(form()->RecordWindow());
        QCOMPARE(form()->PrintPressCount(), 0);
        QVERIFY(!button("CmdPrint")->toolTip().isEmpty());
    }

    void otherButtonPressCountsAndLeavesTheFocus_data() {
        QTest::addColumn<int>("mouseButton");
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void otherButtonPressCountsAndLeavesTheFocus() {
        QFETCH(int, mouseButton);
        QTest::mouseClick(button("CmdPrint"), Qt::MouseButton(mouseButton));
        QCOMPARE(form()->PrintPressCount(), 1);
        QCOMPARE(button("CmdPrint")->toolTip(), QStringLiteral("Print this list"));
        QVERIFY(!form()->RecordWindow());
        QCOMPARE(focused(), field("Text1"));
        QTest::keyClicks(focused(), "7");
        QCOMPARE(field("Text1")->text(), QStringLiteral("7"));
        QTest::mouseClick(button("CmdClear"), Qt::MouseButton(mouseButton));
        QCOMPARE(focused(), field("Text1"));
    }

    void textsReadableUnderEveryScheme_data() { formstest::AddSchemeRows(); }
    void textsReadableUnderEveryScheme() {
        QFETCH(bool, dark);
        const formstest::Scheme scheme(dark);
        QVERIFY(QTest::qWaitForWindowExposed(rebuild()));
        fill(QStringLiteral("86"), QStringLiteral("86"), QStringLiteral("4"));
        QTest::mouseClick(button("CmdCalculate"), Qt::LeftButton);
        post();
        QVERIFY(QTest::qWaitForWindowExposed(form()->RecordWindow()));
        const QMap<QString, double> calculator = formstest::TextContrasts(form());
        const QMap<QString, double> menu = formstest::TextContrasts(form()->RecordWindow());
        const std::optional<double> rows =
            formstest::TextContrast(form()->RecordWindow()->grab().toImage(),
                                    records()->geometry().adjusted(0, 0, 0, -records()->height() + 40));
        QCOMPARE(formstest::Unreadable(calculator), QStringList());
        QCOMPARE(formstest::Unreadable(menu), QStringList());
        QVERIFY(calculator.contains(QStringLiteral("Label5")) &&
                calculator.contains(QStringLiteral("Label1")));
        QVERIFY(menu.contains(QStringLiteral("Mnu(6)")));
        QVERIFY(rows && *rows >= 4.5);
    }

    void theTwentySixthPressWarnsOnce() {
        formstest::MessageWatcher watcher;
        for (int press = 1; press <= 25; ++press) {
            post();
        }
        QCOMPARE(watcher.seen(), QStringList());
        QCOMPARE(form()->PrintPressCount(), 25);
        QTest::mousePress(button("CmdPrint"), Qt::LeftButton);
        QCOMPARE(watcher.seen(),
                 QStringList{"Sumbrelt|Max number of records entered for printing,To make a print "
                             "out now click file then click print."});
        QCOMPARE(watcher.buttonCounts(), QList<int>{1});
        QTest::mouseRelease(button("CmdPrint"), Qt::LeftButton);
        QVERIFY(!button("CmdPrint")->isDown());
        QCOMPARE(form()->PrintPressCount(), 26);
        post();
        post();
        QCOMPARE(form()->PrintPressCount(), 28);
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(button("CmdPrint")->toolTip(), QStringLiteral("Print the above record"));
        // Clearing the records does not bring the warning back.
        form()->RecordWindow()->MnuClear_Click();
        post();
        QCOMPARE(form()->PrintPressCount(), 29);
        QCOMPARE(watcher.seen().size(), 1);
    }

    void monkeyLeavesBothWindowsUsable() {
        suite::Monkey monkey(3, {"CmdQuit"});
        QCOMPARE(monkey.Run(3000), 3000);
        QVERIFY(form()->isVisible());
        fill("86", "86", "4");
        QTest::mouseClick(button("CmdCalculate"), Qt::LeftButton);
        QCOMPARE(caption("Label5"), QStringLiteral("1998.49cc"));
        post();
        QVERIFY(form()->RecordWindow() && form()->RecordWindow()->isVisible());
        QVERIFY(records()->drawingPosition().y() > 0);
    }

    void closingTheRecordWindowStartsAFreshOne() {
        fill("86", "86", "4");
        post();
        post();
        Form9* first = form()->RecordWindow();
        const QPoint loadPosition = first->frameGeometry().topLeft();
        first->move(loadPosition + QPoint(50, 50));
        first->close();
        QTRY_VERIFY(!form()->RecordWindow());
        post();
        QVERIFY(form()->RecordWindow());
        QCOMPARE(form()->RecordWindow()->frameGeometry().topLeft(), loadPosition);
        QCOMPARE(records()->drawingPosition().y(), records()->lineHeight());
    }

    void closeBoxClosesOnlyTheCalculator() {
        post();
        form()->close();
        QVERIFY(form()->RecordWindow()->isVisible());
    }

    void quitClosesBothWindows() {
        post();
        QTest::mouseClick(button("CmdQuit"), Qt::LeftButton);
        QVERIFY(!form()->isVisible());
        QTRY_VERIFY(!form()->RecordWindow());
    }
};

SUITE_TEST_MAIN(Form3Test, "Sumbrelt", {forms::FormsInterface, RecordListInterface})
#include "form3_test.moc"
