#pragma once
// The GDI fonts of a grid's cells, one per distinct LOGFONTW: thousands of cells
// with the same font share one handle instead of each holding its own.
#include "Framework.h"

#include <map>
#include <memory>
#include <string>

class CGridFontCache {
public:
    // The font for the description, made on first use; null when it cannot be made.
    CFont* FontFor(const LOGFONTW& font);
    size_t FontCount() const { return m_fonts.size(); }

private:
    std::map<std::string, std::unique_ptr<CFont>> m_fonts;
};
