#pragma once
// One of the grid's four default cells: supplies what ordinary cells leave
// unset, plus the default row height and column width.
#include "CGridCell.h"

class CGridDefaultCell : public CGridCell {
    DECLARE_DYNCREATE(CGridDefaultCell)
public:
    CGridDefaultCell();
    ~CGridDefaultCell() override = default;

    void StoreDataValue(LPARAM) override {}
    void StoreState(UINT) override {}
    void StoreFont(const LOGFONTW* font) override;
    UINT StateBits() const override { return m_nState | GVIS_READONLY; }
    const LOGFONTW* FontRecord() const override { return m_pFont.get(); }
    // A default cell has no default of its own: what it leaves unset is 0.
    UINT DrawFormat() const override { return m_nFormat == static_cast<UINT>(-1) ? 0 : m_nFormat; }
    UINT MarginPixels() const override { return m_nMargin == static_cast<UINT>(-1) ? 0 : m_nMargin; }
    CFont* FontToSelect() const override { return const_cast<CFont*>(&m_Font); }

    int ExtraValue() const { return m_nExtra; }
    void StoreExtraValue(int value) { m_nExtra = value; }
    int DefaultWidth() const { return m_nWidth; }
    int DefaultHeight() const { return m_nHeight; }
    void StoreDefaultWidth(int width) { m_nWidth = width; }
    void StoreDefaultHeight(int height) { m_nHeight = height; }

private:
    int m_nWidth = 30;
    int m_nHeight = 10;
    CFont m_Font;
    int m_nExtra = 0;
};
