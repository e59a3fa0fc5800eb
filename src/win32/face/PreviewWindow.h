#pragma once

#include "FaceView.h"
#include "FaceWindow.h"
#include "RunPolicy.h"

#include <windows.h>

#include <memory>

class TickLoop;

// The face drawn live in the little monitor of Screen Saver Settings: a child of the window
// that "/p" names, covering its client area, with the face laid out for a screen of at least
// the smallest size and scaled to fit. It takes no input. The run ends with that window, which
// destroys its children as it goes; since it belongs to another process, it is also looked for
// at each second, in case its end is never told.
class PreviewWindow : public FaceWindow {
public:
    PreviewWindow(HINSTANCE instance, tk::Window& window, const RunPolicy& policy, TickLoop& ticks,
                  HWND parent);
    ~PreviewWindow() override;
    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    HWND handle() const override { return m_handle; }
    tk::Window& toolkitWindow() const override { return m_window; }
    tk::Units units() const override { return m_units; }
    tk::PixelSize layoutSize() const override { return m_view->layoutSize(); }

    void controlChanged(tk::Control& control, const tk::Bounds& before) override;
    void windowChanged() override;
    void stackingChanged() override;
    void shown() override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void checkParent() const;

    tk::Window& m_window;
    HWND m_parent;
    HWND m_handle = nullptr;
    tk::Units m_units;
    std::unique_ptr<FaceView> m_view;
};
