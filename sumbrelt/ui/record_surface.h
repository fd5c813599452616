#pragma once
// The record window's drawing surface: text drawn at character columns stays drawn through
// covering, minimising and resizing, and can be painted again on a printer at its resolution.
// It keeps what was drawn and where, nothing else: no records, nothing read back.

#include <QFont>
#include <QPoint>
#include <QString>
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
    };

    std::vector<Run> m_drawn;
    QPoint m_position;
};
