// The light tree under a real X server with real input: xdotool types into the window while the
// real loop runs. Started by ctest under xvfb-run.

#include "light_tree_loop.h"
#include "light_tree_window.h"

#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>

class LightTreeX11Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void realKeysDriveTheTree() {
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QString id = QString::number(window->winId());
        LightTreeLoop loop(window, 16.1108f);

        std::int64_t secondPress = 0;
        std::int64_t green = 0;
        int presses = 0;
        loop.onPressRead = [&](std::int64_t reading) {
            if (++presses == 2) {
                secondPress = reading;
            }
        };
        loop.onStep = [&](double) {
            if (loop.sequence().state() == vellarin::LightTreeSequence::kGreen) {
                green = CounterReading();
            }
        };
        auto key = [](const char* name) {
            QProcess::execute(QStringLiteral("xdotool"), {"key", QString::fromLatin1(name)});
        };
        QStringList seen;
        QTimer::singleShot(300, window, [&] {
            QProcess::execute(QStringLiteral("xdotool"), {"windowfocus", "--sync", id});
            key("space");
        });
        QTimer::singleShot(600, window, [&] { key("Return"); });
        QTimer::singleShot(1850, window, [&] { seen << QString::number(loop.sequence().state()); });
        QTimer::singleShot(3000, window, [&] {
            seen << QString::number(loop.sequence().state());
            key("space");
        });
        QTimer::singleShot(3300, window, [&] { key("a"); });
        QTimer::singleShot(3450, window, [&] { key("b"); });
        // While the ambers light: a foul. The red light is awaited, as X may take a moment to deliver.
        QTimer::singleShot(3750, window, [&] { key("c"); });
        QTimer awaitRed;
        int waited = 0;
        connect(&awaitRed, &QTimer::timeout, window, [&] {
            if (loop.sequence().state() != vellarin::LightTreeSequence::kFoul && ++waited < 100) {
                return;
            }
            seen << QString::number(loop.sequence().state())
                 << window->findChild<QLabel*>(QStringLiteral("161"))->text() << window->rowName(7);
            awaitRed.stop();
            window->close();
        });
        QTimer::singleShot(3760, window, [&] { awaitRed.start(20); });
        loop.Run();

        QCOMPARE(seen, (QStringList{"4", "6", "7", "RED LIGHT! Press any key to continue", "REDON"}));
        const double toGreen = static_cast<double>(green - secondPress) / CounterFrequency();
        QVERIFY2(toGreen > 2.0 && toGreen < 2.2, qPrintable(QString::number(toGreen)));
        QCOMPARE(loop.sequence().history().runCount(), 1);
        const float reaction = loop.sequence().history().slot(1);
        QVERIFY2(reaction > 0.5f && reaction < 1.5f, qPrintable(QString::number(reaction)));
    }

    // Real clicks: on a lamp, on the prompt, a double click on the ground, a right click.
    void realClicksDriveTheTree() {
        QPointer<LightTreeWindow> window = new LightTreeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QString id = QString::number(window->winId());
        LightTreeLoop loop(window, 16.1108f);
        QStringList seen;
        // Clicks, then reads the state once X has delivered them.
        const auto clickAt = [&](const char* name, const char* button, const char* repeat) {
            auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
            const QPoint at = control ? control->mapTo(window, control->rect().center()) : QPoint(200, 300);
            QProcess::execute(QStringLiteral("xdotool"),
                              {"mousemove", "--sync", "--window", id, QString::number(at.x()),
                               QString::number(at.y()), "click", "--repeat", QString::fromLatin1(repeat),
                               "--delay", "80", QString::fromLatin1(button)});
            QTest::qWait(150);
            seen << QString::number(loop.sequence().state());
        };
        QTimer::singleShot(300, window, [&] {
            QProcess::execute(QStringLiteral("xdotool"), {"windowfocus", "--sync", id});
            clickAt("311", "1", "1");
            clickAt("161", "1", "1");
            QProcess::execute(QStringLiteral("xdotool"), {"key", "Escape"});
            QTest::qWait(150);
            clickAt("", "1", "2"); // the ground
            clickAt("341", "3", "1");
            window->close();
        });
        loop.Run();
        // The right click comes while the first amber waits: it is no press, so no red light.
        QCOMPARE(seen.mid(0, 3), (QStringList{"1", "2", "2"}));
        QVERIFY2(seen.at(3) == QLatin1String("2") || seen.at(3) == QLatin1String("3"),
                 qPrintable(seen.join(' ')));
    }
};

QTEST_MAIN(LightTreeX11Test)
#include "light_tree_x11_test.moc"
