// SPDX-License-Identifier: GPL-3.0-or-later
#include "info_window.h"
#include "light_tree_window.h"
#include "main_window.h"
#include "number_field.h"
#include "trainer_state.h"

#include <QAccessible>
#include <suite/monkey.h>
#include <suite/test_main.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TrainerWindowsTest : public QObject {
    Q_OBJECT

private:
    TrainerState m_state;
    std::unique_ptr<MainWindow> m_main;

    template <class T = QWidget> T* id(const char* name, const QWidget* window = nullptr) const {
        const QWidget* in = window ? window : m_main.get();
        T* found = in->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QString text(const char* name) const { return id<QLabel>(name)->text(); }
    QLineEdit* field(const char* name) const { return id<QLineEdit>(name); }
    void retype(const char* name, const QString& digits) const {
        field(name)->clear();
        QTest::keyClicks(field(name), digits);
    }

private Q_SLOTS:
    void init() {
        m_state = TrainerState{};
        m_main = std::make_unique<MainWindow>(m_state);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }
    void cleanup() { m_main.reset(); }

    void startsWithTheTableTexts() {
        QCOMPARE(m_main->objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Vellarin"));
        QCOMPARE(text("101"), QStringLiteral("Vellarin V1.5"));
        QCOMPARE(text("161"), QString());
        QCOMPARE(field("201")->text(), QStringLiteral("3500"));
        QCOMPARE(field("202")->text(), QStringLiteral("165"));
        QCOMPARE(text("251"), QStringLiteral("Estimated 1/4 mile time: 16.11 sec."));
        QCOMPARE(text("252"), QStringLiteral("Estimated 1/4 mile speed: 84.53 mph"));
        QCOMPARE(id<QPushButton>("1")->text(), QStringLiteral("&Calculate ET"));
        QCOMPARE(id<QPushButton>("12")->text(), QStringLiteral("Info &About Vellarin"));
        QCOMPARE(id<QPushButton>("13")->text(), QStringLiteral("&Start Vellarin"));
        QCOMPARE(m_main->findChildren<QLabel*>(QStringLiteral("102")).size(), 6);
        QCOMPARE(QApplication::focusWidget(), field("201"));
        QCOMPARE(m_state.currentEt, 16.1108f);
        // Screen readers name each field by the label above it and each button by its caption.
        QCOMPARE(field("201")->accessibleName(), QStringLiteral("Please enter you vehicle weight in lbs.:"));
        QCOMPARE(field("202")->accessibleName(), QStringLiteral("Please enter you vehicle horse power:"));
        QAccessibleInterface* start = QAccessible::queryAccessibleInterface(id("13"));
        QVERIFY(start && start->text(QAccessible::Name).contains(QStringLiteral("Start Vellarin")));
    }

    void layoutIsInDialogUnits() {
        // 300 x 230 units; the weight field starts 90 units in, 102 units down.
        const QSize client = m_main->size();
        QCOMPARE(m_main->minimumSize(), m_main->maximumSize());
        QVERIFY(client.width() > 300 && client.height() > 230);
        QVERIFY(qAbs(field("201")->x() - client.width() * 90 / 300) <= 1);
        QVERIFY(qAbs(field("201")->y() - client.height() * 102 / 230) <= 1);
        QVERIFY(qAbs(id("13")->width() - client.width() * 120 / 300) <= 1);
        QCOMPARE(m_main->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(m_main->font().pointSizeF(), 7.5);
        QVERIFY(field("201")->alignment() & Qt::AlignHCenter);
    }

    // Every text of the three windows fits its label at 96 DPI, results as wide as they come in use.
    void noTextIsClipped() {
        InfoWindow info(m_main.get());
        LightTreeWindow tree;
        tree.ShowResults(
            {"ET with Reaction Time: 16.0675", "Last Reaction Time: 0.4567", "Average of Last Five: 0.4567"});
        id<QLabel>("252")->setText(QStringLiteral("Estimated 1/4 mile speed:294.82 mph"));
        QStringList clipped;
        for (const QWidget* window : {static_cast<QWidget*>(m_main.get()), static_cast<QWidget*>(&info),
                                      static_cast<QWidget*>(&tree)}) {
            for (const QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
                const QSize needed(label->fontMetrics().horizontalAdvance(label->text()),
                                   label->fontMetrics().height());
                if (needed.width() > label->contentsRect().width() ||
                    needed.height() > label->contentsRect().height()) {
                    clipped << label->text();
                }
            }
        }
        QCOMPARE(clipped, QStringList());
    }

    void coloursFollowTheIds() {
        QCOMPARE(m_main->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(id("101")->palette().color(QPalette::WindowText), QColor(0, 100, 0));
        QCOMPARE(id("161")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(id("251")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QCOMPARE(field("201")->palette().color(QPalette::Text), QColor(0, 0, 0));
    }

    void enterInAFieldCalculates() {
        retype("201", "6000");
        retype("202", "50");
        QTest::keyClick(field("202"), Qt::Key_Return);
        QCOMPARE(text("251"), QStringLiteral("Estimated 1/4 mile time: 28.71 sec."));
        QCOMPARE(text("252"), QStringLiteral("Estimated 1/4 mile speed: 47.44 mph"));
        QVERIFY(m_main->isVisible());
        QCOMPARE(m_state.currentEt, vellarin::EstimateEt(6000, 50));
        // The access key calculates at once, before the digit typed right after it.
        retype("201", "3500");
        retype("202", "250");
        field("202")->setFocus();
        QTest::keyClick(m_main->windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "0");
        QCOMPARE(text("251"), QStringLiteral("Estimated 1/4 mile time: 14.03 sec."));
        QCOMPARE(field("202")->text(), QStringLiteral("2500"));
    }

    void emptyFieldsShowWordsNotNumbers() {
        field("202")->clear();
        QTest::mouseClick(id("1"), Qt::LeftButton);
        QCOMPARE(text("251"), QStringLiteral("Estimated 1/4 mile time: Infinity sec."));
        QCOMPARE(text("252"), QStringLiteral("Estimated 1/4 mile speed:  0.00 mph"));
        field("201")->clear();
        QTest::mouseClick(id("1"), Qt::LeftButton);
        QCOMPARE(text("251"), QStringLiteral("Estimated 1/4 mile time: Not a number sec."));
    }

    void fieldsTakeTypedDigitsOnly() {
        field("201")->clear();
        QTest::keyClicks(field("201"), "12a-3.4 e5");
        QCOMPARE(field("201")->text(), QStringLiteral("12345"));
    }

    void typingStopsWhenTheFieldIsFull() {
        field("201")->clear();
        QTest::keyClicks(field("201"), QString(200, QLatin1Char('9')));
        const QString kept = field("201")->text();
        QVERIFY(kept.size() > 5 && kept.size() < 200);
        QVERIFY(static_cast<NumberField*>(field("201"))->fits(kept));
        QVERIFY(!static_cast<NumberField*>(field("201"))->fits(kept + QLatin1Char('9')));
    }

    void pastedTextIsReadByTheFullRule() {
        field("201")->clear();
        QApplication::clipboard()->setText(QStringLiteral("-3500"));
        QTest::keyClick(field("201"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field("201")->text(), QStringLiteral("-3500"));
        QTest::keyClick(field("201"), Qt::Key_Return);
        QCOMPARE(text("251"), QStringLiteral("Estimated 1/4 mile time:  5.82 sec."));
        QCOMPARE(text("252"), QStringLiteral("Estimated 1/4 mile speed:234.00 mph"));
    }

    void aHugePasteKeepsWhatFits() {
        field("201")->clear();
        QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('7')));
        QTest::keyClick(field("201"), Qt::Key_V, Qt::ControlModifier);
        const QString kept = field("201")->text();
        QVERIFY(kept.size() > 5 && kept.size() < 100);
        QVERIFY(static_cast<NumberField*>(field("201"))->fits(kept));
        QVERIFY(!static_cast<NumberField*>(field("201"))->fits(kept + QLatin1Char('7')));
    }

    void escapeDoesNothing() {
        QTest::keyClick(field("201"), Qt::Key_Escape);
        QTest::keyClick(id("13"), Qt::Key_Escape);
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_state.startRequested);
    }

    void enterOnStartStartsWithTheLastEt() {
        retype("201", "1000");
        retype("202", "2000");
        QTest::keyClick(field("202"), Qt::Key_Return);
        retype("201", "3500"); // edited, not calculated
        id("13")->setFocus();
        QTest::keyClick(id("13"), Qt::Key_Return);
        QVERIFY(!m_main->isVisible());
        QCOMPARE(m_main->result(), static_cast<int>(QDialog::Accepted));
        QVERIFY(m_state.startRequested);
        QCOMPARE(m_state.currentEt, vellarin::EstimateEt(1000, 2000));
    }

    void startWithoutCalculatingKeepsTheDefaultEt() {
        retype("201", "6000");
        QTest::mouseClick(id("13"), Qt::LeftButton);
        QVERIFY(m_state.startRequested);
        QCOMPARE(m_state.currentEt, 16.1108f);
    }

    // Only a left press presses a button and takes the focus; after a right or middle one, typing
    // goes on where it was.
    void onlyALeftPressTakesTheFocus_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<Qt::MouseButton>("mouse");
        QTest::newRow("right on Calculate ET") << QByteArray("1") << Qt::RightButton;
        QTest::newRow("middle on Calculate ET") << QByteArray("1") << Qt::MiddleButton;
        QTest::newRow("right on Info") << QByteArray("12") << Qt::RightButton;
        QTest::newRow("middle on Start") << QByteArray("13") << Qt::MiddleButton;
        QTest::newRow("left on Calculate ET") << QByteArray("1") << Qt::LeftButton;
    }
    void onlyALeftPressTakesTheFocus() {
        QFETCH(QByteArray, button);
        QFETCH(Qt::MouseButton, mouse);
        retype("201", "60");
        field("201")->setFocus();
        QSignalSpy clicked(id<QPushButton>(button.constData()), &QAbstractButton::clicked);
        QTest::mouseClick(id(button.constData()), mouse);
        const bool left = mouse == Qt::LeftButton;
        QCOMPARE(clicked.count(), left ? 1 : 0);
        QCOMPARE(QApplication::focusWidget(), left ? id(button.constData()) : field("201"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QCOMPARE(field("201")->text(), left ? QStringLiteral("60") : QStringLiteral("607"));
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_state.startRequested);
    }

    void closingEndsWithoutTheLightTree() {
        m_main->close();
        QVERIFY(!m_main->isVisible());
        QVERIFY(!m_state.startRequested);
    }

    void monkeyLeavesTheWindowUsable() {
        suite::Monkey monkey(7, {"13"});
        QCOMPARE(monkey.Run(3000), 3000);
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_state.startRequested);
        field("201")->setText(QStringLiteral("6000"));
        field("202")->setText(QStringLiteral("50"));
        QTest::mouseClick(id("1"), Qt::LeftButton);
        QCOMPARE(text("251"), QStringLiteral("Estimated 1/4 mile time: 28.71 sec."));
    }

    void infoWindowIsModalAndReturns() {
        QString seen;
        QTimer::singleShot(0, this, [this, &seen] {
            auto* info = qobject_cast<InfoWindow*>(QApplication::activeModalWidget());
            if (!info) {
                return;
            }
            const QList<QLabel*> lines = info->findChildren<QLabel*>(QStringLiteral("102"));
            seen = QString::number(lines.size()) + QLatin1Char('|') + lines[10]->text();
            // The main window takes no keys meanwhile, and neither Escape nor a right press on OK
            // closes the info window.
            QTest::keyClick(m_main->windowHandle(), Qt::Key_S, Qt::AltModifier);
            QTest::keyClick(info, Qt::Key_Escape);
            QTest::mouseClick(id("1", info), Qt::RightButton);
            seen += info->isVisible() ? QStringLiteral("|open") : QStringLiteral("|closed");
            QTest::keyClick(info, Qt::Key_Return);
        });
        QTest::mouseClick(id("12"), Qt::LeftButton);
        QCOMPARE(seen, QStringLiteral("19|ES = 234 * (Power / Weight) ^ (1/3)|open"));
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_state.startRequested);
        QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
    }
};

SUITE_TEST_MAIN(TrainerWindowsTest, "Vellarin")
#include "windows_test.moc"
