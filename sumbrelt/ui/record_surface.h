// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record window's drawing surface: text drawn at character columns stays drawn through
// covering, minimising and resizing, and can be painted again on a printer at its resolution.
// It keeps what was drawn and where, line by line as the records were drawn, for the screen and
// the printer to paint and for a screen reader to read (record_list_accessible.h).

#include <QFont>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QPainter;

class RecordSurface : public QWidget {
    Q_OBJECT
public:
    explicit RecordSurface(QWidget* parent);

    // Draws the text from column n (1 at the left edge, one average character wide each); when the
    // drawing position already lies past that column's start, from column n of the next line.
    void printAtColumn(int column, const QString& text);
    void endLine();
    void clear();

    QPoint drawingPosition() const { return m_position; }
    void setColumnNames(const QStringList& names) { m_columnNames = names; }

    // What a screen reader reads: the records drawn so far, each as its texts under their headings.
    int recordCount() const { return m_record; }
    QString recordText(int record) const;
    QRect recordRect(int record) const;
    int columnX(int column) const;
    int lineHeight() const;

    // Paints what was drawn, in this surface's pixel units, on any device.
    void paintDrawn(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Run {
        QPoint topLeft;
        QString text;
        int record; // the record it belongs to, counted from 0 since the last clear
    };

    std::vector<Run> m_drawn;
    QPoint m_position;
    int m_record = 0;
    QStringList m_columnNames;
};
