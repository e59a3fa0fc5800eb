#pragma once

#include "Control.h"

namespace tk {

enum class ShapeKind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3 };
enum class BorderStyle { None = 0, Solid = 1 };
enum class FillStyle { Solid = 0, Transparent = 1 };
enum class BackStyle { Transparent = 0, Opaque = 1 };

// A light-weight shape. Its back colour shows as its fill when its back style is opaque.
class Shape : public Control {
public:
    Shape(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::Shape, std::move(name), index, container)
    {
    }

    ShapeKind shape() const { return m_shape; }
    void setShape(ShapeKind shape) { set(m_shape, shape); }
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style) { set(m_borderStyle, style); }
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width) { set(m_borderWidth, width); }
    Colour borderColor() const { return m_borderColor; }
    void setBorderColor(Colour colour) { set(m_borderColor, colour); }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle style) { set(m_fillStyle, style); }
    BackStyle backStyle() const { return m_backStyle; }
    void setBackStyle(BackStyle style) { set(m_backStyle, style); }

    void copyLookFrom(const Shape& other)
    {
        Control::copyLookFrom(other);
        m_shape = other.m_shape;
        m_borderStyle = other.m_borderStyle;
        m_borderWidth = other.m_borderWidth;
        m_borderColor = other.m_borderColor;
        m_fillStyle = other.m_fillStyle;
        m_backStyle = other.m_backStyle;
    }

private:
    ShapeKind m_shape = ShapeKind::Rectangle;
    BorderStyle m_borderStyle = BorderStyle::Solid;
    int m_borderWidth = 1;
    Colour m_borderColor = kBlack;
    FillStyle m_fillStyle = FillStyle::Transparent;
    BackStyle m_backStyle = BackStyle::Transparent;
};

} // namespace tk
