// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the record list through Qt's own printer dialog, answered by the test, to a PDF file.
#include "form9_fixture.h"
#include "record_list_accessible.h"

#include <forms/program.h>
#include <forms/testing.h>

#include <suite/test_main.h>

#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class Form9PrintTest : public Form9Fixture {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

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

SUITE_TEST_MAIN(Form9PrintTest, "Sumbrelt", {forms::FormsInterface, RecordListInterface})
#include "form9_print_test.moc"
