#pragma once

#include <memory>

namespace tk {

// A picture the platform has loaded or made. Its pixels stay with the platform; the system
// only hands pictures from one box to another and asks for their size.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int widthPixels() const = 0;
    virtual int heightPixels() const = 0;
};

using PictureRef = std::shared_ptr<const Picture>;

} // namespace tk
