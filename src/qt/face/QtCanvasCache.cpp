#include "QtCanvasCache.h"

#include "QtText.h"
#include "ScreenFont.h"

#include <algorithm>
#include <functional>

namespace {

// The face shows a few fonts; more than this many different ones and the oldest is made again
// when it is next needed.
constexpr std::size_t kFontsKept = 16;
// The figures and captions of a face come to a few hundred texts; should texts keep changing
// beyond that, the kept ones are let go and laid out again when next drawn.
constexpr std::size_t kTextsKept = 512;

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

std::size_t QtCanvasCache::TextKeyHash::operator()(const TextKey& key) const
{
    return std::hash<std::string>()(key.text) ^ (std::hash<std::string>()(key.font.name) << 1) ^
           std::hash<int>()(key.dpi);
}

const LaidOutText& QtCanvasCache::laidOut(const std::string& text, const tk::Font& font,
                                          const QFont& deviceFont, int dpi)
{
    TextKey key{text, font, dpi};
    if (const auto kept = m_texts.find(key); kept != m_texts.end())
        return kept->second;
    if (m_texts.size() >= kTextsKept)
        m_texts.clear();
    return m_texts.try_emplace(std::move(key), toQt(text), deviceFont).first->second;
}
