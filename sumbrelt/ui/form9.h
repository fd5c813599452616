// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record window: posted records drawn as lines of text under a menu bar whose titles head the
// columns, with File > Clear Records and File > Print. It keeps no records of its own; closing it
// discards what was drawn.

#include <QMainWindow>
#include <QPrinter>

class QAction;
class RecordSurface;

class Form9 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form9(QWidget* parent = nullptr);

    void Form_Load();
    void MnuClear_Click();
    void MnuPost_Click();

    // One record: the four texts at their columns, then the end of the line.
    void DrawRecord(const QString& bore, const QString& stroke, const QString& cylinders,
                    const QString& result);

    RecordSurface* surface() const { return m_surface; }
    QPrinter* printer() { return &m_printer; }

private:
    bool PrintImage();

    RecordSurface* m_surface;
    QPrinter m_printer;
};
