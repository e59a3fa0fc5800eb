#include "FormFonts.h"

#include "CaptionFit.h"
#include "Control.h"
#include "WideText.h"

namespace {

constexpr char kBitmapFace[] = "MS Sans Serif";
constexpr wchar_t kScalableFace[] = L"Microsoft Sans Serif";
// Room that a frame's caption leaves free: the indent before it and the gap after it.
constexpr int kFrameCaptionMargin = 16;
// Room around a push button's caption for its bevel.
constexpr int kButtonCaptionMargin = 8;
// Room beside the mark of an option or a check box for the gap and the focus frame.
constexpr int kMarkSpacing = 6;
// A frame's caption is never wrapped, so its height sets no limit.
constexpr int kUnlimited = 1 << 20;

struct CaptionRoom {
    TextExtent area;
    bool wrap = false;
};

CaptionRoom roomOf(const tk::Control& control, HWND handle)
{
    RECT client;
    ::GetClientRect(handle, &client);
    const int width = client.right;
    const int height = client.bottom;
    switch (control.kind()) {
    case tk::ControlKind::Frame:
        return {{width - kFrameCaptionMargin, kUnlimited}, false};
    case tk::ControlKind::Label:
        return {{width, height}, true};
    case tk::ControlKind::OptionButton:
    case tk::ControlKind::CheckBox: {
        const int mark = ::GetSystemMetricsForDpi(SM_CXMENUCHECK, ::GetDpiForWindow(handle));
        return {{width - mark - kMarkSpacing, height}, false};
    }
    case tk::ControlKind::CommandButton:
        return {{width - kButtonCaptionMargin, height}, false};
    default:
        return {};
    }
}

// Measures a caption with GDI's metrics of the control's face.
class GdiCaptionMeasure : public CaptionMeasure {
public:
    GdiCaptionMeasure(FormFonts& fonts, std::wstring face, bool bold, std::wstring text)
        : m_fonts(fonts)
        , m_face(std::move(face))
        , m_bold(bold)
        , m_text(std::move(text))
        , m_dc(::CreateCompatibleDC(nullptr))
    {
    }
    ~GdiCaptionMeasure() override { ::DeleteDC(m_dc); }
    GdiCaptionMeasure(const GdiCaptionMeasure&) = delete;
    GdiCaptionMeasure& operator=(const GdiCaptionMeasure&) = delete;

    int lineWidth(int pixelSize) const override
    {
        ::SelectObject(m_dc, m_fonts.font(m_face, pixelSize, m_bold));
        SIZE size{};
        ::GetTextExtentPoint32W(m_dc, m_text.c_str(), static_cast<int>(m_text.size()), &size);
        return size.cx;
    }

    TextExtent wrappedExtent(int pixelSize, int width) const override
    {
        ::SelectObject(m_dc, m_fonts.font(m_face, pixelSize, m_bold));
        RECT needed{0, 0, width, 0};
        ::DrawTextW(m_dc, m_text.c_str(), static_cast<int>(m_text.size()), &needed,
                    DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return {needed.right, needed.bottom};
    }

private:
    FormFonts& m_fonts;
    std::wstring m_face;
    bool m_bold;
    std::wstring m_text;
    HDC m_dc;
};

} // namespace

FormFonts::~FormFonts()
{
    clear();
}

void FormFonts::setUnits(tk::Units units)
{
    m_units = units;
    clear();
}

void FormFonts::clear()
{
    for (const auto& [key, font] : m_fonts)
        ::DeleteObject(font);
    m_fonts.clear();
}

HFONT FormFonts::fontFor(const tk::Control& control, HWND handle)
{
    // MS Sans Serif is a bitmap face of a few sizes with the Western letters only; its
    // TrueType successor scales with the dots per inch and has the Cyrillic ones.
    const tk::Font& chosen = control.font();
    const std::wstring face = chosen.name == kBitmapFace ? std::wstring(kScalableFace)
                                                         : os::wideText::fromUtf8(chosen.name);
    int pixels = m_units.fontPixels(chosen.size);
    const CaptionRoom room = roomOf(control, handle);
    if (room.area.width > 0 && room.area.height > 0 && !control.caption().empty()) {
        const GdiCaptionMeasure measure(*this, face, chosen.bold,
                                        os::wideText::fromUtf8(control.caption()));
        pixels = CaptionFit::fittedPixelSize(pixels, room.area, room.wrap, measure);
    }
    return font(face, pixels, chosen.bold);
}

HFONT FormFonts::font(const std::wstring& face, int pixels, bool bold)
{
    const Key key{face, pixels, bold};
    const auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return found->second;
    const HFONT made = ::CreateFontW(
        -pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
    m_fonts.emplace(key, made);
    return made;
}
