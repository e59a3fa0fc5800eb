#pragma once

#include "Window.h"

#include <functional>

// Watches a dialog-like window that has never been shown, so that its Qt widgets are made
// only when it first comes on the screen: a settings dialog or picture chooser that a run
// never opens costs no widgets, fonts or text layouts. On the first show it calls `make`,
// which builds the form view from the window's state at that moment; the view then watches
// the window itself.
class PendingFormView : public tk::Window::Observer {
public:
    PendingFormView(tk::Window& window, std::function<void()> make)
        : m_window(window)
        , m_make(std::move(make))
    {
        m_window.setObserver(this);
    }

    void controlChanged(tk::Control&, const tk::Bounds&) override {}
    void stackingChanged() override {}
    void windowChanged() override
    {
        if (m_window.visible())
            makeView();
    }
    void shown() override { makeView(); }

private:
    void makeView()
    {
        if (m_make)
            std::exchange(m_make, nullptr)();
    }

    tk::Window& m_window;
    std::function<void()> m_make;
};
