// SPDX-License-Identifier: GPL-3.0-or-later
#include "lamp_icons.h"
#include "light_tree_loop.h"
#include "light_tree_window.h"

#include <suite/test_main.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

class LightTreeTest : public QObject {
    Q_OBJECT

private:
    static QLabel* child(const QWidget* window, const QString& id) {
        QLabel* found = window->findChild<QLabel*>(id, Qt::FindDirectChildrenOnly);
        if (!found) {
            qFatal("no control %s", qPrintable(id));
        }
        return found;
    }
    static QLabel* lamp(const QWidget* window, int row, int column) {
        return child(window, QString::number(300 + 10 * row + column));
    }
    // The image name every lamp of a row shows, checked against the shared images.
    static QStringList shownRows(const QWidget* window) {
        QStringList rows;
        for (int row = 1; row <= 7; ++row) {
            QString shown;
            for (const char* name : {"REDON", "REDOFF", "YELON", "YELOFF", "GRNON", "GRNOFF"}) {
                if (lamp(window, row, 1)->pixmap().cacheKey() ==
                    LampImage(QString::fromLatin1(name)).cacheKey()) {
                    shown = QString::fromLatin1(name);
                }
            }
            for (int column = 2; column <= 4; ++column) {
                if (lamp(window, row, column)->pixmap().cacheKey() !=
                    lamp(window, row, 1)->pixmap().cacheKey()) {
                    shown += QStringLiteral("(mixed)");
                }
            }
            rows << shown;
        }
        return rows;
    }
    static QString prompt(const QWidget* window) { return child(window, QStringLiteral("161"))->text(); }

private Q_SLOTS:
    void lampImagesLookAsDescribed() {
        const QImage red = LampImage(QStringLiteral("REDON")).toImage();
        QCOMPARE(red.size(), QSize(32, 32));
        QCOMPARE(red.pixelColor(16, 16), QColor(255, 0, 0));
        QCOMPARE(red.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(LampImage(QStringLiteral("GRNOFF")).toImage().pixelColor(16, 16), QColor(0, 128, 0));
        QCOMPARE(LampImage(QStringLiteral("YELOFF")).toImage().pixelColor(16, 16), QColor(128, 128, 0));
        // Shared: the same name gives the same image.
        QCOMPARE(LampImage(QStringLiteral("YELON")).cacheKey(),
                 LampImage(QStringLiteral("YELON")).cacheKey());
    }

    void startsDarkWithTheFirstPrompt() {
        LightTreeWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Vellarin"));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(shownRows(&window),
                 (QStringList{"REDOFF", "REDOFF", "YELOFF", "YELOFF", "YELOFF", "GRNOFF", "REDOFF"}));
        QCOMPARE(prompt(&window), QStringLiteral("Press any key to light first stage lights"));
        QCOMPARE(child(&window, QStringLiteral("161"))->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        QCOMPARE(child(&window, QStringLiteral("150"))->text(),
                 QStringLiteral("ET with Reaction Time: _.____"));
        QCOMPARE(lamp(&window, 1, 1)->size(), QSize(32, 32));
        QCOMPARE(window.findChildren<QLabel*>().size(), 28 + 6);
        // Two pairs of columns and three groups of rows.
        const int gap12 = lamp(&window, 1, 2)->x() - lamp(&window, 1, 1)->x();
        const int gap23 = lamp(&window, 1, 3)->x() - lamp(&window, 1, 2)->x();
        QVERIFY(gap23 > gap12);
        QVERIFY(lamp(&window, 3, 1)->y() - lamp(&window, 2, 1)->y() >
                lamp(&window, 2, 1)->y() - lamp(&window, 1, 1)->y());
    }

    void showTreeStateLightsRowsFromTheTop_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("prompt");
        // clang-format off
        QTest::newRow("first stage") << 1 << QStringList{"REDON", "REDOFF", "YELOFF", "YELOFF", "YELOFF", "GRNOFF", "REDOFF"} << "Press any key to light second stage lights";
        QTest::newRow("second stage") << 2 << QStringList{"REDON", "REDON", "YELOFF", "YELOFF", "YELOFF", "GRNOFF", "REDOFF"} << "Press any key once the green lights are lit";
        QTest::newRow("third amber") << 5 << QStringList{"REDON", "REDON", "YELON", "YELON", "YELON", "GRNOFF", "REDOFF"} << "Press any key once the green lights are lit";
        QTest::newRow("green") << 6 << QStringList{"REDON", "REDON", "YELON", "YELON", "YELON", "GRNON", "REDOFF"} << "GO!";
        QTest::newRow("foul") << 7 << QStringList{"REDON", "REDON", "YELON", "YELON", "YELON", "GRNON", "REDON"} << "RED LIGHT! Press any key to continue";
        QTest::newRow("beyond seven") << 9 << QStringList{"REDON", "REDON", "YELON", "YELON", "YELON", "GRNON", "REDON"} << "RED LIGHT! Press any key to continue";
        QTest::newRow("dark again") << 0 << QStringList{"REDOFF", "REDOFF", "YELOFF", "YELOFF", "YELOFF", "GRNOFF", "REDOFF"} << "Press any key to light first stage lights";
        // clang-format on
    }
    void showTreeStateLightsRowsFromTheTop() {
        QFETCH(int, state);
        QFETCH(QStringList, rows);
        QFETCH(QString, prompt);
        LightTreeWindow window;
        window.ShowTreeState(7);
        window.ShowResults({"", "Last Reaction Time: 0.7000", {}});
        window.ShowTreeState(state);
        QCOMPARE(shownRows(&window), rows);
        QCOMPARE(LightTreeTest::prompt(&window), prompt);
        QCOMPARE(child(&window, QStringLiteral("151"))->text(), QStringLiteral("Last Reaction Time: 0.7000"));
    }

    // A left click anywhere in the window is one press, the second of a double click too; other
    // buttons are none. Clicks aim at what a person clicks: a lamp, a label, the white ground.
    void clicksCountOnceWhereverTheyLand_data() {
        QTest::addColumn<QString>("target"); // a control's id, or "" for the ground
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<bool>("twice");
        QTest::addColumn<int>("state");
        QTest::newRow("lamp") << "311" << int(Qt::LeftButton) << false << 1;
        QTest::newRow("prompt") << "161" << int(Qt::LeftButton) << false << 1;
        QTest::newRow("title") << "101" << int(Qt::LeftButton) << false << 1;
        QTest::newRow("result line") << "150" << int(Qt::LeftButton) << false << 1;
        QTest::newRow("ground") << "" << int(Qt::LeftButton) << false << 1;
        QTest::newRow("double click on the ground") << "" << int(Qt::LeftButton) << true << 2;
        QTest::newRow("double click on a lamp") << "374" << int(Qt::LeftButton) << true << 2;
        QTest::newRow("right button") << "311" << int(Qt::RightButton) << false << 0;
        QTest::newRow("middle button") << "" << int(Qt::MiddleButton) << true << 0;
    }
    void clicksCountOnceWhereverTheyLand() {
        QFETCH(QString, target);
        QFETCH(int, mouseButton);
        QFETCH(bool, twice);
        QFETCH(int, state);
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        LightTreeLoop loop(window, 16.1108f);
        int seen = -1;
        QTimer::singleShot(50, window, [&] {
            QWidget* clicked = target.isEmpty() ? static_cast<QWidget*>(window) : child(window, target);
            const QPoint at = target.isEmpty() ? QPoint(200, 300) : clicked->rect().center();
            // As X delivers a double click: a press and a release, then the double click.
            QTest::mouseClick(clicked, Qt::MouseButton(mouseButton), {}, at);
            if (twice) {
                QTest::mouseDClick(clicked, Qt::MouseButton(mouseButton), {}, at);
            }
            seen = loop.sequence().state();
            window->close();
        });
        loop.Run();
        QCOMPARE(seen, state);
    }

    // A held key repeats, and every repeat is a press: staging twice, then the foul.
    void heldKeyRepeatsArePresses() {
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        LightTreeLoop loop(window, 16.1108f);
        QString seen;
        QTimer::singleShot(50, window, [&] {
            for (bool repeat : {false, true, true}) {
                QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
                QApplication::sendEvent(window, &held);
                seen += QString::number(loop.sequence().state());
            }
            window->close();
        });
        loop.Run();
        QCOMPARE(seen, QStringLiteral("127"));
    }

    // The real loop with presses sent into the window: staging, the steps to green, a timed run.
    void loopRunsARealSequence() {
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        LightTreeLoop loop(window, 16.1108f);
        QStringList seen;
        auto press = [&window](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(window, key, modifiers);
        };
        QTimer::singleShot(50, window, [&] { press(Qt::Key_Space); });
        QTimer::singleShot(100, window, [&] {
            press(Qt::Key_Alt);
            press(Qt::Key_F10);
            press(Qt::Key_X, Qt::AltModifier); // none of these is a press
            seen << QString::number(loop.sequence().state());
            QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(200, 200));
        });
        QTimer::singleShot(700, window, [&] { window->showMinimized(); }); // the steps go on
        QTimer::singleShot(1500, window, [&] {
            seen << QString::number(loop.sequence().state());
            window->showNormal();
        });
        QTimer::singleShot(2400, window, [&] {
            seen << QString::number(loop.sequence().state()) << prompt(window);
            press(Qt::Key_Space);
            seen << child(window, QStringLiteral("151"))->text().left(20) << prompt(window);
            press(Qt::Key_Space);
            press(Qt::Key_Space);
            press(Qt::Key_Space); // during the ambers: the red light
            seen << prompt(window);
            press(Qt::Key_Escape);
            seen << QString::number(loop.sequence().state());
            window->close();
        });
        loop.Run();
        QVERIFY(!window);
        QCOMPARE(seen, (QStringList{"1", "4", "6", "GO!",
                                    "Last Reaction Time: ", "Press any key to light first stage lights",
                                    "RED LIGHT! Press any key to continue", "0"}));
        QCOMPARE(loop.sequence().history().runCount(), 1);
        const float reaction = loop.sequence().history().slot(1);
        QVERIFY2(reaction > 0.5f && reaction < 1.5f, qPrintable(QString::number(reaction)));
    }
};

SUITE_TEST_MAIN(LightTreeTest, "Vellarin")
#include "light_tree_test.moc"
