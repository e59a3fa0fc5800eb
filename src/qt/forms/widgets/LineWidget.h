#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

// Draws one straight line and lets the mouse through to whatever lies beneath it.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent = nullptr);

    // The ends are in the coordinates of the parent widget; the widget covers them both.
    void setLine(QPoint from, QPoint to, QColor colour, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
    int m_width = 1;
};
