#include "LineWidget.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

LineWidget::LineWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LineWidget::setLine(QPoint from, QPoint to, QColor colour, int width)
{
    const int pen = std::max(1, width);
    const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
    const QPoint bottomRight(std::max(from.x(), to.x()), std::max(from.y(), to.y()));
    // The pen's width reaches past the ends, so the widget grows by it on every side.
    const QRect area = QRect(topLeft, bottomRight).adjusted(-pen, -pen, pen, pen);
    m_from = from - area.topLeft();
    m_to = to - area.topLeft();
    m_colour = colour;
    m_width = pen;
    setGeometry(area);
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width));
    painter.drawLine(m_from, m_to);
}
