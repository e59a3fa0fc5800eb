#pragma once

#include <QString>

#include <string>

// The system's texts are UTF-8, both ways.
inline QString toQt(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string toStd(const QString& text)
{
    return text.toStdString();
}
