#pragma once

#include "Colour.h"
#include "FormFonts.h"
#include "FormKeys.h"
#include "PixelGeometry.h"
#include "Units.h"
#include "Window.h"

#include <windows.h>

#include <map>
#include <optional>
#include <vector>

class TickLoop;

// A dialog-like toolkit window (the settings dialog, the picture chooser) as a top-level
// window of native controls, placed at the toolkit window's twip positions for the monitor's
// dots per inch. The two are kept in step both ways: the toolkit's changes reach the controls
// through its notices, and the user's clicks, edits and choices reach the toolkit's handlers.
class FormWindow : public tk::Window::Observer {
public:
    FormWindow(HINSTANCE instance, tk::Window& window, HWND owner);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND handle() const { return m_handle; }
    tk::Window& toolkitWindow() const { return m_window; }
    // Shows the window and returns once the toolkit window has hidden itself. Meanwhile the
    // program's other windows take no input, and their timers and the run's ticks keep
    // running.
    void execModal(TickLoop& ticks);
    // Gives the window's keyboard rules (Tab, Enter, Escape) the first look at a message for
    // it or its controls; true when they took it.
    bool takeDialogMessage(MSG& message);

    void controlChanged(tk::Control& control, const tk::Bounds& before) override;
    void windowChanged() override;
    void stackingChanged() override;
    void shown() override;

private:
    struct Native {
        tk::Control* control;
        HWND handle;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    Native& nativeFor(tk::Control& control);
    Native* nativeOf(HWND handle);
    void syncControl(Native& native);
    void syncAll();
    // Frames stand beneath the controls they hold, and labels beneath windowed controls.
    void restack();
    void applyWindow();
    // The control's area in pixels of the form's client area.
    tk::PixelRect placeOf(const tk::Control& control) const;
    HBRUSH brushFor(tk::Colour colour);
    LRESULT colourStatic(HDC dc, HWND control);
    LRESULT colourEdit(HDC dc, HWND control);
    void command(WORD id, WORD code);
    void drawPicture(const DRAWITEMSTRUCT& item);
    void paint();
    bool press(FormKey key);
    void userMoved();
    void dotsPerInchChanged(UINT dotsPerInch);

    tk::Window& m_window;
    HWND m_handle = nullptr;
    tk::Units m_units;
    // The native controls by command identifier, less kFirstId.
    std::vector<Native> m_natives;
    FormFonts m_fonts;
    std::map<tk::Colour, HBRUSH> m_brushes;
    // Set while the toolkit's state is copied into the controls, whose notices it then ignores.
    bool m_copying = false;
    bool m_followingUserMove = false;
    std::optional<POINT> m_appliedPosition;
};
