#pragma once

#include "FaceView.h"
#include "FaceWindow.h"
#include "MonitorCovers.h"
#include "RunPolicy.h"

#include <windows.h>

#include <memory>
#include <optional>

class TickLoop;

// The clock window on the screen: full screen and topmost on the primary monitor, the other
// monitors black. It shows the face at its own size, and hands typed characters and pointer
// moves to the window's rules as the run's policy lets it.
class ClockWindow : public FaceWindow {
public:
    ClockWindow(HINSTANCE instance, tk::Window& window, const RunPolicy& policy, TickLoop& ticks);
    ~ClockWindow() override;
    ClockWindow(const ClockWindow&) = delete;
    ClockWindow& operator=(const ClockWindow&) = delete;

    HWND handle() const override { return m_handle; }
    tk::Window& toolkitWindow() const override { return m_window; }
    tk::Units units() const override { return m_units; }
    tk::PixelSize layoutSize() const override;

    void controlChanged(tk::Control& control, const tk::Bounds& before) override;
    void windowChanged() override;
    void stackingChanged() override;
    void shown() override;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void pointerMoved();
    bool setPointer();
    void dotsPerInchChanged(UINT dotsPerInch, const RECT& suggested);
    // Makes the face's buffer and repaint rules anew for the units and the primary monitor.
    void layOut();
    void applyGeometry();
    void applyVisibility();

    HINSTANCE m_instance;
    tk::Window& m_window;
    const RunPolicy& m_policy;
    HWND m_handle = nullptr;
    tk::Units m_units;
    std::unique_ptr<FaceView> m_view;
    std::unique_ptr<MonitorCovers> m_covers;
    // Where the pointer last stood: Windows also reports moves it did not make.
    std::optional<POINT> m_pointer;
};
