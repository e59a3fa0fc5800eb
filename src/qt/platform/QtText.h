#pragma once

#include <QString>

#include <string>

// The system's texts are UTF-8.
inline QString toQt(const std::string& text)
{
    return QString::fromStdString(text);
}
