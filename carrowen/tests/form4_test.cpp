// SPDX-License-Identifier: GPL-3.0-or-later
#include "form4.h"

#include <forms/program.h>
#include <forms/readability.h>
#include <forms/testing.h>

#include <suite/monkey.h>
#include <suite/test_main.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kAdvice = QStringLiteral(
    "Maximum speed should be less than 4500 f/t Per minute for circuit racing, Maximum piston speed is "
    "near mid stroke,Where the crank small end is at 90 degrees to cyl bore axis.");
const QString kSpeedText = QStringLiteral("Maximum piston speed in ft per min is,");

} // namespace

class Form4Test : public formstest::FormTestOf<Form4> {
    Q_OBJECT

private:
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    void type(const char* name, const QString& text) const {
        box(name)->end(false);
        QTest::keyClicks(box(name), text);
    }

private Q_SLOTS:
    void startsEmptyWithTheFocusInTheFirstBox() {
        QCOMPARE(form()->objectName(), QStringLiteral("Form4"));
        QCOMPARE(form()->windowTitle(),
                 QStringLiteral("   ROD TO CRANK RATIO AND PISTON SPEED CALCULATIONS"));
        QVERIFY(!control<QRadioButton>("OPTROD")->isChecked());
        QVERIFY(!control<QRadioButton>("OPTPIS")->isChecked());
        for (const char* label : {"Label1", "Label2", "Label5", "Label6", "Label7", "Label8"}) {
            QCOMPARE(caption(label), QString());
        }
        QCOMPARE(caption("Label9"),
                 QStringLiteral("All Calculations In M/M Only Select Option And press Tab"));
        QCOMPARE(control<QGroupBox>("Frame1")->title(),
                 QStringLiteral("Longer Rod For BetterTop End,Best Rod Ratio Combination = 1.7 To 1.850"));
        QCOMPARE(box("Text3")->text(), QString());
        QCOMPARE(box("Text4")->text(), QString());
        QCOMPARE(focused(), box("Text3"));
    }

    void layoutHoldsAt96Dpi() {
        QCOMPARE(form()->logicalDpiX(), 96);
        QCOMPARE(form()->size(), QSize(457, 262));
        QCOMPARE(control<QGroupBox>("Frame1")->geometry(), QRect(0, 0, 713, 406));
        QCOMPARE(box("Text3")->geometry(), QRect(8, 40, 130, 25));
        QCOMPARE(control<QRadioButton>("OPTPIS")->geometry(), QRect(152, 88, 145, 27));
        QCOMPARE(control<QPushButton>("CmdQuit")->geometry(), QRect(288, 208, 73, 33));
        QCOMPARE(control<QLabel>("Label8")->geometry(), QRect(16, 148, 435, 49));
        QCOMPARE(control<QWidget>("Shape1")->geometry(), QRect(88, 200, 289, 49));
    }

    void optionsAndFirstBoxLieInFrontOfTheFrame() {
        for (const char* name : {"OPTPIS", "OPTROD", "Text3"}) {
            auto* w = control<QWidget>(name);
            QCOMPARE(w->parentWidget(), form());
            QCOMPARE(form()->childAt(w->geometry().center()), w);
        }
        QCOMPARE(control<QWidget>("Text4")->parentWidget(), control<QWidget>("Frame1"));
    }

    void fontsAndColoursFollowTheTable() {
        const QFont boxFont = box("Text4")->font();
        QCOMPARE(boxFont.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(boxFont.pointSizeF(), 10.5);
        QVERIFY(boxFont.bold());
        QCOMPARE(control<QLabel>("Label7")->font().family(), QStringLiteral("Arial"));
        QCOMPARE(control<QPushButton>("Cmdclear")->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(control<QPushButton>("Cmdclear")->font().pointSizeF(), 8.25);
        const QColor grey(192, 192, 192);
        for (const char* name : {"Frame1", "Label1", "Label7", "Label8", "Label9"}) {
            QCOMPARE(control<QWidget>(name)->palette().color(QPalette::Window), grey);
        }
        QVERIFY(control<QLabel>("Label7")->alignment() & Qt::AlignHCenter);
        QVERIFY(control<QLabel>("Label8")->wordWrap());
    }

    void everyGreySurfaceIsTheGrey() {
        const QImage image = form()->grab().toImage();
        // An empty label, and the frame's ground between the boxes and the buttons.
        for (const QRect& area : {control<QLabel>("Label8")->geometry(), QRect(20, 205, 60, 30)}) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    QCOMPARE(image.pixelColor(x, y), QColor(192, 192, 192));
                }
            }
        }
    }

    void frameOutlineRunsThroughItsCaption() {
        const QImage image = form()->grab().toImage();
        const int middle = QFontMetrics(control<QGroupBox>("Frame1")->font()).height() / 2;
        QCOMPARE(image.pixelColor(form()->width() - 3, middle), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(form()->width() - 3, middle + 1), QColor(Qt::white));
    }

    void textsReadableUnderEveryScheme_data() { formstest::AddSchemeRows(); }
    void textsReadableUnderEveryScheme() {
        QFETCH(bool, dark);
        const formstest::Scheme scheme(dark);
        QVERIFY(QTest::qWaitForWindowExposed(rebuild()));
        select("OPTPIS");
        type("Text3", "7000");
        type("Text4", "86");
        click("Cmdcalculate");
        box("Text3")->setFocus();
        QMap<QString, double> contrasts = formstest::TextContrasts(form());
        select("OPTROD");
        contrasts.insert(formstest::TextContrasts(form()));
        QCOMPARE(formstest::Unreadable(contrasts), QStringList());
        for (const char* text : {"Label1", "Label5", "Label7", "Label8", "Label9", "OPTPIS", "Frame1"}) {
            QVERIFY2(contrasts.contains(QString::fromLatin1(text)), text);
        }
    }

    void choosingAnOptionLeavesTheFocusInTheFirstBox_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("click") << "click";
        QTest::newRow("space") << "space";
        QTest::newRow("arrow key") << "arrow";
    }
    void choosingAnOptionLeavesTheFocusInTheFirstBox() {
        QFETCH(QString, way);
        // Tab from the second box into the option group, as the instruction in Label9 says.
        box("Text4")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), QStringLiteral("OPTROD"));
        if (way == QLatin1String("click")) {
            select("OPTPIS");
        } else if (way == QLatin1String("space")) {
            QTest::keyClick(focused(), Qt::Key_Space);
            QVERIFY(control<QRadioButton>("OPTROD")->isChecked());
        } else {
            QTest::keyClick(focused(), Qt::Key_Down);
            QVERIFY(control<QRadioButton>("OPTPIS")->isChecked());
        }
        QCOMPARE(focused(), box("Text3"));
        QTest::keyClicks(focused(), "7000");
        QVERIFY(box("Text3")->text().contains(QStringLiteral("7000")));
    }

    void calculateWithNoOptionChangesNothing() {
        type("Text3", "135");
        type("Text4", "80");
        click("Cmdcalculate");
        QCOMPARE(caption("Label7"), QString());
        QCOMPARE(caption("Label8"), QString());
        QCOMPARE(box("Text3")->text(), QStringLiteral("135"));
    }

    void rodRatioModeWritesPromptsAndBlanksBoxes() {
        type("Text3", "7000");
        select("OPTROD");
        QVERIFY(control<QRadioButton>("OPTROD")->isChecked());
        QCOMPARE(caption("Label1"), QStringLiteral("Enter Rod Length"));
        QCOMPARE(caption("Label2"), QStringLiteral("Enter Crank Stroke"));
        QCOMPARE(caption("Label5"), QStringLiteral(" "));
        QCOMPARE(caption("Label6"), QStringLiteral(" "));
        QCOMPARE(box("Text3")->text(), QStringLiteral(" "));
        QCOMPARE(box("Text4")->text(), QStringLiteral(" "));
        QCOMPARE(focused(), box("Text3"));
    }

    void pistonSpeedModeWritesPromptsAndKeepsBoxes() {
        type("Text3", "7000");
        type("Text4", "86");
        select("OPTPIS");
        QCOMPARE(caption("Label1"), QStringLiteral(" "));
        QCOMPARE(caption("Label2"), QStringLiteral(" "));
        QCOMPARE(caption("Label5"), QStringLiteral("Enter Max Revs"));
        QCOMPARE(caption("Label6"), QStringLiteral(" Enter Stroke Length"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("7000"));
        QCOMPARE(box("Text4")->text(), QStringLiteral("86"));
        QCOMPARE(focused(), box("Text3"));
    }

    void rodRatio_data() {
        QTest::addColumn<QString>("rod");
        QTest::addColumn<QString>("stroke");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("135 over 80") << "135" << "80" << "1.69 to 1";
        QTest::newRow("143 over 86") << "143" << "86" << "1.66 to 1";
        QTest::newRow("no digit before the point") << "40" << "80" << ".50 to 1";
        QTest::newRow("unit behind and blank inside") << "13 5mm" << "80" << "1.69 to 1";
        QTest::newRow("empty stroke") << "135" << "" << "Infinity";
        QTest::newRow("both empty") << "" << "" << "Not a number";
        QTest::newRow("letters for a stroke") << "135" << "abc" << "Infinity";
        QTest::newRow("rod beyond the double range") << "1e999" << "80" << ".00 to 1";
        QTest::newRow("quotient beyond the float range") << "1e300" << "1e-300" << "Infinity";
        // clang-format on
    }
    void rodRatio() {
        QFETCH(QString, rod);
        QFETCH(QString, stroke);
        QFETCH(QString, result);
        select("OPTROD");
        type("Text3", rod);
        type("Text4", stroke);
        control<QLabel>("Label8")->setText(QStringLiteral("untouched"));
        click("Cmdcalculate");
        QCOMPARE(caption("Label7"), result);
        QCOMPARE(caption("Label8"), QStringLiteral("untouched"));
    }

    void pistonSpeed_data() {
        QTest::addColumn<QString>("revs");
        QTest::addColumn<QString>("stroke");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("7000 revs, 86 mm") << "7000" << "86" << " 3772.166";
        QTest::newRow("no revs") << "0" << "86" << " 0";
        QTest::newRow("empty boxes") << "" << "" << " 0";
        QTest::newRow("comma ends the number") << "7000" << "86,5" << " 3772.166";
        QTest::newRow("revs beyond the double range") << "1e999" << "86" << " 0";
        QTest::newRow("speed beyond the float range") << "1e30" << "1e30" << " Infinity";
        // clang-format on
    }
    void pistonSpeed() {
        QFETCH(QString, revs);
        QFETCH(QString, stroke);
        QFETCH(QString, result);
        select("OPTPIS");
        type("Text3", revs);
        type("Text4", stroke);
        click("Cmdcalculate");
        QCOMPARE(caption("Label7"), kSpeedText + result);
        QCOMPARE(caption("Label8"), kAdvice);
    }

    void switchingToRodRatioBlanksBoxesButKeepsResults() {
        select("OPTPIS");
        type("Text3", "7000");
        type("Text4", "86");
        click("Cmdcalculate");
        select("OPTROD");
        QCOMPARE(box("Text3")->text(), QStringLiteral(" "));
        QCOMPARE(caption("Label7"), kSpeedText + " 3772.166");
        QCOMPARE(caption("Label8"), kAdvice);
        type("Text3", "135");
        type("Text4", "80");
        click("Cmdcalculate");
        QCOMPARE(caption("Label7"), QStringLiteral("1.69 to 1"));
        QCOMPARE(caption("Label8"), kAdvice);
    }

    void clearWritesOneSpaceAndKeepsTheMode() {
        select("OPTPIS");
        type("Text3", "7000");
        type("Text4", "86");
        click("Cmdcalculate");
        click("Cmdclear");
        for (const char* name : {"Text3", "Text4"}) {
            QCOMPARE(box(name)->text(), QStringLiteral(" "));
        }
        QCOMPARE(caption("Label7"), QStringLiteral(" "));
        QCOMPARE(caption("Label8"), QStringLiteral(" "));
        QCOMPARE(caption("Label5"), QStringLiteral("Enter Max Revs"));
        QVERIFY(control<QRadioButton>("OPTPIS")->isChecked());
        QCOMPARE(focused(), box("Text3"));
        // Numbers typed around the space still read.
        box("Text3")->home(false);
        QTest::keyClicks(box("Text3"), "7000");
        type("Text4", "86");
        click("Cmdcalculate");
        QCOMPARE(caption("Label7"), kSpeedText + " 3772.166");
    }

    void accessKeysPressTheButtons() {
        select("OPTROD");
        type("Text3", "135");
        type("Text4", "80");
        // An access key clicks at once: what is typed right after it lands after the click.
        QTest::keyClick(form()->windowHandle(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(caption("Label7"), QStringLiteral("1.69 to 1"));
        QTest::keyClick(form()->windowHandle(), Qt::Key_L, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "86");
        QCOMPARE(caption("Label7"), QStringLiteral(" "));
        QCOMPARE(box("Text3")->text(), QStringLiteral(" 86"));
        QTest::keyClick(form()->windowHandle(), Qt::Key_Q, Qt::AltModifier);
        QVERIFY(!form()->isVisible());
    }

    void enterInABoxPressesNothing() {
        select("OPTROD");
        type("Text3", "135");
        type("Text4", "80");
        QTest::keyClick(box("Text4"), Qt::Key_Return);
        QTest::keyClick(box("Text4"), Qt::Key_Enter);
        QCOMPARE(caption("Label7"), QString());
        QVERIFY(form()->isVisible());
    }

    void enterOnAFocusedButtonPressesIt() {
        select("OPTROD");
        type("Text3", "135");
        type("Text4", "80");
        control<QPushButton>("Cmdcalculate")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(caption("Label7"), QStringLiteral("1.69 to 1"));
    }

    void tabWalksTheFocusOrder() {
        const QList<QWidget*> order{box("Text3"),
                                    box("Text4"),
                                    control<QRadioButton>("OPTROD"),
                                    control<QPushButton>("Cmdcalculate"),
                                    control<QPushButton>("Cmdclear"),
                                    control<QPushButton>("CmdQuit"),
                                    box("Text3")};
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), order[i]->objectName());
        }
    }

    void tabEntersTheOptionGroupAtTheSelectedOption() {
        select("OPTPIS");
        box("Text4")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), QStringLiteral("OPTPIS"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused()->objectName(), QStringLiteral("Cmdcalculate"));
        QTest::keyClick(focused(), Qt::Key_Backtab);
        QCOMPARE(focused()->objectName(), QStringLiteral("OPTPIS"));
    }

    void monkeyLeavesTheWindowUsable() {
        suite::Monkey monkey(4, {"CmdQuit"});
        QCOMPARE(monkey.Run(3000), 3000);
        QVERIFY(form()->isVisible());
        select("OPTROD");
        box("Text3")->setText(QStringLiteral("135"));
        box("Text4")->setText(QStringLiteral("80"));
        click("Cmdcalculate");
        QCOMPARE(caption("Label7"), QStringLiteral("1.69 to 1"));
    }

    void quitClosesTheWindow() {
        click("CmdQuit");
        QVERIFY(!form()->isVisible());
    }

    void aMegabyteInABoxIsRead() {
        select("OPTROD");
        box("Text3")->setText(QString(1 << 20, QLatin1Char('9')));
        box("Text4")->setText(QStringLiteral("\x01\x02 80 \xff"));
        click("Cmdcalculate");
        QCOMPARE(caption("Label7"), QStringLiteral(".00 to 1"));
        QCOMPARE(box("Text3")->text().size(), 1 << 20);
    }
};

SUITE_TEST_MAIN(Form4Test, "Carrowen", {forms::FormsInterface})
#include "form4_test.moc"
