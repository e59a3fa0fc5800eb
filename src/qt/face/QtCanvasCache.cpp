#include "QtCanvasCache.h"

#include "ScreenFont.h"

#include <algorithm>

namespace {

// The face shows a few fonts; more than this many different ones and the oldest is made again
// when it is next needed.
constexpr std::size_t kFontsKept = 16;

} // namespace

const QFont& QtCanvasCache::font(const tk::Font& font)
{
    const auto kept = std::find_if(m_fonts.begin(), m_fonts.end(),
                                   [&font](const auto& entry) { return entry.first == font; });
    if (kept != m_fonts.end())
        return kept->second;
    if (m_fonts.size() >= kFontsKept)
        m_fonts.erase(m_fonts.begin());
    return m_fonts.emplace_back(font, ScreenFont::fromFont(font, m_units)).second;
}
