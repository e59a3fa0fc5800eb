#pragma once

// The window classes of the program's own windows, by which one room finds another's windows
// on the thread without knowing its code.
namespace WindowClasses {

constexpr wchar_t kFace[] = L"TikoraClockFace";
constexpr wchar_t kCover[] = L"TikoraClockCover";
constexpr wchar_t kPreview[] = L"TikoraClockPreview";
constexpr wchar_t kForm[] = L"TikoraClockForm";
constexpr wchar_t kTicks[] = L"TikoraClockTicks";

} // namespace WindowClasses
