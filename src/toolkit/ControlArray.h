#pragma once

#include <cassert>
#include <map>
#include <memory>
#include <string>

namespace tk {

class Window;
class Control;

// An indexed group of like controls, such as ShapeS(0..4). Elements made in the design are
// added with add(); load() makes a new element as a copy of element 0.
template <class T> class ControlArray {
public:
    ControlArray(Window& owner, std::string name)
        : m_owner(owner)
        , m_name(std::move(name))
    {
    }

    T& add(int index, Control* container = nullptr)
    {
        auto& slot = m_items[index];
        slot = std::make_unique<T>(m_owner, m_name, index, container);
        return *slot;
    }

    T& load(int index)
    {
        const T& first = (*this)[0];
        T& copy = add(index, first.container());
        copy.copyLookFrom(first);
        return copy;
    }

    T& operator[](int index) const
    {
        auto it = m_items.find(index);
        assert(it != m_items.end());
        return *it->second;
    }

private:
    Window& m_owner;
    std::string m_name;
    std::map<int, std::unique_ptr<T>> m_items;
};

} // namespace tk
