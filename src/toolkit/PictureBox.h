#pragma once

#include "Control.h"
#include "Picture.h"

namespace tk {

// A windowed box that shows a picture in its middle; it always stands above the
// window's light-weight controls.
class PictureBox : public Control {
public:
    PictureBox(Window& owner, std::string name, int index = -1, Control* container = nullptr)
        : Control(owner, ControlKind::PictureBox, std::move(name), index, container)
    {
    }

    const PictureRef& picture() const { return m_picture; }
    void setPicture(PictureRef picture) { set(m_picture, std::move(picture)); }

private:
    PictureRef m_picture;
};

} // namespace tk
