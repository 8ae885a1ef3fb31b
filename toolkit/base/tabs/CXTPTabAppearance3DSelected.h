#pragma once
// Style 1: style 0 where only the selected and the hot tab show their shape.
#include "CXTPTabAppearance3D.h"

class CXTPTabAppearance3DSelected : public CXTPTabAppearance3D {
public:
    CXTPTabAppearance3DSelected() { m_nStyle = 1; }

    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
};
