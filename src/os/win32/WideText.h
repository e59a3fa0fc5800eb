#pragma once

#include <string>

// UTF-8, the program's text, to and from UTF-16, Windows' own.
namespace os::wideText {

std::wstring fromUtf8(const std::string& text);
std::string toUtf8(const std::wstring& text);

} // namespace os::wideText
