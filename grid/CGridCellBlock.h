#pragma once
#include "CGridCellAddress.h"

// A rectangle of cells; -1 in any bound means no range.
struct CGridCellBlock {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    CGridCellBlock() = default;
    CGridCellBlock(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol) { Set(nMinRow, nMinCol, nMaxRow, nMaxCol); }

    void Set(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol)
    {
        minRow = nMinRow;
        minCol = nMinCol;
        maxRow = nMaxRow;
        maxCol = nMaxCol;
    }
    bool IsValid() const { return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0; }
    bool Contains(int row, int col) const
    {
        return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    CGridCellAddress TopLeft() const { return {minRow, minCol}; }
    bool operator==(const CGridCellBlock& o) const
    {
        return minRow == o.minRow && minCol == o.minCol && maxRow == o.maxRow && maxCol == o.maxCol;
    }
};
