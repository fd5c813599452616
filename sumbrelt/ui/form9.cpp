// SPDX-License-Identifier: GPL-3.0-or-later
#include "form9.h"

#include "record_surface.h"

#include <forms/message_box.h>
#include <forms/placement.h>
#include <forms/twips.h>
#include <forms/window_kind.h>

#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>

namespace {

// The columns at which a record's four texts start, under the four headings.
constexpr int kBoreColumn = 14;
constexpr int kStrokeColumn = 24;
constexpr int kCylindersColumn = 39;
constexpr int kResultColumn = 49;

QAction* AddHeading(QMenuBar* bar, const char* name, const QString& title) {
    QAction* heading = bar->addAction(title);
    heading->setObjectName(QString::fromLatin1(name));
    return heading;
}

} // namespace

Form9::Form9(QWidget* parent)
    : QMainWindow(parent)
    , m_printer(QPrinter::HighResolution) {
    forms::SetUpWindow(this, "Form9", QStringLiteral("Cubic Capacity Records"),
                       {forms::Border::Sizable, true, true}, 5805, 5295);
    setAttribute(Qt::WA_DeleteOnClose);

    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    // A menu bar in the forms' menu font and spacing, so the four headings fit over their columns.
    QFont menuFont(QStringLiteral("MS Sans Serif"));
    menuFont.setPointSizeF(8.25);
    bar->setFont(menuFont);
    bar->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 4px; }"));
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->menuAction()->setObjectName(QStringLiteral("Mnu(1)"));
    QAction* clear = file->addAction(QStringLiteral("Clear Records"));
    clear->setObjectName(QStringLiteral("MnuClear"));
    QAction* post = file->addAction(QStringLiteral("Print"));
    post->setObjectName(QStringLiteral("MnuPost"));
    // The headings are menu titles without items; choosing one does nothing.
    AddHeading(bar, "Mnu(3)", QStringLiteral("        Bore Size"));
    AddHeading(bar, "Mnu(4)", QStringLiteral("  Stroke Length"));
    AddHeading(bar, "Mnu(5)", QStringLiteral("   Cylinders"));
    AddHeading(bar, "Mnu(6)", QStringLiteral("      Cubic Capacity"));

    m_surface = new RecordSurface(this);
    setCentralWidget(m_surface);
    m_surface->setAccessibleName(QStringLiteral("Records"));
    QStringList columns;
    for (QAction* heading : bar->actions().mid(1)) {
        columns << heading->text().trimmed();
    }
    m_surface->setColumnNames(columns);
    // The client area below the menu bar has the size of the design.
    resize(forms::TwipsToPixels(5805, 5295) + QSize(0, bar->sizeHint().height()));

    connect(clear, &QAction::triggered, this, &Form9::MnuClear_Click);
    // Queued: chosen through a screen reader, the item returns at once, and the printer dialog then
    // runs in the program's own loop, where the reader can reach it.
    connect(post, &QAction::triggered, this, &Form9::MnuPost_Click, Qt::QueuedConnection);
    Form_Load();
}

void Form9::Form_Load() {
    forms::PlaceOuterAt(this, 1500, 4000);
}

void Form9::MnuClear_Click() {
    m_surface->clear();
}

void Form9::MnuPost_Click() {
    QPrintDialog dialog(&m_printer, this);
    dialog.setObjectName(QStringLiteral("Cd1"));
    // Cancel, or closing the dialog, prints nothing.
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!PrintImage()) {
        forms::ShowMessage(this, QStringLiteral("The form can't be printed."));
    }
}

void Form9::DrawRecord(const QString& bore, const QString& stroke, const QString& cylinders,
                       const QString& result) {
    m_surface->printAtColumn(kBoreColumn, bore);
    m_surface->printAtColumn(kStrokeColumn, stroke);
    m_surface->printAtColumn(kCylindersColumn, cylinders);
    m_surface->printAtColumn(kResultColumn, result);
    m_surface->endLine();
}

// The window's client image, the heading row of the menu bar and the rows below it, drawn anew at
// the printer's resolution rather than copied from the screen.
bool Form9::PrintImage() {
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        return false;
    }
    const double scale = m_printer.resolution() / static_cast<double>(logicalDpiY());
    painter.scale(scale, scale);

    QMenuBar* bar = menuBar();
    painter.setFont(forms::FontAtPixelSize(bar->font(), logicalDpiY()));
    painter.setPen(Qt::black);
    for (QAction* action : bar->actions()) {
        painter.drawText(bar->actionGeometry(action), Qt::AlignCenter, action->text());
    }
    const int headingHeight = bar->height();
    painter.drawLine(0, headingHeight - 1, width(), headingHeight - 1);
    painter.translate(0, headingHeight);
    painter.setClipRect(QRect(QPoint(), m_surface->size()));
    m_surface->paintDrawn(painter);
    return painter.end();
}
