#pragma once
// The scheme set with flat tab faces when the scheme colours are not used.
#include "CXTPTabColorSetScheme.h"

class CXTPTabColorSetSchemeFlat : public CXTPTabColorSetScheme {
public:
    void ReloadMetrics() override;
    COLORREF PaintTabBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem) override;

    BOOL IsFlatColored() const { return m_bFlatColored; }

private:
    BOOL m_bFlatColored = FALSE;
};
