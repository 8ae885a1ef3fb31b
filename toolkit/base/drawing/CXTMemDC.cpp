#include "CXTMemDC.h"
#include "CXTGradientFiller.h"

IMPLEMENT_DYNAMIC(CXTMemDC, CDC)

namespace {

// One memory DC and bitmap per thread for painting over window DCs, kept from
// paint to paint: making them anew costs more under Wine than drawing a small
// control. Window DCs all share the screen's format, so one bitmap serves them.
class ThreadPaintSurface {
public:
    ThreadPaintSurface() = default;
    ThreadPaintSurface(const ThreadPaintSurface&) = delete;
    ThreadPaintSurface& operator=(const ThreadPaintSurface&) = delete;
    ~ThreadPaintSurface()
    {
        if (m_hDC == nullptr)
            return;
        ::SelectObject(m_hDC, m_hFirstBitmap);
        if (m_hBitmap != nullptr)
            ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }

    // The DC with a bitmap of at least cx by cy selected, or null while a memory
    // DC of this thread still holds it (a paint inside a paint).
    HDC Take(HDC hTarget, int cx, int cy)
    {
        if (m_bTaken)
            return nullptr;
        if (m_hDC == nullptr) {
            m_hDC = ::CreateCompatibleDC(hTarget);
            if (m_hDC == nullptr)
                return nullptr;
            m_hFirstBitmap = static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP));
        }
        if (cx > m_size.cx || cy > m_size.cy) {
            const CSize size(cx > m_size.cx ? cx : m_size.cx, cy > m_size.cy ? cy : m_size.cy);
            HBITMAP hBitmap = ::CreateCompatibleBitmap(hTarget, size.cx, size.cy);
            if (hBitmap == nullptr)
                return nullptr;
            ::SelectObject(m_hDC, hBitmap);
            if (m_hBitmap != nullptr)
                ::DeleteObject(m_hBitmap);
            m_hBitmap = hBitmap;
            m_size = size;
        }
        m_bTaken = true;
        return m_hDC;
    }

    void Give() { m_bTaken = false; }

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hFirstBitmap = nullptr;
    HBITMAP m_hBitmap = nullptr;
    CSize m_size{0, 0};
    bool m_bTaken = false;
};

thread_local ThreadPaintSurface t_paintSurface;

} // namespace

CXTMemDC::CXTMemDC(CDC* pDC, const CRect& rect, const CXTPPaintManagerColorGradient& clrBack, BOOL bHorizontal)
    : m_pTarget(pDC), m_rect(rect)
{
    if (m_rect.IsRectEmpty())
        pDC->GetClipBox(&m_rect);
    const int cx = m_rect.Width();
    const int cy = m_rect.Height();
    const BOOL bFill = clrBack.clrStart.GetColor() != COLORREF(-1) || clrBack.clrEnd.GetColor() != COLORREF(-1);
    HDC hShared = ::GetObjectType(pDC->m_hDC) == OBJ_DC ? t_paintSurface.Take(pDC->m_hDC, cx, cy) : nullptr;
    if (hShared != nullptr) {
        Attach(hShared);
        m_bShared = TRUE;
        // The saved state comes back on release, so each paint starts from a
        // fresh DC's defaults; the meta region keeps the bitmap's unused part
        // out of reach, as the edge of a bitmap of the exact size would.
        m_nSavedState = ::SaveDC(m_hDC);
        HRGN hRgn = ::CreateRectRgn(0, 0, cx, cy);
        ::SelectClipRgn(m_hDC, hRgn);
        ::DeleteObject(hRgn);
        ::SetMetaRgn(m_hDC);
        if (!bFill)
            ::PatBlt(m_hDC, 0, 0, cx, cy, BLACKNESS);
    } else {
        if (!Attach(::CreateCompatibleDC(pDC->m_hDC)))
            return;
        m_bitmap.Attach(::CreateCompatibleBitmap(pDC->m_hDC, cx, cy));
        m_hOldBitmap = static_cast<HBITMAP>(::SelectObject(m_hDC, m_bitmap.GetSafeHandle()));
    }
    m_bValid = TRUE;
    SetMapMode(::GetMapMode(pDC->m_hAttribDC));
    if (bFill)
        CXTGradientFiller::Instance().FillGradientPair(this, CRect(0, 0, cx, cy), clrBack, bHorizontal);
}

CXTMemDC::~CXTMemDC()
{
    if (!m_bValid)
        return;
    ::BitBlt(m_pTarget->m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, 0, 0, SRCCOPY);
    if (m_bShared) {
        ::RestoreDC(m_hDC, m_nSavedState);
        Detach();
        t_paintSurface.Give();
        return;
    }
    ::SelectObject(m_hDC, m_hOldBitmap);
    m_bitmap.DeleteObject();
    ::DeleteDC(Detach());
}
