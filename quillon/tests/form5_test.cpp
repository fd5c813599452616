// SPDX-License-Identifier: GPL-3.0-or-later
#include "form5.h"

#include <forms/program.h>
#include <forms/readability.h>
#include <forms/testing.h>

#include <suite/monkey.h>
#include <suite/test_main.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kPrimaryCaption = QStringLiteral(" At (X)RPM, Primary Lengths = ");
const QString kPrimaryAdvice = QStringLiteral(
    "For Best Acceleration Calculate Primary Lengths To Where Max Torque Is.And For Top End Power Calculate "
    "At Max R/P/M.");
const QString kInletCaption = QStringLiteral(" At(X)RPM,Inlet Length = ");
const QString kInletAdvice = QStringLiteral(
    " Inlet Lengths Should Be Calculated At Best Torque RPM For Low Down Power And Acceleration.");

} // namespace

class Form5Test : public formstest::FormTestOf<Form5> {
    Q_OBJECT

private:
    QLineEdit* box() const { return control<QLineEdit>("Text1"); }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QLocale::system().groupSeparator(), QStringLiteral(",")); }

    void startsEmptyWithNoOption() {
        QCOMPARE(form()->objectName(), QStringLiteral("Form5"));
        QCOMPARE(form()->windowTitle(), QStringLiteral("TO CALCULATE YOUR INLET AND EXHAUSTS LENGHTS"));
        QCOMPARE(form()->size(), QSize(384, 287));
        QCOMPARE(form()->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(box()->geometry(), QRect(120, 48, 121, 25));
        QCOMPARE(box()->font().pointSizeF(), 9.75);
        QCOMPARE(control<QRadioButton>("Option2")->geometry(), QRect(40, 88, 305, 29));
        QVERIFY(!control<QRadioButton>("Option1")->isChecked());
        QVERIFY(!control<QRadioButton>("Option2")->isChecked());
        for (const char* label : {"Label3", "Label4", "Label5"}) {
            QCOMPARE(caption(label), QString());
        }
        QCOMPARE(caption("Label2"), QStringLiteral("Enter R/P/M Here"));
        QCOMPARE(caption("Label1"), QStringLiteral("First Choose An Option You want To calculate"));
        QCOMPARE(control<QPushButton>("Command1")->text(), QStringLiteral("C&alculate"));
        QCOMPARE(focused(), box());
        QVERIFY(!(form()->windowFlags() & Qt::WindowMinimizeButtonHint));
    }

    void calculateWithNoOptionChangesNothing() {
        QTest::keyClicks(box(), "6000");
        click("Command1");
        QCOMPARE(caption("Label3"), QString());
        QCOMPARE(caption("Label4"), QString());
    }

    void primaryLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("6000") << "6000" << "34.ins";
        QTest::newRow("halves away from zero") << "16320" << "13.ins";
        QTest::newRow("unit behind") << "6000rpm" << "34.ins";
        QTest::newRow("comma ends the number") << "6,000" << "34000.ins";
        QTest::newRow("empty box") << "" << "Infinity";
        QTest::newRow("letters") << "abc" << "Infinity";
        QTest::newRow("zero") << "0" << "Infinity";
        QTest::newRow("negative zero is zero") << "-0" << "Infinity";
        QTest::newRow("beyond the double range") << "1e999" << ".ins";
        QTest::newRow("very fast") << "500000" << ".ins";
        // clang-format on
    }
    void primaryLength() {
        QFETCH(QString, text);
        QFETCH(QString, value);
        select("Option1");
        QTest::keyClicks(box(), text);
        // Enter on the option clicks the default button without moving the focus.
        control<QRadioButton>("Option1")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(caption("Label3"), value);
        QCOMPARE(caption("Label4"), kPrimaryCaption);
        QCOMPARE(caption("Label5"), kPrimaryAdvice);
        // The primary path leaves the focus where it was.
        QCOMPARE(focused()->objectName(), QStringLiteral("Option1"));
    }

    void inletLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("6000") << "6000" << "16. ins";
        QTest::newRow("halves away from zero") << "7480" << "13. ins";
        QTest::newRow("grouped") << "6,000" << "16. ins";
        QTest::newRow("blanks around") << "  6000 " << "16. ins";
        QTest::newRow("unit behind") << "6000rpm" << ". ins";
        QTest::newRow("empty box") << "" << ". ins";
        QTest::newRow("letters") << "abc" << ". ins";
        QTest::newRow("zero") << "0" << "Infinity";
        QTest::newRow("beyond the double range") << "1e999" << ". ins";
        // clang-format on
    }
    void inletLength() {
        QFETCH(QString, text);
        QFETCH(QString, value);
        select("Option2");
        QTest::keyClicks(box(), text);
        control<QRadioButton>("Option2")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(caption("Label3"), value);
        QCOMPARE(caption("Label4"), kInletCaption);
        QCOMPARE(caption("Label5"), kInletAdvice);
        QCOMPARE(focused(), box());
    }

    void optionsGiveTheBoxTheFocusAndKeepResults() {
        select("Option1");
        QTest::keyClicks(box(), "6000");
        click("Command1");
        control<QPushButton>("Command3")->setFocus();
        select("Option2");
        QCOMPARE(focused(), box());
        QCOMPARE(caption("Label3"), QStringLiteral("34.ins"));
        QCOMPARE(caption("Label4"), kPrimaryCaption);
        QCOMPARE(caption("Label5"), kPrimaryAdvice);
        QCOMPARE(box()->text(), QStringLiteral("6000"));
    }

    void clearEmptiesTheBoxAndLabels() {
        select("Option2");
        QTest::keyClicks(box(), "6000");
        click("Command1");
        click("Command2");
        QCOMPARE(box()->text(), QString());
        for (const char* label : {"Label3", "Label4", "Label5"}) {
            QCOMPARE(caption(label), QString());
        }
        QCOMPARE(focused(), box());
        QVERIFY(control<QRadioButton>("Option2")->isChecked());
        click("Command1");
        QCOMPARE(caption("Label3"), QStringLiteral(". ins"));
        select("Option1");
        click("Command1");
        QCOMPARE(caption("Label3"), QStringLiteral("Infinity"));
    }

    void enterInTheBoxCalculates() {
        select("Option1");
        QTest::keyClicks(box(), "6000");
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(caption("Label3"), QStringLiteral("34.ins"));
        select("Option2");
        QTest::keyClick(control<QRadioButton>("Option2"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(caption("Label3"), QStringLiteral("16. ins"));
    }

    void enterOnClearClears() {
        select("Option1");
        QTest::keyClicks(box(), "6000");
        control<QPushButton>("Command2")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(caption("Label3"), QString());
        QCOMPARE(box()->text(), QString());
    }

    void choosingAnOptionLeavesTheFocusInTheBox_data() {
        QTest::addColumn<int>("key"); // 0: a left click
        QTest::addColumn<QString>("selected");
        QTest::newRow("click") << 0 << "Option2";
        QTest::newRow("space") << int(Qt::Key_Space) << "Option1";
        QTest::newRow("down to the next in tab order") << int(Qt::Key_Down) << "Option2";
        QTest::newRow("up, round to the last") << int(Qt::Key_Up) << "Option2";
    }
    void choosingAnOptionLeavesTheFocusInTheBox() {
        QFETCH(int, key);
        QFETCH(QString, selected);
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), QStringLiteral("Option1"));
        if (key == 0) {
            select("Option2");
        } else {
            QTest::keyClick(focused(), Qt::Key(key));
        }
        QVERIFY(control<QRadioButton>(selected.toLatin1().constData())->isChecked());
        QCOMPARE(focused(), box());
        QTest::keyClicks(focused(), "6000");
        QCOMPARE(box()->text(), QStringLiteral("6000"));
    }

    void defaultButtonLooksItUnlessAnotherButtonHasTheFocus() {
        auto* calculate = control<QPushButton>("Command1");
        const QStringList walk{"Option1", "Command1", "Command2", "Command3", "Text1"};
        const QList<bool> looksDefault{true, true, false, false, true};
        for (qsizetype i = 0; i < walk.size(); ++i) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), walk[i]);
            QCOMPARE(calculate->isDefault(), looksDefault[i]);
        }
    }

    void outlineIsDrawnOverTheLabelItSurrounds() {
        const QImage image = form()->grab().toImage();
        const QRect shape = control<QWidget>("Shape2")->geometry();
        QVERIFY(control<QLabel>("Label2")->geometry().contains(shape.center().x(), shape.top()));
        QCOMPARE(image.pixelColor(shape.center().x(), shape.top()), QColor(Qt::black));
    }

    void textsReadableUnderEveryScheme_data() { formstest::AddSchemeRows(); }
    void textsReadableUnderEveryScheme() {
        QFETCH(bool, dark);
        const formstest::Scheme scheme(dark);
        QVERIFY(QTest::qWaitForWindowExposed(rebuild()));
        select("Option1");
        QTest::keyClicks(box(), "6000");
        click("Command1");
        box()->setFocus();
        const QMap<QString, double> contrasts = formstest::TextContrasts(form());
        QCOMPARE(formstest::Unreadable(contrasts), QStringList());
        for (const char* text :
             {"Label1", "Label2", "Label3", "Label4", "Label5", "Option1", "Option2", "Command1"}) {
            QVERIFY2(contrasts.contains(QString::fromLatin1(text)), text);
        }
    }

    void tabWalksTheFocusOrder() {
        const QStringList order{"Option1", "Command1", "Command2", "Command3", "Text1"};
        for (const QString& next : order) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), next);
        }
    }

    void accessKeysPressTheButtons() {
        select("Option1");
        QTest::keyClicks(box(), "6000");
        QTest::keyClick(form()->windowHandle(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(caption("Label3"), QStringLiteral("34.ins"));
        // What is typed right after an access key lands after its click.
        QTest::keyClick(form()->windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "6000");
        QCOMPARE(caption("Label3"), QString());
        QCOMPARE(box()->text(), QStringLiteral("6000"));
        QTest::keyClick(form()->windowHandle(), Qt::Key_Q, Qt::AltModifier);
        QVERIFY(!form()->isVisible());
    }

    void monkeyLeavesTheWindowUsable() {
        suite::Monkey monkey(5, {"Command3"});
        QCOMPARE(monkey.Run(3000), 3000);
        QVERIFY(form()->isVisible());
        control<QRadioButton>("Option1")->setChecked(true);
        box()->setText(QStringLiteral("6000"));
        click("Command1");
        QCOMPARE(caption("Label3"), QStringLiteral("34.ins"));
    }

    void escapeDoesNotCloseTheWindow() {
        QTest::keyClick(box(), Qt::Key_Escape);
        QVERIFY(form()->isVisible());
    }
};

SUITE_TEST_MAIN(Form5Test, "Quillon", {forms::FormsInterface})
#include "form5_test.moc"
