// SPDX-License-Identifier: GPL-3.0-or-later
#include "form9_fixture.h"
#include "record_list_accessible.h"

#include <forms/program.h>
#include <forms/testing.h>

#include <suite/test_main.h>

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The printing tests, which answer Qt's own printer dialog, are in form9_print_test.cpp.
class Form9Test : public Form9Fixture {
    Q_OBJECT

private Q_SLOTS:
    void windowAndMenuFollowTheTable() {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Cubic Capacity Records"));
        QCOMPARE(surface()->size(), QSize(387, 353));
        QCOMPARE(m_form->frameGeometry().topLeft(), QPoint(100, 267));
        QVERIFY(m_form->windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(surface()->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(surface()->font().pointSizeF(), 12.0);
        QVERIFY(!surface()->font().bold());
        QCOMPARE(surface()->palette().color(QPalette::Window), QColor(Qt::white));
        QStringList titles;
        for (QAction* action : m_form->menuBar()->actions()) {
            titles << action->text();
        }
        QCOMPARE(titles, (QStringList{"File", "        Bore Size", "  Stroke Length", "   Cylinders",
                                      "      Cubic Capacity"}));
        QMenu* file = m_form->menuBar()->actions().first()->menu();
        QVERIFY(file);
        QCOMPARE(file->actions().size(), 2);
        QCOMPARE(file->actions()[0]->objectName(), QStringLiteral("MnuClear"));
        QCOMPARE(file->actions()[0]->text(), QStringLiteral("Clear Records"));
        QCOMPARE(file->actions()[1]->objectName(), QStringLiteral("MnuPost"));
        QCOMPARE(file->actions()[1]->text(), QStringLiteral("Print"));
        for (QAction* heading : m_form->menuBar()->actions().mid(1)) {
            QVERIFY(!heading->menu());
            heading->trigger(); // does nothing
        }
    }

    void recordTextsStartAtTheirColumns() {
        m_form->DrawRecord("86", "86", "4", "1998.49cc");
        const QImage image = drawn();
        const int h = surface()->lineHeight();
        for (int column : {14, 24, 39, 49}) {
            QVERIFY2(startsAt(image, 0, column), qPrintable(QString::number(column)));
        }
        QCOMPARE(firstInk(image, 0, h, 0), firstInk(image, 0, h, surface()->columnX(14) - 1));
        QCOMPARE(firstInk(image, h, h, 0), -1);
        QCOMPARE(surface()->drawingPosition(), QPoint(0, h));
        // The last column still lies inside the window as it opens.
        QVERIFY(surface()->columnX(49) + surface()->fontMetrics().horizontalAdvance("1998.49cc") <
                surface()->width());
    }

    void aWideTextPushesTheNextToTheNextLine() {
        m_form->DrawRecord("WWWWWWWWWWWW", "86", "4", "");
        const QImage image = drawn();
        const int h = surface()->lineHeight();
        const int stroke = surface()->columnX(24);
        QVERIFY(firstInk(image, h, h, 0) >= stroke);
        QVERIFY(startsAt(image, 1, 24));
        QVERIFY(startsAt(image, 1, 39));
        QCOMPARE(surface()->drawingPosition(), QPoint(0, 2 * h));
        m_form->DrawRecord("1", "2", "3", "4");
        QCOMPARE(surface()->drawingPosition(), QPoint(0, 3 * h));
    }

    void emptyTextsLeaveTheirColumnsEmpty() {
        m_form->DrawRecord("", "", "", "");
        QCOMPARE(firstInk(drawn(), 0, surface()->lineHeight(), 0), -1);
        QCOMPARE(surface()->drawingPosition(), QPoint(0, surface()->lineHeight()));
    }

    void clearRecordsStartsAtTheTopAgain() {
        m_form->DrawRecord("86", "86", "4", "1998.49cc");
        m_form->DrawRecord("86", "86", "4", "1998.49cc");
        m_form->MnuClear_Click();
        QCOMPARE(firstInk(drawn(), 0, surface()->height(), 0), -1);
        QCOMPARE(surface()->drawingPosition(), QPoint(0, 0));
        m_form->DrawRecord("86", "86", "4", "1998.49cc");
        QVERIFY(startsAt(drawn(), 0, 14));
    }

    void rowsSurviveMinimisingAndResizing() {
        m_form->DrawRecord("86", "86", "4", "1998.49cc");
        const QImage before = surface()->grab().toImage();
        m_form->showMinimized();
        m_form->showNormal();
        m_form->resize(200, 100);
        m_form->resize(600, 500);
        QTRY_COMPARE(surface()->grab().toImage().copy(before.rect()), before);
    }

    void thousandsOfRecordsAreKept() {
        for (int i = 0; i < 5000; ++i) {
            m_form->DrawRecord(QString::number(i), "86", "4", "1998.49cc");
        }
        QCOMPARE(surface()->drawingPosition(), QPoint(0, 5000 * surface()->lineHeight()));
        QVERIFY(startsAt(drawn(), 0, 14));
        QVERIFY(!surface()->grab().toImage().isNull());
    }
};

SUITE_TEST_MAIN(Form9Test, "Sumbrelt", {forms::FormsInterface, RecordListInterface})
#include "form9_test.moc"
