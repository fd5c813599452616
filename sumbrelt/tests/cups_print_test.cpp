// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through the machine's print service: Sumbrelt posts three records and prints the record
// window on the CUPS PDF printer SuitePDF (scripts/print-service start adds it); the test finds the
// PDF the printer wrote and reads the rows in it. Without a print service it says so and exits 77,
// which ctest reports as skipped.

#include "form3.h"
#include "form9.h"
#include "record_list_accessible.h"

#include <forms/program.h>
#include <forms/testing.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int kSkipped = 77;
const QString kPrinter = QStringLiteral("SuitePDF");

bool PrinterReady() {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-v"), kPrinter});
    return lpstat.waitForFinished(5000) && lpstat.exitCode() == 0;
}

// cups-pdf writes to the PDF folder of the job's owner, or to its spool folder for anonymous jobs.
QStringList OutputFolders() {
    const passwd* user = getpwuid(getuid());
    return {QString::fromLocal8Bit(user ? user->pw_dir : "") + QStringLiteral("/PDF"),
            QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")};
}

QString NewPdfSince(const QDateTime& start) {
    for (const QString& folder : OutputFolders()) {
        for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
            if (file.lastModified() >= start && file.size() > 0) {
                return file.absoluteFilePath();
            }
        }
    }
    return QString();
}

QString PdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(10000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The print pipeline may re-encode a font so that the PDF's text comes out as other glyphs, one for
// each character. Words written in one font hold the expected text when they match it one for one
// under a single consistent substitution of characters (the identity when the text survives).
QString MatchesUnderOneSubstitution(const QStringList& expected, const QString& text) {
    const QStringList seen = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (seen.size() != expected.size()) {
        return QStringLiteral("%1 words on the page, %2 expected").arg(seen.size()).arg(expected.size());
    }
    QHash<uint, uint> toGlyph;
    QHash<uint, uint> toCharacter;
    for (qsizetype w = 0; w < seen.size(); ++w) {
        const QList<uint> want = expected[w].toUcs4();
        const QList<uint> got = seen[w].toUcs4();
        if (want.size() != got.size()) {
            return QStringLiteral("word %1: %2 is not %3").arg(w).arg(seen[w], expected[w]);
        }
        for (qsizetype i = 0; i < want.size(); ++i) {
            if (toGlyph.value(want[i], got[i]) != got[i] || toCharacter.value(got[i], want[i]) != want[i]) {
                return QStringLiteral("word %1: %2 does not read as %3").arg(w).arg(seen[w], expected[w]);
            }
            toGlyph.insert(want[i], got[i]);
            toCharacter.insert(got[i], want[i]);
        }
    }
    return QString();
}

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void threeRecordsReachThePrinter() {
        Form3 calculator;
        calculator.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calculator));
        const char* records[3][3] = {{"86", "86", "4"}, {"100", "100", "1"}, {"111", "111", "111"}};
        for (const auto& record : records) {
            formstest::Control<QLineEdit>(&calculator, "Text1")->setText(QString::fromLatin1(record[0]));
            formstest::Control<QLineEdit>(&calculator, "Text2")->setText(QString::fromLatin1(record[1]));
            formstest::Control<QLineEdit>(&calculator, "Text3")->setText(QString::fromLatin1(record[2]));
            QTest::mouseClick(formstest::Control<QPushButton>(&calculator, "CmdCalculate"), Qt::LeftButton);
            QTest::mouseClick(formstest::Control<QPushButton>(&calculator, "CmdPrint"), Qt::LeftButton);
        }
        Form9* recordWindow = calculator.RecordWindow();
        QVERIFY(recordWindow);

        const QDateTime start = QDateTime::currentDateTime();
        // The user picks the PDF printer in the printer dialog and presses OK.
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->printer()->setOutputFormat(QPrinter::NativeFormat);
            dialog->printer()->setPrinterName(kPrinter);
            dialog->done(QDialog::Accepted);
        });
        formstest::MessageWatcher watcher;
        recordWindow->MnuPost_Click();
        QCOMPARE(watcher.seen(), QStringList());

        // The printer writes the file a while after the job is sent; it is read once it is whole.
        QString pdf;
        QString text;
        QTRY_VERIFY_WITH_TIMEOUT(!(pdf = NewPdfSince(start)).isEmpty() &&
                                     (text = PdfText(pdf)).count(QLatin1Char('\n')) >= 4,
                                 60000);
        // The heading row is in the menu font, the rows in Times New Roman: each its own substitution.
        // The first heading word is the menu title "File", whose "Fi" may be one ligature glyph.
        const QString heading = text.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), 1);
        const QString rows = text.section(QLatin1Char('\n'), 1);
        const QString headingMismatch = MatchesUnderOneSubstitution(
            {"Bore", "Size", "Stroke", "Length", "Cylinders", "Cubic", "Capacity"}, heading);
        QVERIFY2(headingMismatch.isEmpty(), qPrintable(headingMismatch + QStringLiteral(":\n") + text));
        const QString rowMismatch = MatchesUnderOneSubstitution(
            {"86", "86", "4", "1998.49cc", "100", "100", "1", "785.50cc", "111", "111", "111", "119244.40cc"},
            rows);
        QVERIFY2(rowMismatch.isEmpty(),
                 qPrintable(rowMismatch + QStringLiteral(" in ") + pdf + QStringLiteral(":\n") + text));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    desktop::InstallSuiteDefaults("Sumbrelt", {forms::FormsInterface, RecordListInterface});
    if (!PrinterReady()) {
        std::printf("SKIPPED: no print service with the printer %s (scripts/print-service start adds it)\n",
                    qPrintable(kPrinter));
        return kSkipped;
    }
    CupsPrintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cups_print_test.moc"
