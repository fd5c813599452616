// SPDX-License-Identifier: GPL-3.0-or-later
#include <forms/box_numbers.h>
#include <forms/default_button.h>
#include <forms/form_builder.h>
#include <forms/message_box.h>
#include <forms/placement.h>
#include <forms/program.h>
#include <forms/testing.h>
#include <forms/twips.h>
#include <forms/window_kind.h>

#include <suite/test_main.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

class FormsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twipsBecomePixelsAtTheScreenDpi_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one inch") << 1440 << 96;
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("rounds down below a half") << 7 << 0;
        QTest::newRow("rounds a half up") << 8 << 1;
        QTest::newRow("form width") << 6855 << 457;
        QTest::newRow("negative") << -150 << -10;
    }
    void twipsBecomePixelsAtTheScreenDpi() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0);
        QCOMPARE(forms::TwipsToPixelsX(twips), pixels);
        QCOMPARE(forms::TwipsToPixelsY(twips), pixels);
    }

    void rowsSetNameGeometryFontAndAccessibleName() {
        QWidget form;
        forms::FormBuilder build(&form);
        QPushButton* button = build.button(
            &form, {"Cmd", "C&lear", {150, 300, 1095, 495}, 0, forms::Font{"Arial", 8.25, true}});
        QCOMPARE(button->objectName(), QStringLiteral("Cmd"));
        QCOMPARE(button->geometry(), QRect(10, 20, 73, 33));
        QCOMPARE(button->font().family(), QStringLiteral("Arial"));
        QVERIFY(button->font().bold());
        QCOMPARE(button->accessibleName(), QStringLiteral("Clear"));
        QLabel* label = build.label(&form, {"Label1", "<b>x</b>", {0, 0, 150, 150}});
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->font(), form.font());
    }

    void tabOrderFollowsTheTabIndexes() {
        QWidget form;
        forms::FormBuilder build(&form);
        QLineEdit* third = build.textBox(&form, {"Third", "", {0, 0, 600, 300}, 7});
        QLineEdit* first = build.textBox(&form, {"First", "", {0, 300, 600, 300}, 1});
        build.label(&form, {"Label", "", {0, 600, 600, 300}, 2});
        QLineEdit* second = build.textBox(&form, {"Second", "", {0, 900, 600, 300}, 3});
        build.finish();
        auto nextStop = [](QWidget* w) {
            do {
                w = w->nextInFocusChain();
            } while (w->focusPolicy() == Qt::NoFocus);
            return w;
        };
        QCOMPARE(nextStop(first), second);
        QCOMPARE(nextStop(second), third);
        QCOMPARE(nextStop(third), first);
    }

    void enterPressesTheFocusedButtonElseTheDefault_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("withDefault");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("box, no default") << "Box" << false << "";
        QTest::newRow("box, default") << "Box" << true << "Default";
        QTest::newRow("other button, default") << "Other" << true << "Other";
        QTest::newRow("other button, no default") << "Other" << false << "Other";
    }
    void enterPressesTheFocusedButtonElseTheDefault() {
        QFETCH(QString, focus);
        QFETCH(bool, withDefault);
        QFETCH(QString, pressed);
        QWidget form;
        forms::FormBuilder build(&form);
        build.textBox(&form, {"Box", "", {0, 0, 900, 300}, 0});
        QPushButton* byDefault = build.button(&form, {"Default", "Go", {0, 300, 900, 300}, 1});
        QPushButton* other = build.button(&form, {"Other", "Other", {0, 600, 900, 300}, 2});
        if (withDefault) {
            forms::SetDefaultButton(&form, byDefault);
        }
        QString clicked;
        connect(byDefault, &QPushButton::clicked, &form,
                [&clicked] { clicked += QStringLiteral("Default"); });
        connect(other, &QPushButton::clicked, &form, [&clicked] { clicked += QStringLiteral("Other"); });
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* target = form.findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(clicked, pressed);
    }

    void fixedWindowHasAnExactClientArea() {
        QWidget window;
        forms::SetUpWindow(&window, "Form9", QStringLiteral("Title"),
                           {forms::Border::FixedSingle, true, false}, 5910, 1830);
        QCOMPARE(window.objectName(), QStringLiteral("Form9"));
        QCOMPARE(window.size(), QSize(394, 122));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void placementUsesTheOuterRectangle() {
        QWidget window;
        window.resize(200, 100);
        forms::PlaceOuterAt(&window, 1500, 100);
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(100, 7));
        forms::CentreOnScreen(&window);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window.frameGeometry().center().x(), screen.center().x());
    }

    // Whatever number a locale writes reads back as that number, with any Unicode blanks around
    // it; a number no locale could have written (1, then a group separator, then 5) does not.
    void everyLocaleReadsWhatItWrites() {
        const QList<double> values{0,
                                   1,
                                   -1,
                                   0.5,
                                   -0.25,
                                   6000,
                                   14.696,
                                   -2.04,
                                   1234567.5,
                                   -98765.4321,
                                   1e-7,
                                   3.141592653589793,
                                   123456789012.25,
                                   1.5e20,
                                   -2.5e-12,
                                   1.7976931348623157e308};
        const QStringList blanks{" ", "\t", QString(QChar(0xa0)), QString(QChar(0x202f)),
                                 QString(QChar(0x3000))};
        const QList<QLocale> locales =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 300);
        QStringList wrong;
        int n = 0;
        for (const QLocale& locale : locales) {
            const numtext::Notation notation = forms::NotationOf(locale);
            for (double value : values) {
                for (char format : {'f', 'g'}) {
                    const QString blank = blanks[n++ % blanks.size()];
                    const QString text =
                        blank + locale.toString(value, format, QLocale::FloatingPointShortest) + blank;
                    const numtext::StrictReading read =
                        numtext::ReadLocaleNumber(text.toStdString(), notation);
                    if (!read.ok() || read.value != value) {
                        wrong << locale.name() + QStringLiteral(": ") + text;
                    }
                }
            }
            const QString unwritten = QStringLiteral("1") + locale.groupSeparator() + QStringLiteral("5");
            if (!locale.groupSeparator().isEmpty() &&
                numtext::ReadLocaleNumber(unwritten.toStdString(), notation).ok()) {
                wrong << locale.name() + QStringLiteral(" reads ") + unwritten;
            }
        }
        QVERIFY2(
            wrong.isEmpty(),
            qPrintable(
                QStringLiteral("%1 texts, such as: %2").arg(wrong.size()).arg(wrong.mid(0, 8).join(" | "))));
    }

    void messageBoxHasTheProgramNameAndOneButton() {
        formstest::MessageWatcher watcher;
        forms::ShowMessage(nullptr, QStringLiteral("The form can't be printed."));
        QCOMPARE(watcher.seen(), QStringList{"Sumbrelt|The form can't be printed."});
        QCOMPARE(watcher.buttonCounts(), QList<int>{1});
    }
};

SUITE_TEST_MAIN(FormsTest, "Sumbrelt", {forms::FormsInterface})
#include "forms_test.moc"
