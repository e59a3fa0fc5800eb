#pragma once

#include "Picture.h"

#include <string>

namespace fake {

// A picture that only knows its size and where it came from.
class FakePicture : public tk::Picture {
public:
    FakePicture(std::string source, int width, int height)
        : m_source(std::move(source))
        , m_width(width)
        , m_height(height)
    {
    }

    int widthPixels() const override { return m_width; }
    int heightPixels() const override { return m_height; }
    const std::string& source() const { return m_source; }

private:
    std::string m_source;
    int m_width;
    int m_height;
};

} // namespace fake
