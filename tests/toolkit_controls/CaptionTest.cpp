#include <gtest/gtest.h>

#include "CXTCaption.h"
#include "CXTCaptionPopupWnd.h"
#include "CXTCaptionTheme.h"
#include "CXTCaptionThemeFactory.h"
#include "CXTCaptionThemeGradient.h"
#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "ControlHostWindow.h"
#include "MemoryCanvas.h"

#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr COLORREF kBorder = RGB(200, 0, 0);
constexpr COLORREF kFace = RGB(0, 0, 200);
constexpr COLORREF kText = RGB(255, 255, 0);

COLORREF Colour(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

std::unique_ptr<CXTCaptionTheme> MakeTheme(int nTheme)
{
    CXTCaptionThemeFactory factory;
    std::unique_ptr<CXTCaptionTheme> pTheme(static_cast<CXTCaptionTheme*>(factory.MakeThemeObject(nTheme)));
    pTheme->ReloadMetrics();
    return pTheme;
}

// A caption on a host window, in colours that no theme paints on its own.
struct CaptionFixture : ::testing::Test {
    ControlHostWindow host;
    CXTCaption caption;
    void Make(DWORD dwCaptionStyle, const CRect& rect = CRect(10, 10, 210, 34), LPCTSTR text = L"")
    {
        ASSERT_TRUE(caption.Create(&host, text, dwCaptionStyle, WS_CHILD | WS_VISIBLE, rect, 321));
        caption.ApplyCaptionColors(kBorder, kFace, kText);
    }
};

// The first pixel from the left edge, along the middle row, in the face colour.
int FaceInset(const MemoryCanvas& canvas)
{
    for (int x = 0; x < canvas.Width(); ++x)
        if (canvas.At(x, canvas.Height() / 2) == kFace)
            return x;
    return -1;
}

} // namespace

TEST_F(CaptionFixture, EtchedFrameInsetsTheFaceByTheBorder)
{
    Make(CXTCaption::CaptionEtched);
    auto pTheme = MakeTheme(0);
    const CRect rc(0, 0, 200, 24);
    struct Case {
        int border, inset;
    } cases[] = {{0, 2}, {3, 4}, {1, 2}};
    for (const Case& c : cases) {
        caption.ConfigureCaption(c.border, nullptr, nullptr, nullptr);
        MemoryCanvas canvas(rc.Width(), rc.Height());
        pTheme->DrawCaptionBack(&canvas.dc(), &caption, rc);
        EXPECT_EQ(c.inset, FaceInset(canvas)) << c.border;
        // Outer frame: shadow top-left, highlight bottom-right; the inner one the other way round.
        EXPECT_EQ(pTheme->m_clrShadow.GetColor(), canvas.At(0, 5));
        EXPECT_EQ(pTheme->m_clrHighlight.GetColor(), canvas.At(1, 5));
        EXPECT_EQ(pTheme->m_clrHighlight.GetColor(), canvas.At(rc.right - 1, 5));
    }
}

TEST_F(CaptionFixture, EachThemePaintsItsBack)
{
    Make(0);
    const CRect rc(0, 0, 200, 24);
    const CXTPPaintManagerColorGradient& underlined = GetColorManager()->GetGradient(3);
    caption.ConfigureCaption(2, nullptr, nullptr, nullptr);
    struct Probe {
        int theme;
        BOOL textButton;
        CPoint at;
        COLORREF expected;
    } probes[] = {
        {0, TRUE, {0, 12}, kBorder},           {0, TRUE, {2, 12}, kFace},
        {1, TRUE, {1, 12}, kBorder},           {1, TRUE, {2, 12}, kFace},
        {1, FALSE, {0, 12}, Colour(20)},       {1, FALSE, {199, 12}, Colour(16)},
        {1, FALSE, {5, 12}, kBorder},          {2, TRUE, {0, 12}, Colour(54)},
        {2, FALSE, {100, 23}, Colour(54)},     {2, FALSE, {0, 5}, underlined.clrStart.GetColor()},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(testing::Message() << "theme " << p.theme << " at " << p.at.x << "," << p.at.y);
        caption.SetTextButton(p.textButton);
        MemoryCanvas canvas(rc.Width(), rc.Height());
        MakeTheme(p.theme)->DrawCaptionBack(&canvas.dc(), &caption, rc);
        EXPECT_EQ(p.expected, canvas.At(p.at.x, p.at.y));
    }
}

TEST_F(CaptionFixture, IconIsDrawnAtTheRightEndOnlyWhenItFits)
{
    Make(0);
    HICON hIcon = ::LoadIconW(nullptr, IDI_ERROR);
    caption.ConfigureCaption(3, nullptr, nullptr, hIcon);
    const CSize size = caption.GetIconSize();
    auto pTheme = MakeTheme(0);
    auto inked = [&](int width) {
        MemoryCanvas canvas(width, 24);
        canvas.dc().FillSolidRect(0, 0, width, 24, kFace);
        pTheme->DrawCaptionIcon(&canvas.dc(), &caption, CRect(0, 0, width, 24));
        return canvas.Width() * canvas.Height() - canvas.Count(RECT{0, 0, width, 24}, kFace);
    };
    // Room for border + icon + 2 on the right and the border on the left.
    EXPECT_GT(inked(3 + size.cx + 2 + 3 + 1), 10);
    EXPECT_EQ(0, inked(3 + size.cx + 3));
    EXPECT_EQ(0, inked(size.cx));
}

namespace {

// A caption whose text button opens a popup with a list in it.
struct PopupFixture : CaptionFixture {
    CWnd pane;
    CWnd list;
    CWnd outside;
    void SetUp() override
    {
        ASSERT_TRUE(pane.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(10, 40, 210, 190), &host, 1));
        ASSERT_TRUE(list.CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOINTEGRALHEIGHT,
                                  CRect(0, 30, 200, 150), &pane, 2));
        ASSERT_TRUE(outside.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(250, 10, 350, 30), &host, 3));
        Make(0, CRect(0, 0, 200, 24), L"Folders");
        caption.SetParent(&pane);
        host.watchFrom = WM_CAPTIONPOPUP_PINNED;
        host.watchTo = WM_CAPTIONPOPUP_CLOSED;
        caption.AttachPopupChild(&list, &host);
        list.ShowWindow(SW_HIDE);
    }
    CXTCaptionPopupWnd* Open()
    {
        caption.GetCaptionButton().SendMessage(BM_CLICK);
        controltest::PumpUntil([&] { return caption.GetPopup() != nullptr; });
        return caption.GetPopup();
    }
};

} // namespace

TEST_F(PopupFixture, StaysOpenWhileTheChildHasTheFocusAndReportsClosingAfter)
{
    EXPECT_TRUE(caption.GetCaptionButton().IsWindowVisible());
    CXTCaptionPopupWnd* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_TRUE(pPopup->IsWindowVisible());
    wchar_t cls[32] = {};
    ::GetClassNameW(pPopup->GetSafeHwnd(), cls, 32);
    EXPECT_STREQ(L"XTCaptionPopupWnd", cls);
    EXPECT_EQ(pPopup->GetSafeHwnd(), ::GetParent(list.GetSafeHwnd()));
    EXPECT_NE(0, caption.GetCaptionButton().SendMessage(BM_GETSTATE) & BST_PUSHED);

    // Showing it put the focus on the child.
    EXPECT_EQ(list.GetSafeHwnd(), ::GetFocus());
    controltest::PumpUntil([] { return false; }, 60);
    EXPECT_EQ(pPopup, caption.GetPopup());
    EXPECT_TRUE(host.watched.empty());

    outside.SetFocus();
    ASSERT_TRUE(controltest::PumpUntil([&] { return caption.GetPopup() == nullptr; }, 1000));
    EXPECT_EQ(std::vector<UINT>{WM_CAPTIONPOPUP_CLOSED}, host.watched);
    // The list went back into its pane, and the caption's button is up again.
    EXPECT_EQ(pane.GetSafeHwnd(), ::GetParent(list.GetSafeHwnd()));
    EXPECT_EQ(0, caption.GetCaptionButton().SendMessage(BM_GETSTATE) & BST_PUSHED);
}

TEST_F(PopupFixture, PinKeepsTheChildInItsPane)
{
    CXTCaptionPopupWnd* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    pPopup->GetPinButton().SendMessage(BM_CLICK);
    ASSERT_TRUE(controltest::PumpUntil([&] { return caption.GetPopup() == nullptr; }));
    EXPECT_EQ(std::vector<UINT>{WM_CAPTIONPOPUP_PINNED}, host.watched);
    EXPECT_EQ(pane.GetSafeHwnd(), ::GetParent(list.GetSafeHwnd()));
    EXPECT_TRUE(list.IsWindowVisible());
    CRect rcList;
    list.GetWindowRect(&rcList);
    pane.ScreenToClient(&rcList);
    EXPECT_EQ(30, rcList.top);
}

TEST_F(PopupFixture, RestoringTheParentOfAChildThatDiedAnswersFalse)
{
    CXTCaptionPopupWnd popup;
    ASSERT_TRUE(popup.Create(CRect(300, 300, 500, 450), &caption, &list));
    EXPECT_EQ(popup.GetSafeHwnd(), ::GetParent(list.GetSafeHwnd()));
    EXPECT_STREQ(L"Click push pin to keep open", popup.GetInnerCaption().GetCaptionText());
    EXPECT_TRUE(popup.RestoreParent());
    list.DestroyWindow();
    EXPECT_FALSE(popup.RestoreParent());
    // Neither a caption nor a child without a window makes a popup.
    CXTCaptionPopupWnd none;
    EXPECT_FALSE(none.Create(CRect(0, 0, 10, 10), &caption, &list));
}

namespace {

// Records on which thread and in which order caption changes are painted.
class RecordingCaption : public CXTCaption {
public:
    std::vector<CString> texts;
    std::vector<DWORD> threads;

protected:
    void UpdateCaption(LPCTSTR lpszText, HICON hIcon) override
    {
        texts.push_back(lpszText != nullptr ? lpszText : L"");
        threads.push_back(::GetCurrentThreadId());
        CXTCaption::UpdateCaption(lpszText, hIcon);
    }
};

} // namespace

TEST(Caption, ChangesFromAWorkerArePaintedOnTheCaptionsThreadInOrder)
{
    ControlHostWindow host;
    RecordingCaption caption;
    ASSERT_TRUE(caption.Create(&host, L"", 0, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 30)));
    constexpr int kChanges = 200;
    std::thread worker([&] {
        for (int i = 0; i < kChanges; ++i) {
            CString text;
            text.Format(L"step %d", i);
            caption.ChangeCaptionNow(text, nullptr);
        }
    });
    worker.join();
    ASSERT_TRUE(controltest::PumpUntil([&] { return caption.texts.size() == kChanges; }));
    for (int i = 0; i < kChanges; ++i) {
        CString text;
        text.Format(L"step %d", i);
        ASSERT_EQ(text, caption.texts[i]);
        ASSERT_EQ(::GetCurrentThreadId(), caption.threads[i]);
    }
    EXPECT_STREQ(L"step 199", caption.GetCaptionText());
    // Changes still queued when the caption goes are dropped with it.
    std::thread late([&] { caption.ChangeCaptionNow(L"late", nullptr); });
    late.join();
    caption.DestroyWindow();
    EXPECT_EQ(static_cast<size_t>(kChanges), caption.texts.size());
}
