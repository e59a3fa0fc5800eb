#include "LaidOutText.h"

#include <QPainter>
#include <QString>
#include <QTextLine>

#include <algorithm>

namespace {

// drawText's own line width for a line that does not wrap.
constexpr qreal kUnwrappedLineWidth = 0x01000000;
// drawText's mark between the length forms of one text, U+009C, in UTF-8.
constexpr std::string_view kLengthFormMark = "\xc2\x9c";

// The height drawText gives the line when it aligns it: its ascent and descent as laid out,
// where QTextLine::height() rounds them up to a whole pixel.
qreal alignedHeight(const QTextLine& line)
{
    const qreal leading = line.leadingIncluded() ? std::max(0.0, line.leading()) : 0;
    return line.ascent() + line.descent() + leading;
}

} // namespace

LaidOutText::LaidOutText(const QString& text, const QFont& font)
    : m_layout(text, font)
{
    QTextOption option;
    option.setAlignment(Qt::AlignLeft);
    option.setTextDirection(Qt::LeftToRight);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);
    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    line.setLineWidth(kUnwrappedLineWidth);
    line.setPosition(QPointF(0, 0));
    m_layout.endLayout();
}

// Line breaks, tabs and length forms are drawText's to turn into something else first.
bool LaidOutText::canLayOut(std::string_view utf8)
{
    return !utf8.empty() && utf8.find_first_of("\n\r\t") == std::string_view::npos &&
           utf8.find(kLengthFormMark) == std::string_view::npos;
}

void LaidOutText::draw(QPainter& painter, const QRectF& rect, int flags) const
{
    const QTextLine line = m_layout.lineAt(0);
    qreal top = 0;
    if (flags & Qt::AlignBottom)
        top = rect.height() - alignedHeight(line);
    else if (flags & Qt::AlignVCenter)
        top = (rect.height() - alignedHeight(line)) / 2;
    qreal left = 0;
    if (flags & Qt::AlignRight)
        left = rect.width() - line.horizontalAdvance();
    else if (flags & Qt::AlignHCenter)
        left = (rect.width() - line.horizontalAdvance()) / 2;
    line.draw(&painter, rect.topLeft() + QPointF(left, top));
}
