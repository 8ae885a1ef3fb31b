#pragma once
// A colour a user may override: the standard value follows the system, the
// custom value (when set) wins over it.
#include <windows.h>

class CXTPPaintManagerColor {
public:
    CXTPPaintManagerColor() = default;

    // Assigning a colour sets the standard value; a custom value stays in force.
    CXTPPaintManagerColor& operator=(COLORREF clr)
    {
        SetStandardValue(clr);
        return *this;
    }

    operator COLORREF() const { return GetColor(); }
    COLORREF GetColor() const { return m_clrCustom != COLORREF(-1) ? m_clrCustom : m_clrStandard; }

    void SetStandardValue(COLORREF clr) { m_clrStandard = clr; }
    void SetCustomValue(COLORREF clr) { m_clrCustom = clr; }
    COLORREF GetStandardColor() const { return m_clrStandard; }
    BOOL IsCustomValue() const { return m_clrCustom != COLORREF(-1); }

private:
    COLORREF m_clrStandard = COLORREF(-1);
    COLORREF m_clrCustom = COLORREF(-1);
};
