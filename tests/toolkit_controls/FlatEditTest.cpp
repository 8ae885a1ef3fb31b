#include <gtest/gtest.h>

#include "CXTFlatEdit.h"
#include "CXTFlatEditTheme.h"
#include "CXTFlatEditThemeFactory.h"
#include "CXTPColorManager.h"
#include "ControlHostWindow.h"
#include "MemoryCanvas.h"
#include "WindowCapture.h"

#include <memory>

namespace {

// Counts its own border paints.
class CountingEdit : public CXTFlatEdit {
public:
    int borderPaints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        borderPaints += message == WM_NCPAINT;
        return CXTFlatEdit::WindowProc(message, wParam, lParam);
    }
};

COLORREF Colour(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

std::unique_ptr<CXTFlatEditTheme> MakeTheme(int nTheme)
{
    CXTFlatEditThemeFactory factory;
    std::unique_ptr<CXTFlatEditTheme> pTheme(static_cast<CXTFlatEditTheme*>(factory.MakeThemeObject(nTheme)));
    pTheme->ReloadMetrics();
    return pTheme;
}

void SendSetCursor(CWnd& wnd)
{
    wnd.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd.GetSafeHwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

} // namespace

TEST(FlatEdit, RedrawsItsBorderOnceEnteringAndOnceLeavingThenStopsItsTimer)
{
    ControlHostWindow host;
    CountingEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"text", WS_CHILD | WS_VISIBLE, CRect(20, 20, 220, 44), &host, 5));
    CRect rc;
    edit.GetWindowRect(&rc);
    controltest::MovePointer(CPoint(rc.right + 40, rc.bottom + 40));
    controltest::PumpUntil([] { return false; }, 50);
    const int before = edit.borderPaints;

    controltest::MovePointer(rc.CenterPoint());
    SendSetCursor(edit);
    EXPECT_TRUE(edit.IsHot());
    SendSetCursor(edit);
    controltest::PumpUntil([] { return false; }, 60);
    EXPECT_EQ(before + 1, edit.borderPaints);

    controltest::MovePointer(CPoint(rc.right + 40, rc.bottom + 40));
    ASSERT_TRUE(controltest::PumpUntil([&] { return !edit.IsHot(); }));
    EXPECT_EQ(before + 2, edit.borderPaints);
    EXPECT_FALSE(edit.KillTimer(CXTFlatEdit::kHotTimer));
}

TEST(FlatEdit, FlatOffKeepsThePlatformsBorderAndTracksNothing)
{
    ControlHostWindow host;
    CXTFlatEdit flat, plain;
    for (CXTFlatEdit* pEdit : {&flat, &plain})
        ASSERT_TRUE(pEdit->CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE,
                                    CRect(20, pEdit == &flat ? 20 : 60, 220, pEdit == &flat ? 44 : 84), &host, 5));
    plain.EnableFlatLook(FALSE);
    CRect rc;
    plain.GetWindowRect(&rc);
    controltest::MovePointer(rc.CenterPoint());
    SendSetCursor(plain);
    EXPECT_FALSE(plain.IsHot());
    EXPECT_FALSE(plain.KillTimer(CXTFlatEdit::kHotTimer));
    plain.SetFocus();
    EXPECT_FALSE(plain.IsFocused());
    flat.SetFocus();
    EXPECT_TRUE(flat.IsFocused());
    host.SetFocus();
    EXPECT_FALSE(flat.IsFocused());
    controltest::MovePointer(CPoint(rc.right + 40, rc.bottom + 40));
    controltest::PumpUntil([&] { return !flat.IsHot(); });

    // The flat border is the window colour; the platform's client edge (classic or
    // visual style) is not.
    host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(testsupport::WindowCapture::WaitUntilShown(host.GetSafeHwnd()));
    const auto flatShot = testsupport::WindowCapture::FromWindow(flat.GetSafeHwnd());
    const auto plainShot = testsupport::WindowCapture::FromWindow(plain.GetSafeHwnd());
    EXPECT_EQ(Colour(COLOR_WINDOW), flatShot.At(0, 0));
    EXPECT_EQ(Colour(COLOR_WINDOW), flatShot.At(1, 10));
    EXPECT_NE(Colour(COLOR_WINDOW), plainShot.At(0, 10));
}

TEST(FlatEdit, BorderOfEachThemeAndState)
{
    ControlHostWindow host;
    CXTFlatEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(20, 20, 220, 44), &host, 5));
    const COLORREF scheme32 = GetColorManager()->GetSchemeOrStandardColor(32);
    const CRect rc(0, 0, 60, 20);
    struct Case {
        int theme, state;
        BOOL enabled;
        COLORREF topLeft, bottomRight, inside;
    } cases[] = {
        {0, 0, TRUE, Colour(COLOR_WINDOW), Colour(COLOR_WINDOW), Colour(COLOR_WINDOW)},
        {0, 2, TRUE, Colour(COLOR_BTNSHADOW), Colour(COLOR_BTNHIGHLIGHT), Colour(COLOR_WINDOW)},
        {0, 3, TRUE, Colour(COLOR_BTNSHADOW), Colour(COLOR_BTNHIGHLIGHT), Colour(COLOR_WINDOW)},
        {1, 0, TRUE, Colour(COLOR_WINDOW), Colour(COLOR_WINDOW), Colour(COLOR_WINDOW)},
        {1, 2, TRUE, Colour(32), Colour(32), Colour(COLOR_WINDOW)},
        {2, 3, TRUE, scheme32, scheme32, Colour(COLOR_WINDOW)},
        {0, 2, FALSE, Colour(52), Colour(52), Colour(51)},
        {1, 2, FALSE, Colour(52), Colour(52), Colour(51)},
        {2, 0, FALSE, Colour(52), Colour(52), Colour(51)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "theme " << c.theme << " state " << c.state << " enabled " << c.enabled);
        edit.EnableWindow(c.enabled);
        MemoryCanvas canvas(rc.Width(), rc.Height());
        MakeTheme(c.theme)->DrawFlatEdit(&canvas.dc(), &edit, rc, c.state);
        EXPECT_EQ(c.topLeft, canvas.At(0, 0));
        EXPECT_EQ(c.bottomRight, canvas.At(rc.right - 1, rc.bottom - 1));
        EXPECT_EQ(c.inside, canvas.At(1, 1));
    }
}
