#pragma once

#include <QTextLayout>

#include <string_view>

class QFont;
class QPainter;
class QRectF;
class QString;

// A single line of text laid out once, drawn in a rectangle as QPainter::drawText draws it
// there. The face shows the same few figures over and over; laying one out (itemizing, shaping,
// measuring) costs more than drawing it, and a figure is one of sixty.
class LaidOutText {
public:
    LaidOutText(const QString& text, const QFont& font);

    // Whether drawText would lay out `utf8` as this draws it: a single line of one form.
    static bool canLayOut(std::string_view utf8);
    // Draws the line aligned in `rect` by the Qt alignment `flags`.
    void draw(QPainter& painter, const QRectF& rect, int flags) const;

private:
    QTextLayout m_layout;
};
