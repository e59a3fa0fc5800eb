#include "Window.h"

#include "Control.h"

#include <algorithm>

namespace tk {

Window::Window(std::string name)
    : m_name(std::move(name))
{
}

Window::~Window() = default;

void Window::setCaption(const std::string& caption)
{
    if (replace(m_caption, caption))
        windowChanged();
}

void Window::setLeft(float left)
{
    if (replace(m_bounds.left, left))
        windowChanged();
}

void Window::setTop(float top)
{
    if (replace(m_bounds.top, top))
        windowChanged();
}

void Window::setClientSize(float width, float height)
{
    if (replace(m_bounds, Bounds{m_bounds.left, m_bounds.top, width, height}))
        windowChanged();
}

void Window::show()
{
    if (replace(m_visible, true))
        windowChanged();
    if (m_observer)
        m_observer->shown();
}

void Window::hide()
{
    if (replace(m_visible, false))
        windowChanged();
}

void Window::setBackColor(Colour colour)
{
    if (replace(m_backColor, colour))
        windowChanged();
}

void Window::setPicture(PictureRef picture, PicturePlace place)
{
    if (picture == m_picture && place == m_picturePlace)
        return;
    m_picture = std::move(picture);
    m_picturePlace = place;
    windowChanged();
}

void Window::setWindowState(WindowState state)
{
    if (replace(m_windowState, state))
        windowChanged();
}

void Window::setMousePointer(MousePointer pointer)
{
    if (replace(m_mousePointer, pointer))
        windowChanged();
}

void Window::zOrder(Control& control, int position)
{
    auto it = std::find(m_stacking.begin(), m_stacking.end(), &control);
    if (it == m_stacking.end())
        return;
    m_stacking.erase(it);
    if (position == 0)
        m_stacking.push_back(&control);
    else
        m_stacking.insert(m_stacking.begin(), &control);
    if (m_observer)
        m_observer->stackingChanged();
}

void Window::addControl(Control& control)
{
    m_controls.push_back(&control);
    if (control.isLightweight())
        m_stacking.push_back(&control);
}

void Window::removeControl(Control& control)
{
    std::erase(m_controls, &control);
    std::erase(m_stacking, &control);
}

void Window::controlChanged(Control& control, const Bounds& before)
{
    if (m_observer)
        m_observer->controlChanged(control, before);
}

void Window::windowChanged()
{
    if (m_observer)
        m_observer->windowChanged();
}

} // namespace tk
