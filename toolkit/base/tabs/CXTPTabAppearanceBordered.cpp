#include "CXTPTabAppearanceBordered.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"
#include "PixelHelpers.h"
#include "TabShapeFrame.h"

void CXTPTabAppearanceBordered::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    const CRect rc = OutlineRect(pItem);
    ColorSet()->PaintTabBackground(pDC, rc, pItem);
    const COLORREF clrFrame = ColorSet()->m_clrFrameBorder;
    for (int nSide = 0; nSide < 4; ++nSide)
        DrawSide(pDC, rc, nSide, clrFrame);

    // Each corner pixel takes the average of itself and its outer neighbour,
    // read before it is written.
    const int nPosition = pItem->GetTabManager()->GetPosition();
    const TabShapeFrame frame(rc, nPosition);
    const int r = frame.Width();
    static const int kCorners[10][4] = {
        {0, 1, 0, -1}, {1, 0, -1, 0}, {-2, 0, 1, 0}, {-1, 1, 0, -1}, {1, 1, -1, 0},
        {-2, 1, 1, 0}, {2, 1, -1, 0}, {1, 2, 0, -1}, {-3, 1, 1, 0}, {-2, 2, 0, -1},
    };
    POINT points[20];
    for (int i = 0; i < 10; ++i) {
        const int x = kCorners[i][0] < 0 ? r + kCorners[i][0] : kCorners[i][0];
        const CPoint p = frame.Map(x, kCorners[i][1]);
        const CPoint q = frame.Map(x + kCorners[i][2], kCorners[i][1] + kCorners[i][3]);
        points[2 * i] = p;
        points[2 * i + 1] = CPoint(q.x - p.x, q.y - p.y);
    }
    AverageWithNeighbour(pDC, points, 20);
    m_pPaintManager->DrawTabLabel(pDC, pItem, pItem->GetRect(), TRUE);
}
