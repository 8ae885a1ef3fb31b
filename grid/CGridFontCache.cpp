#include "CGridFontCache.h"

#include <cstring>

CFont* CGridFontCache::FontFor(const LOGFONTW& font)
{
    // Whatever follows the face name's terminator does not make another font.
    LOGFONTW clean = font;
    const size_t nameLength = wcsnlen(clean.lfFaceName, LF_FACESIZE);
    std::memset(clean.lfFaceName + nameLength, 0, (LF_FACESIZE - nameLength) * sizeof(wchar_t));
    std::string key(reinterpret_cast<const char*>(&clean), sizeof(clean));
    auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return found->second.get();
    auto made = std::make_unique<CFont>();
    if (!made->CreateFontIndirect(&clean))
        return nullptr;
    return m_fonts.emplace(std::move(key), std::move(made)).first->second.get();
}
