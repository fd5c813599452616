// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include <forms/program.h>
#include <forms/readability.h>
#include <forms/testing.h>

#include <suite/monkey.h>
#include <suite/test_main.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Runs once in an English and once in a German locale; each case names the locale it is for.
class Form1Test : public formstest::FormTestOf<Form1> {
    Q_OBJECT

private:
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    void enter(const QString& text) const {
        box("Text1")->selectAll();
        QTest::keyClicks(box("Text1"), text);
    }
    void pick(const char* list, const char* unit) const {
        control<QComboBox>(list)->setCurrentText(QString::fromLatin1(unit));
    }
    void calculate() const { click("Command1"); }
    static bool German() { return QLocale::system().decimalPoint() == QLatin1String(","); }

    // Calculates, expecting the error message; returns what it said once its OK was pressed.
    QString calculateExpectingMessage() {
        formstest::MessageWatcher watcher;
        calculate();
        if (watcher.seen().size() != 1 || watcher.buttonCounts().first() != 1) {
            return QStringLiteral("(not one message with one button)");
        }
        return watcher.seen().first();
    }

private Q_SLOTS:
    void startsWithZerosAndAtmospheres() {
        QCOMPARE(form()->windowTitle(), QStringLiteral("Pressure Converter"));
        QCOMPARE(form()->size(), QSize(394, 122));
        QVERIFY(form()->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(form()->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("From"));
        QCOMPARE(control<QGroupBox>("Frame2")->title(), QStringLiteral("To"));
        QCOMPARE(box("Text2")->geometry(), QRect(8, 16, 169, 19));
        for (const char* list : {"Combo1", "Combo2"}) {
            auto* combo = control<QComboBox>(list);
            QCOMPARE(combo->count(), 11);
            QCOMPARE(combo->currentText(), QStringLiteral("Atmospheres"));
            QCOMPARE(combo->itemText(8), QStringLiteral("Pascels"));
            QCOMPARE(combo->itemText(10), QStringLiteral("Torrs"));
            QVERIFY(!combo->isEditable());
        }
        QCOMPARE(box("Text1")->text(), QStringLiteral("0"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), box("Text1"));
        calculate();
        QCOMPARE(box("Text2")->text(), QStringLiteral("0"));
    }

    void iconHoldsBothSizes() {
        const QIcon icon = form()->windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        QCOMPARE(image.pixelColor(16, 26), QColor(Qt::white)); // the face below the hub
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);           // transparent outside the dial
    }

    void converts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("result");
        // Each row is for one locale; the run in the other locale leaves it out.
        const auto row = [](bool german, const char* name, const char* text, const char* from, const char* to,
                            const char* result) {
            if (german == German()) {
                QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(from)
                                    << QString::fromUtf8(to) << QString::fromUtf8(result);
            }
        };
        row(false, "1 atmosphere in PSI", "1", "Atmospheres", "PSI", "14.696");
        row(false, "14.7 PSI in atmospheres", "14.7", "PSI", "Atmospheres", "1.000335");
        row(false, "3 atmospheres in bars", "3", "Atmospheres", "Bars", "3.03885");
        row(false, "2 bars in pascels", "2", "Bars", "Pascels", "200000");
        row(false, "100 dynes in mbars", "100", "Dynes/cm2", "mBars", "0.1");
        row(false, "negative", "-2", "Bars", "Kg/cm2", "-2.04");
        row(false, "same unit reformats", "1.50", "Torrs", "Torrs", "1.5");
        row(false, "grouped", "1,000,000,000", "Atmospheres", "Dynes/cm2", "1.01295E+15");
        row(false, "blanks around", " 1 ", "Atmospheres", "PSI", "14.696");
        row(true, "German comma", "1,5", "Bars", "Bars", "1,5");
        row(true, "German product", "14,7", "PSI", "Atmospheres", "1,000335");
        row(true, "German grouped", "1.000", "Bars", "mBars", "1000000");
    }
    void converts() {
        QFETCH(QString, text);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, result);
        enter(text);
        pick("Combo1", from.toLatin1().constData());
        pick("Combo2", to.toLatin1().constData());
        calculate();
        QCOMPARE(box("Text2")->text(), result);
        QCOMPARE(box("Text1")->text(), text);
    }

    void enterAnywhereCalculates() {
        enter(German() ? QStringLiteral("1,5") : QStringLiteral("1.5"));
        pick("Combo2", "PSI");
        QTest::keyClick(box("Text1"), Qt::Key_Return);
        const QString expected = German() ? QStringLiteral("22,044") : QStringLiteral("22.044");
        QCOMPARE(box("Text2")->text(), expected);
        box("Text2")->clear();
        control<QComboBox>("Combo2")->setFocus();
        QTest::keyClick(control<QComboBox>("Combo2"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(box("Text2")->text(), expected);
    }

    void pickingAUnitDoesNotRecalculate() {
        enter(QStringLiteral("1"));
        pick("Combo2", "PSI");
        calculate();
        pick("Combo2", "Bars");
        QCOMPARE(box("Text2")->text(), German() ? QStringLiteral("14,696") : QStringLiteral("14.696"));
    }

    // Calculate shows as the default button wherever the focus is, also after passing through it.
    void focusOrderKeepsTheDefaultButton() {
        const QStringList order{"Text2", "Command1", "Combo1", "Combo2", "Text1", "Text2"};
        for (const QString& next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
            QVERIFY(control<QPushButton>("Command1")->isDefault());
        }
    }

    // The outline's top edge runs through the middle of the caption, above the boxes it holds.
    void framesHoldTheirBoxes() {
        const QImage image = form()->grab().toImage();
        for (const char* name : {"Frame1", "Frame2"}) {
            auto* frame = control<QGroupBox>(name);
            const int edge = frame->y() + QFontMetrics(frame->font()).height() / 2;
            QCOMPARE(image.pixel(frame->geometry().right() - 3, edge),
                     frame->palette().color(QPalette::Dark).rgb());
            for (QWidget* inside : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY(inside->y() > edge - frame->y() + 1);
            }
        }
    }

    void textsReadableUnderEveryScheme_data() { formstest::AddSchemeRows(); }
    void textsReadableUnderEveryScheme() {
        QFETCH(bool, dark);
        const formstest::Scheme scheme(dark);
        QVERIFY(QTest::qWaitForWindowExposed(rebuild()));
        enter(QStringLiteral("1"));
        calculate();
        box("Text1")->setFocus();
        const QMap<QString, double> contrasts = formstest::TextContrasts(form());
        QCOMPARE(formstest::Unreadable(contrasts), QStringList());
        QCOMPARE(contrasts.keys(),
                 (QStringList{"Combo1", "Combo2", "Command1", "Frame1", "Frame2", "Text1", "Text2"}));
    }

    void monkeyLeavesTheWindowUsable() {
        suite::Monkey monkey(1, {});
        QCOMPARE(monkey.Run(3000), 3000);
        QVERIFY(form()->isVisible());
        box("Text1")->setText(QStringLiteral("2"));
        pick("Combo1", "Bars");
        pick("Combo2", "Pascels");
        calculate();
        QCOMPARE(box("Text2")->text(), QStringLiteral("200000"));
    }

    // The program goes on after the message, so that the user can correct the text.
    void notANumberIsReportedAndCanBeCorrected_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("empty") << "" << "Type mismatch (error 13)";
        QTest::newRow("blanks") << "   " << "Type mismatch (error 13)";
        QTest::newRow("unit behind") << "14psi" << "Type mismatch (error 13)";
        QTest::newRow("letters") << "abc" << "Type mismatch (error 13)";
        QTest::newRow("overflow") << "1E999" << "Overflow (error 6)";
        // clang-format on
    }
    void notANumberIsReportedAndCanBeCorrected() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        enter(QStringLiteral("2"));
        pick("Combo2", "Bars");
        calculate();
        const QString before = box("Text2")->text();
        box("Text1")->setText(text);
        control<QPushButton>("Command1")->setFocus();
        QCOMPARE(calculateExpectingMessage(), QStringLiteral("pressure|") + message);
        QVERIFY(form()->isVisible());
        QCOMPARE(box("Text2")->text(), before);
        QCOMPARE(box("Text1")->text(), text);
        QTRY_COMPARE(QApplication::focusWidget(), box("Text1"));
        box("Text1")->setText(QStringLiteral("1"));
        calculate();
        QCOMPARE(box("Text2")->text(), German() ? QStringLiteral("1,01295") : QStringLiteral("1.01295"));
    }
};

SUITE_TEST_MAIN(Form1Test, "pressure", {forms::FormsInterface})
#include "form1_test.moc"
