#pragma once

#include "Bounds.h"
#include "Colour.h"
#include "Font.h"

#include <string>
#include <utility>

namespace tk {

class Window;

// Gives `field` the value; true when that changed it. Every setter of the toolkit reports a
// change only then, so that whoever presents a window hears of each change once and of nothing
// else.
template <class T> bool replace(T& field, T value)
{
    if (field == value)
        return false;
    field = std::move(value);
    return true;
}

enum class ControlKind {
    Shape,
    Line,
    Label,
    TextBox,
    PictureBox,
    OptionButton,
    CheckBox,
    Frame,
    CommandButton,
    Timer,
    DriveListBox,
    DirListBox,
    FileListBox,
};

// What every widget of a window has: a name and index, a place in twips relative to its
// container, visibility, enabled state, colours, a caption (or text) and a font. Every change
// is reported to the window, which tells whoever presents it.
class Control {
public:
    Control(Window& owner, ControlKind kind, std::string name, int index = -1,
            Control* container = nullptr);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return m_kind; }
    Window& owner() const { return m_owner; }
    const std::string& name() const { return m_name; }
    int index() const { return m_index; }
    Control* container() const { return m_container; }
    // Moves the control into another frame (or, with null, onto the window itself).
    void setContainer(Control* container) { set(m_container, container); }
    bool isLightweight() const;

    float left() const { return m_bounds.left; }
    float top() const { return m_bounds.top; }
    float width() const { return m_bounds.width; }
    float height() const { return m_bounds.height; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void move(float left, float top, float width, float height);
    // The area the control covers, in twips relative to its container.
    virtual Bounds bounds() const { return m_bounds; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    Colour foreColor() const { return m_foreColor; }
    void setForeColor(Colour colour);
    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    // Text boxes call their caption Text.
    const std::string& text() const { return m_caption; }
    void setText(const std::string& text) { setCaption(text); }

    const Font& font() const { return m_font; }
    void setFont(const Font& font);
    void setFontName(const std::string& name);
    void setFontSize(float size);
    void setFontBold(bool bold);

    // Copies what a new element of an indexed group takes over from element 0.
    void copyLookFrom(const Control& other);

protected:
    // Reports a change; `before` is the area the control covered before it.
    void changed(const Bounds& before);
    void changed() { changed(bounds()); }
    // Sets one of the control's properties and reports the change, if it is one.
    template <class T> void set(T& field, T value)
    {
        if (replace(field, std::move(value)))
            changed();
    }

private:
    Window& m_owner;
    ControlKind m_kind;
    std::string m_name;
    int m_index;
    Control* m_container;
    Bounds m_bounds;
    bool m_visible = true;
    bool m_enabled = true;
    Colour m_foreColor = kBlack;
    Colour m_backColor = kWhite;
    std::string m_caption;
    Font m_font;
};

} // namespace tk
