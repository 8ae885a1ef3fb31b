#pragma once
// One cell of a grid by row and column; (-1, -1) is no cell.
struct CGridCellAddress {
    int row = -1;
    int col = -1;

    CGridCellAddress() = default;
    CGridCellAddress(int nRow, int nCol) : row(nRow), col(nCol) {}

    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CGridCellAddress& other) const { return row == other.row && col == other.col; }
    bool operator!=(const CGridCellAddress& other) const { return !(*this == other); }
};
