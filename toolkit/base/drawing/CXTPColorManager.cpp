#include "CXTPColorManager.h"

#include <algorithm>

CXTPColorManager::CXTPColorManager()
{
    std::fill(std::begin(m_override), std::end(m_override), COLORREF(-1));
    std::fill(std::begin(m_scheme), std::end(m_scheme), COLORREF(-1));
    m_gradients[7].SetStandardValue(0x8CD5FF, 0x55ADFF);
    m_gradients[8].SetStandardValue(0x4B8EFE, 0x8BCFFF);
    m_gradients[9].SetStandardValue(0xC8F2FF, 0x97D4FF);
    RefreshColors();
}

COLORREF CXTPColorManager::GetColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= kColorCount)
        return COLORREF(nIndex);
    return m_override[nIndex] != COLORREF(-1) ? m_override[nIndex] : m_standard[nIndex];
}

COLORREF CXTPColorManager::GetSchemeOrStandardColor(int nIndex) const
{
    if (nIndex >= kFirstToolkitColor && nIndex < kColorCount && m_scheme[nIndex] != COLORREF(-1))
        return m_scheme[nIndex];
    return GetColor(nIndex);
}

COLORREF CXTPColorManager::BlendColors(COLORREF clrFirst, COLORREF clrSecond, int nWeight)
{
    const int d = nWeight < 100 ? 100 : 1000;
    auto channel = [&](int first, int second) { return (nWeight * first + (d - nWeight) * second + d / 2) / d; };
    return RGB(channel(GetRValue(clrFirst), GetRValue(clrSecond)), channel(GetGValue(clrFirst), GetGValue(clrSecond)),
               channel(GetBValue(clrFirst), GetBValue(clrSecond)));
}

ColorSchemeKind CXTPColorManager::GetCurrentTheme() const
{
    return m_chosenTheme == xtpColorSchemeSystem || m_chosenTheme == xtpColorSchemeSystemOther ? m_systemTheme
                                                                                              : m_chosenTheme;
}

COLORREF CXTPColorManager::SystemColor(int nIndex) const
{
    return m_sysColorSource ? m_sysColorSource(nIndex) : ::GetSysColor(nIndex);
}

void CXTPColorManager::RefreshColors()
{
    m_standard[0] = 0;
    for (int i = 1; i <= 27; ++i)
        m_standard[i] = SystemColor(i);
}

CXTPColorManager* GetColorManager()
{
    static CXTPColorManager manager;
    return &manager;
}
