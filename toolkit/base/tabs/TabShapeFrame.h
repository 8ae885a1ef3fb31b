#pragma once
// Tab shapes are built for the top position in the tab's own coordinates
// (0, 0 at its top left, its client side at the bottom) and turned into place:
// mirrored for the bottom position, with x and y exchanged for left and right.
#include "Framework.h"

class TabShapeFrame {
public:
    TabShapeFrame(const CRect& rcItem, int nPosition);

    // Size in the tab's own coordinates: length along the header, depth across it.
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    int Position() const { return m_nPosition; }

    CPoint Map(int x, int y) const;
    // A rectangle of pixels (right and bottom excluded).
    CRect MapRect(int left, int top, int right, int bottom) const;

    // A line from the first point up to, not including, the second; nothing for the colour -1.
    void Line(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr) const;
    // Connected lines through the points, the last point drawn too.
    void Polyline(CDC* pDC, const POINT* pPoints, int nCount, COLORREF clr) const;
    void Pixel(CDC* pDC, int x, int y, COLORREF clr) const;
    // A region of the polygon, in device coordinates of the DC.
    HRGN PolygonRegion(const POINT* pPoints, int nCount) const;

private:
    CRect m_rcItem;
    int m_nPosition;
    int m_nWidth;
    int m_nHeight;
};
