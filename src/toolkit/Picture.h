#pragma once

#include <memory>

namespace tk {

// A picture the platform has loaded or made. Its pixels and its size stay with the platform;
// the system only hands pictures from one box to another.
class Picture {
public:
    virtual ~Picture() = default;
};

using PictureRef = std::shared_ptr<const Picture>;

} // namespace tk
