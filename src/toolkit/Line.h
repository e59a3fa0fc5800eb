#pragma once

#include "Control.h"

#include <algorithm>

namespace tk {

// A light-weight straight line between two points, in twips.
class Line : public Control {
public:
    Line(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::Line, std::move(name), index, container)
    {
    }

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setX1(float x) { setEnds(x, m_y1, m_x2, m_y2); }
    void setY1(float y) { setEnds(m_x1, y, m_x2, m_y2); }
    void setX2(float x) { setEnds(m_x1, m_y1, x, m_y2); }
    void setY2(float y) { setEnds(m_x1, m_y1, m_x2, y); }
    void setEnds(float x1, float y1, float x2, float y2)
    {
        if (x1 == m_x1 && y1 == m_y1 && x2 == m_x2 && y2 == m_y2)
            return;
        const Bounds before = bounds();
        m_x1 = x1;
        m_y1 = y1;
        m_x2 = x2;
        m_y2 = y2;
        changed(before);
    }

    Colour borderColor() const { return m_borderColor; }
    void setBorderColor(Colour colour) { set(m_borderColor, colour); }
    int borderWidth() const { return m_borderWidth; }

    Bounds bounds() const override
    {
        const float left = std::min(m_x1, m_x2);
        const float top = std::min(m_y1, m_y2);
        return {left, top, std::max(m_x1, m_x2) - left, std::max(m_y1, m_y2) - top};
    }

private:
    float m_x1 = 0;
    float m_y1 = 0;
    float m_x2 = 0;
    float m_y2 = 0;
    Colour m_borderColor = kBlack;
    int m_borderWidth = 1;
};

} // namespace tk
