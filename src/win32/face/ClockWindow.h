#pragma once

#include "Area.h"
#include "FaceBuffer.h"
#include "MonitorCovers.h"
#include "RepaintAreas.h"
#include "RunPolicy.h"
#include "Units.h"
#include "Window.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

namespace tk {
class Timer;
}

// The clock window on the screen: full screen and topmost on the primary monitor, the other
// monitors black. It paints the face into its buffer where a change touched it and copies that
// to the screen, drives the toolkit window's timers with the system's, and hands typed
// characters and pointer moves to the window's rules as the run's policy lets it.
class ClockWindow : public tk::Window::Observer {
public:
    ClockWindow(HINSTANCE instance, tk::Window& window, const RunPolicy& policy);
    ~ClockWindow() override;
    ClockWindow(const ClockWindow&) = delete;
    ClockWindow& operator=(const ClockWindow&) = delete;

    HWND handle() const { return m_handle; }
    tk::Window& toolkitWindow() const { return m_window; }
    // The units of the monitor the window stands on.
    tk::Units units() const { return m_units; }

    // The primary monitor's area, in pixels of the screen.
    static RECT primaryMonitor();
    // The units of the primary monitor, for a run whose window is not made yet.
    static tk::Units primaryUnits();

    void controlChanged(tk::Control& control, const tk::Bounds& before) override;
    void windowChanged() override;
    void stackingChanged() override;
    void shown() override;

private:
    // A toolkit timer and the system timer that delivers its ticks.
    struct TimerSlot {
        tk::Timer* timer;
        bool active = false;
        bool aligned = false;
        int interval = 0;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void tick(UINT_PTR id);
    void pointerMoved();
    bool setPointer();
    void dotsPerInchChanged(UINT dotsPerInch, const RECT& suggested);
    // Starts, restarts or stops the system timer of a slot after a change of its toolkit timer.
    void syncTimer(std::size_t slot);
    void armAlignedTimer(std::size_t slot);
    // Makes the face's buffer and repaint rules anew for the units and the primary monitor.
    void layOut();
    void applyGeometry();
    void applyVisibility();
    void repaint(const scene::Area& area);
    void repaintAll();

    HINSTANCE m_instance;
    tk::Window& m_window;
    const RunPolicy& m_policy;
    HWND m_handle = nullptr;
    tk::Units m_units;
    std::unique_ptr<FaceBuffer> m_buffer;
    std::unique_ptr<scene::RepaintAreas> m_repaintAreas;
    // What the buffer has yet to paint before it is copied to the screen.
    scene::Area m_dirty;
    std::vector<TimerSlot> m_timers;
    std::unique_ptr<MonitorCovers> m_covers;
    // Where the pointer last stood: Windows also reports moves it did not make.
    std::optional<POINT> m_pointer;
};
