#pragma once

#include "Bounds.h"
#include "Colour.h"
#include "Picture.h"

#include <string>
#include <vector>

namespace tk {

class Control;

enum class WindowState { Normal = 0, Minimised = 1, Maximised = 2 };
enum class MousePointer { Default = 0, Crosshair = 2, Custom = 99 };
// Where the window's picture stands: at its own size from the top left corner, or with its
// middle at the middle of what the window shows (for a maximised window, the screen's). What
// falls outside the window is cut.
enum class PicturePlace { TopLeft, Middle };
// What a window is to the front end that shows it: the clock face, which it paints itself, or
// a form of native controls, such as a dialog.
enum class WindowRole { Form, ClockFace };

// A top-level window: its own properties, the controls it holds, and the stacking order of
// its light-weight controls (shapes, lines, labels). Whoever presents the window watches it
// through an Observer; the window itself draws nothing.
class Window {
public:
    class Observer {
    public:
        virtual ~Observer() = default;
        // `before` is the area, relative to the control's container, that it covered before.
        virtual void controlChanged(Control& control, const Bounds& before) = 0;
        virtual void windowChanged() = 0;
        virtual void stackingChanged() = 0;
        // The window was shown, or shown again, which brings it to the front.
        virtual void shown() = 0;
    };

    explicit Window(std::string name);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return m_name; }
    WindowRole role() const { return m_role; }
    // Set by the system as it makes the window, before the front end first sees it.
    void setRole(WindowRole role) { m_role = role; }
    // The window's load step; it runs once, when the window is first used.
    virtual void Form_Load() {}
    // The user's input: a character typed while the window is active, and a move of the mouse
    // over it. Whoever presents the window delivers them.
    virtual void Form_KeyPress(int /*KeyAscii*/) {}
    virtual void Form_MouseMove() {}

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    float left() const { return m_bounds.left; }
    float top() const { return m_bounds.top; }
    float width() const { return m_bounds.width; }
    float height() const { return m_bounds.height; }
    void setLeft(float left);
    void setTop(float top);
    // The design size of the client area, in twips.
    void setClientSize(float width, float height);
    Bounds bounds() const { return m_bounds; }

    bool visible() const { return m_visible; }
    // Shows the window modeless and brings it to the front, also when it is shown already.
    void show();
    void hide();

    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    const PictureRef& picture() const { return m_picture; }
    PicturePlace picturePlace() const { return m_picturePlace; }
    void setPicture(PictureRef picture, PicturePlace place = PicturePlace::TopLeft);
    WindowState windowState() const { return m_windowState; }
    void setWindowState(WindowState state);
    MousePointer mousePointer() const { return m_mousePointer; }
    void setMousePointer(MousePointer pointer);

    // Every control, in the order it was made.
    const std::vector<Control*>& controls() const { return m_controls; }
    // The light-weight controls from the back to the front.
    const std::vector<Control*>& stacking() const { return m_stacking; }
    // Position 0 brings a light-weight control to the front, 1 sends it to the back.
    void zOrder(Control& control, int position);

    void setObserver(Observer* observer) { m_observer = observer; }

private:
    friend class Control;
    void addControl(Control& control);
    void removeControl(Control& control);
    void controlChanged(Control& control, const Bounds& before);
    void windowChanged();

    std::string m_name;
    WindowRole m_role = WindowRole::Form;
    std::string m_caption;
    Bounds m_bounds;
    bool m_visible = false;
    Colour m_backColor = 0xC0C0C0;
    PictureRef m_picture;
    PicturePlace m_picturePlace = PicturePlace::TopLeft;
    WindowState m_windowState = WindowState::Normal;
    MousePointer m_mousePointer = MousePointer::Default;
    std::vector<Control*> m_controls;
    std::vector<Control*> m_stacking;
    Observer* m_observer = nullptr;
};

} // namespace tk
