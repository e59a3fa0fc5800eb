#include "Control.h"

#include "Window.h"

namespace tk {

Control::Control(Window& owner, ControlKind kind, std::string name, int index, Control* container)
    : m_owner(owner)
    , m_kind(kind)
    , m_name(std::move(name))
    , m_index(index)
    , m_container(container)
{
    m_owner.addControl(*this);
}

Control::~Control()
{
    m_owner.removeControl(*this);
}

bool Control::isLightweight() const
{
    return m_kind == ControlKind::Shape || m_kind == ControlKind::Line ||
           m_kind == ControlKind::Label;
}

void Control::setLeft(float left)
{
    move(left, m_bounds.top, m_bounds.width, m_bounds.height);
}

void Control::setTop(float top)
{
    move(m_bounds.left, top, m_bounds.width, m_bounds.height);
}

void Control::setWidth(float width)
{
    move(m_bounds.left, m_bounds.top, width, m_bounds.height);
}

void Control::setHeight(float height)
{
    move(m_bounds.left, m_bounds.top, m_bounds.width, height);
}

void Control::move(float left, float top, float width, float height)
{
    const Bounds next{left, top, width, height};
    if (next == m_bounds)
        return;
    const Bounds before = bounds();
    m_bounds = next;
    changed(before);
}

void Control::setVisible(bool visible)
{
    set(m_visible, visible);
}

void Control::setEnabled(bool enabled)
{
    set(m_enabled, enabled);
}

void Control::setForeColor(Colour colour)
{
    set(m_foreColor, colour);
}

void Control::setBackColor(Colour colour)
{
    set(m_backColor, colour);
}

void Control::setCaption(const std::string& caption)
{
    set(m_caption, caption);
}

void Control::setFont(const Font& font)
{
    set(m_font, font);
}

void Control::setFontName(const std::string& name)
{
    Font font = m_font;
    font.name = name;
    setFont(font);
}

void Control::setFontSize(float size)
{
    Font font = m_font;
    font.size = size;
    setFont(font);
}

void Control::setFontBold(bool bold)
{
    Font font = m_font;
    font.bold = bold;
    setFont(font);
}

void Control::copyLookFrom(const Control& other)
{
    m_bounds = other.m_bounds;
    m_enabled = other.m_enabled;
    m_foreColor = other.m_foreColor;
    m_backColor = other.m_backColor;
    m_caption = other.m_caption;
    m_font = other.m_font;
    // A new element of a group starts hidden, whatever element 0 shows.
    m_visible = false;
}

void Control::changed(const Bounds& before)
{
    m_owner.controlChanged(*this, before);
}

} // namespace tk
