#include "CRect.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Readable failures: rectangles print as (l, t, r, b).
static std::ostream& operator<<(std::ostream& os, const CRect& r)
{
    return os << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

struct RectCase {
    const char* name;
    std::function<CRect()> compute;
    CRect expected;
};

TEST(Geometry, RectOperationsGiveTheExpectedRectangles)
{
    const CRect base(10, 20, 110, 70);
    const RectCase cases[] = {
        {"offset by point", [&] { return base + CPoint(5, -5); }, CRect(15, 15, 115, 65)},
        {"offset back by size", [&] { return base - CSize(10, 20); }, CRect(0, 0, 100, 50)},
        {"inflate x,y", [&] { CRect r = base; r.InflateRect(2, 3); return r; }, CRect(8, 17, 112, 73)},
        {"inflate 4 sides", [&] { CRect r = base; r.InflateRect(1, 2, 3, 4); return r; }, CRect(9, 18, 113, 74)},
        {"inflate by rect operator", [&] { return base + CRect(1, 2, 3, 4); }, CRect(9, 18, 113, 74)},
        {"deflate x,y", [&] { CRect r = base; r.DeflateRect(10, 5); return r; }, CRect(20, 25, 100, 65)},
        {"deflate 4 sides", [&] { CRect r = base; r.DeflateRect(1, 2, 3, 4); return r; }, CRect(11, 22, 107, 66)},
        {"deflate by rect operator", [&] { return base - CRect(1, 2, 3, 4); }, CRect(11, 22, 107, 66)},
        {"deflate by size", [&] { CRect r = base; r.DeflateRect(CSize(5, 5)); return r; }, CRect(15, 25, 105, 65)},
        {"intersection", [&] { return base & CRect(50, 0, 200, 30); }, CRect(50, 20, 110, 30)},
        {"disjoint intersection is empty null", [&] { return base & CRect(200, 200, 300, 300); }, CRect()},
        {"union", [&] { return base | CRect(0, 0, 20, 30); }, CRect(0, 0, 110, 70)},
        {"union ignores empty", [&] { return base | CRect(500, 500, 500, 600); }, base},
        {"normalize", [] { CRect r(30, 40, 10, 20); r.NormalizeRect(); return r; }, CRect(10, 20, 30, 40)},
        {"move to x", [&] { CRect r = base; r.MoveToX(0); return r; }, CRect(0, 20, 100, 70)},
        {"move to y", [&] { CRect r = base; r.MoveToY(-5); return r; }, CRect(10, -5, 110, 45)},
        {"move to xy", [&] { CRect r = base; r.MoveToXY(CPoint(1, 2)); return r; }, CRect(1, 2, 101, 52)},
        {"subtract a full-height band", [&] { CRect r; r.SubtractRect(base, CRect(60, 0, 200, 100)); return r; },
         CRect(10, 20, 60, 70)},
        {"point and size", [] { return CRect(CPoint(3, 4), CSize(10, 20)); }, CRect(3, 4, 13, 24)},
        {"corners", [] { return CRect(CPoint(3, 4), CPoint(10, 20)); }, CRect(3, 4, 10, 20)},
        {"and-assign", [&] { CRect r = base; r &= CRect(0, 0, 50, 50); return r; }, CRect(10, 20, 50, 50)},
        {"or-assign", [&] { CRect r = base; r |= CRect(0, 0, 5, 5); return r; }, CRect(0, 0, 110, 70)},
        {"plus-assign size", [&] { CRect r = base; r += CSize(1, 1); return r; }, CRect(11, 21, 111, 71)},
        {"minus-assign point", [&] { CRect r = base; r -= CPoint(10, 20); return r; }, CRect(0, 0, 100, 50)},
        {"mul-div", [] { CRect r(10, 20, 30, 40); r.MulDiv(3, 2); return r; }, CRect(15, 30, 45, 60)},
    };
    for (const RectCase& c : cases)
        EXPECT_EQ(c.compute(), c.expected) << c.name;
}

TEST(Geometry, RectQueries)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(110, 70));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));

    // Right and bottom edges are outside.
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(r.PtInRect(CPoint(109, 69)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 69)));
    EXPECT_FALSE(r.PtInRect(CPoint(109, 70)));

    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 4, 10).IsRectEmpty()); // inverted counts as empty
    EXPECT_FALSE(CRect(5, 5, 5, 10).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());

    EXPECT_TRUE(r == CRect(10, 20, 110, 70));
    EXPECT_TRUE(r != CRect(10, 20, 110, 71));
    EXPECT_TRUE(r.EqualRect(CRect(10, 20, 110, 70)));

    // The corners are references into the rectangle.
    r.TopLeft() = CPoint(0, 0);
    r.BottomRight().Offset(1, 1);
    EXPECT_EQ(r, CRect(0, 0, 111, 71));

    EXPECT_FALSE(CRect().IntersectRect(CRect(0, 0, 10, 10), CRect(20, 20, 30, 30)));
    EXPECT_TRUE(CRect().UnionRect(CRect(0, 0, 10, 10), CRect(20, 20, 30, 30)));

    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectNull());
    r.SetRect(1, 2, 3, 4);
    RECT* raw = r; // passes wherever the system wants a RECT*
    EXPECT_EQ(raw->bottom, 4);
}

TEST(Geometry, PointAndSizeArithmetic)
{
    EXPECT_EQ(CPoint(5, 7) - CPoint(2, 3), CSize(3, 4));
    EXPECT_EQ(CPoint(5, 7) + CSize(1, 1), CPoint(6, 8));
    EXPECT_EQ(CPoint(5, 7) - CSize(1, 1), CPoint(4, 6));
    EXPECT_EQ(-CPoint(5, -7), CPoint(-5, 7));
    EXPECT_EQ(CSize(2, 3) + CSize(4, 5), CSize(6, 8));
    EXPECT_EQ(-CSize(2, 3), CSize(-2, -3));
    EXPECT_EQ(CSize(2, 3) + CPoint(1, 1), CPoint(3, 4));

    // Message parameters pack signed 16-bit coordinates.
    EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELPARAM(-3, 40))), CPoint(-3, 40));
    EXPECT_EQ(CSize(static_cast<DWORD>(MAKELONG(7, 9))), CSize(7, 9));

    CPoint p(1, 1);
    p += CSize(2, 2);
    p -= CPoint(1, 0);
    p.Offset(10, 10);
    EXPECT_EQ(p, CPoint(12, 13));
}
