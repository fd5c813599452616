// SPDX-License-Identifier: GPL-3.0-or-later
#include "form9.h"
#include "record_list_accessible.h"
#include "record_surface.h"

#include <forms/program.h>
#include <forms/testing.h>

#include <suite/test_main.h>

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class Form9Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form9> m_form;
    QTemporaryDir m_dir;

    RecordSurface* surface() const { return m_form->surface(); }

    QImage drawn() const {
        QImage image(surface()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        surface()->paintDrawn(painter);
        return image;
    }

    // The leftmost inked x in the band of a line, from a given x on; -1 when the band is blank there.
    static int firstInk(const QImage& image, int top, int height, int fromX) {
        for (int x = fromX; x < image.width(); ++x) {
            for (int y = top; y < top + height && y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    return x;
                }
            }
        }
        return -1;
    }

    // Whether a line's ink from a column on begins at that column's start (a glyph's side bearing
    // aside).
    bool startsAt(const QImage& image, int line, int column) const {
        const int h = surface()->lineHeight();
        const int x = surface()->columnX(column);
        const int ink = firstInk(image, line * h, h, x - 1);
        return ink >= x && ink <= x + (surface()->columnX(2) - surface()->columnX(1)) / 2;
    }

    // Answers the next printer dialog: OK with the printer writing a PDF to the path, or Cancel.
    void answerPrinterDialog(bool ok, const QString& pdf) {
        QTimer::singleShot(0, this, [ok, pdf] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QStringLiteral("Cd1"));
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
            dialog->done(ok ? QDialog::Accepted : QDialog::Rejected);
        });
    }

    static QString PdfText(const QString& pdf) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (!pdftotext.waitForFinished(10000) || pdftotext.exitCode() != 0) {
            return QStringLiteral("(pdftotext failed)");
        }
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void init() {
        m_form = std::make_unique<Form9>();
        m_form->setAttribute(Qt::WA_DeleteOnClose, false);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

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

    void printCancelledPrintsNothing() {
        m_form->DrawRecord("86", "86", "4", "1998.49cc");
        const QString pdf = m_dir.filePath(QStringLiteral("cancelled.pdf"));
        answerPrinterDialog(false, pdf);
        m_form->MnuPost_Click();
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(surface()->drawingPosition().y(), surface()->lineHeight());
    }

    void printOkPrintsTheHeadingsAndRows() {
        m_form->DrawRecord("86", "86", "4", "1998.49cc");
        m_form->DrawRecord("100", "100", "1", "785.50cc");
        const QString pdf = m_dir.filePath(QStringLiteral("records.pdf"));
        answerPrinterDialog(true, pdf);
        m_form->MnuPost_Click();
        QVERIFY(QFile::exists(pdf));
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Bore Size")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Cubic Capacity")));
        QVERIFY(text.contains(QStringLiteral("1998.49cc")));
        QVERIFY(text.contains(QStringLiteral("785.50cc")));
        // The page keeps the order of the window: headings above the rows, first row first.
        QVERIFY(text.indexOf(QStringLiteral("Bore Size")) < text.indexOf(QStringLiteral("1998.49cc")));
        QVERIFY(text.indexOf(QStringLiteral("1998.49cc")) < text.indexOf(QStringLiteral("785.50cc")));
    }

    void printThatCannotStartSaysSoAndKeepsTheRows() {
        m_form->DrawRecord("86", "86", "4", "1998.49cc");
        answerPrinterDialog(true, QStringLiteral("/nonexistent-folder/records.pdf"));
        formstest::MessageWatcher watcher;
        m_form->MnuPost_Click();
        QCOMPARE(watcher.seen(), QStringList{"Sumbrelt|The form can't be printed."});
        QCOMPARE(surface()->drawingPosition().y(), surface()->lineHeight());
        QVERIFY(startsAt(drawn(), 0, 14));
    }
};

SUITE_TEST_MAIN(Form9Test, "Sumbrelt", {forms::FormsInterface, RecordListInterface})
#include "form9_test.moc"
