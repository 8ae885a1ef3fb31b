#include "CAnimateCtrl.h"
#include "CBitmap.h"
#include "CButton.h"
#include "CClientDC.h"
#include "CWindowDC.h"
#include "CComboBox.h"
#include "CEdit.h"
#include "CImageList.h"
#include "CListBox.h"
#include "CListCtrl.h"
#include "CProgressCtrl.h"
#include "CSpinButtonCtrl.h"
#include "CStatic.h"
#include "CTabCtrl.h"
#include "CToolTipCtrl.h"
#include "CTreeCtrl.h"
#include "MessagePump.h"
#include "TestPaths.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring Text(const CString& s)
{
    return s.GetString();
}

// A visible top-level window to host the controls under test.
class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), L"controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                      500, 400, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_parent.GetSafeHwnd() != nullptr)
            m_parent.DestroyWindow();
        testsupport::PumpMessages();
    }

    CWnd m_parent;
    const CRect m_area{10, 10, 300, 200};
};

TEST_F(Controls, WindowDcsDrawIntoTheWindowAndReleaseOnDestruction)
{
    HDC hDC = nullptr;
    {
        CClientDC dc(&m_parent);
        hDC = dc.GetSafeHdc();
        ASSERT_NE(hDC, nullptr);
        EXPECT_EQ(CDC::FromHandle(hDC), &dc);
        EXPECT_EQ(dc.GetWindow(), &m_parent);
        dc.FillSolidRect(0, 0, 4, 4, RGB(1, 2, 3));
        EXPECT_EQ(dc.GetPixel(1, 1), RGB(1, 2, 3));
    }
    EXPECT_NE(CDC::FromHandle(hDC), nullptr); // only a temporary wrapper is left
    CDC::DeleteTempMap();
    {
        CWindowDC window(&m_parent);
        EXPECT_NE(window.GetSafeHdc(), nullptr);
        CWindowDC screen(nullptr);
        CClientDC screenClient(nullptr);
        EXPECT_EQ(screen.GetDeviceCaps(HORZRES), ::GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(screenClient.GetDeviceCaps(VERTRES), ::GetSystemMetrics(SM_CYSCREEN));
    }
}

TEST_F(Controls, ListCtrlItemsTextsAndSelection)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, m_area, &m_parent, 100));
    EXPECT_EQ(list.InsertColumn(0, L"Subject", LVCFMT_LEFT, 120), 0);
    EXPECT_EQ(list.InsertColumn(1, L"Location", LVCFMT_LEFT, 100, 1), 1);
    EXPECT_EQ(list.GetColumnWidth(0), 120);
    EXPECT_TRUE(list.SetColumnWidth(1, 80));
    EXPECT_EQ(list.GetColumnWidth(1), 80);

    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(list.GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
              static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));

    EXPECT_EQ(list.InsertItem(0, L"Team meeting"), 0);
    EXPECT_EQ(list.InsertItem(1, L"Lunch"), 1);
    EXPECT_EQ(list.InsertItem(0, L"Review"), 0); // goes before the others
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_TRUE(list.SetItemText(1, 1, L"Room 4"));
    EXPECT_EQ(Text(list.GetItemText(0, 0)), L"Review");
    EXPECT_EQ(Text(list.GetItemText(1, 0)), L"Team meeting");
    EXPECT_EQ(Text(list.GetItemText(1, 1)), L"Room 4");
    EXPECT_EQ(Text(list.GetItemText(2, 1)), L"");
    EXPECT_EQ(Text(list.GetItemText(7, 0)), L""); // no such item

    // Texts longer than any first guess come back whole.
    const std::wstring longText(3000, L'x');
    list.SetItemText(2, 1, longText.c_str());
    EXPECT_EQ(Text(list.GetItemText(2, 1)), longText);

    EXPECT_TRUE(list.SetItemData(2, 0xABCDEF));
    EXPECT_EQ(list.GetItemData(2), 0xABCDEFu);

    EXPECT_EQ(list.GetSelectedCount(), 0u);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED | LVIS_FOCUSED), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);

    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != nullptr;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{0, 2}));

    EXPECT_TRUE(list.EnsureVisible(2, FALSE));
    CRect itemRect;
    EXPECT_TRUE(list.GetItemRect(0, &itemRect, LVIR_BOUNDS));
    EXPECT_GT(itemRect.Height(), 0);
    EXPECT_EQ(list.HitTest(itemRect.CenterPoint()), 0);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 1));
    EXPECT_EQ(list.SetImageList(&images, LVSIL_SMALL), nullptr);
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &images);
    EXPECT_EQ(list.SetImageList(nullptr, LVSIL_SMALL), &images);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(Text(list.GetItemText(0, 0)), L"Team meeting");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_NE(list.GetHeaderCtrl(), nullptr);
}

TEST_F(Controls, ListCtrlCheckBoxes)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, m_area, &m_parent, 101));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES);
    list.InsertItem(0, L"a");
    EXPECT_FALSE(list.GetCheck(0));
    list.SetCheck(0);
    EXPECT_TRUE(list.GetCheck(0));
    list.SetCheck(0, FALSE);
    EXPECT_FALSE(list.GetCheck(0));
}

TEST_F(Controls, TreeCtrlStructureChecksAndData)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES,
                            m_area, &m_parent, 102));
    HTREEITEM root = tree.InsertItem(L"NSF File");
    ASSERT_NE(root, nullptr);
    HTREEITEM calendar = tree.InsertItem(L"Calendar", 1, 2, root);
    HTREEITEM inbox = tree.InsertItem(L"Inbox", root);
    HTREEITEM first = tree.InsertItem(L"Alarms", root, TVI_FIRST);
    HTREEITEM nested = tree.InsertItem(L"Old", calendar);
    ASSERT_TRUE(calendar && inbox && first && nested);
    EXPECT_EQ(tree.GetCount(), 5u);

    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetChildItem(root), first);
    EXPECT_EQ(tree.GetNextSiblingItem(first), calendar);
    EXPECT_EQ(tree.GetNextSiblingItem(calendar), inbox);
    EXPECT_EQ(tree.GetNextSiblingItem(inbox), nullptr);
    EXPECT_EQ(tree.GetPrevSiblingItem(calendar), first);
    EXPECT_EQ(tree.GetParentItem(nested), calendar);
    EXPECT_EQ(tree.GetParentItem(root), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(root));
    EXPECT_TRUE(tree.ItemHasChildren(calendar));
    EXPECT_FALSE(tree.ItemHasChildren(inbox));

    EXPECT_EQ(Text(tree.GetItemText(calendar)), L"Calendar");
    EXPECT_TRUE(tree.SetItemText(calendar, L"Meetings"));
    EXPECT_EQ(Text(tree.GetItemText(calendar)), L"Meetings");
    const std::wstring longName(1000, L'n');
    tree.SetItemText(inbox, longName.c_str());
    EXPECT_EQ(Text(tree.GetItemText(inbox)), longName);

    int image = -1, selectedImage = -1;
    EXPECT_TRUE(tree.GetItemImage(calendar, image, selectedImage));
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selectedImage, 2);
    EXPECT_TRUE(tree.SetItemImage(calendar, 3, 4));
    tree.GetItemImage(calendar, image, selectedImage);
    EXPECT_EQ(image, 3);
    EXPECT_EQ(selectedImage, 4);

    EXPECT_TRUE(tree.SetItemData(inbox, 77));
    EXPECT_EQ(tree.GetItemData(inbox), 77u);

    EXPECT_FALSE(tree.GetCheck(inbox));
    EXPECT_TRUE(tree.SetCheck(inbox));
    EXPECT_TRUE(tree.GetCheck(inbox));
    EXPECT_FALSE(tree.GetCheck(calendar));
    EXPECT_TRUE(tree.SetCheck(inbox, FALSE));
    EXPECT_FALSE(tree.GetCheck(inbox));

    EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));
    EXPECT_EQ(tree.GetItemState(root, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    EXPECT_TRUE(tree.SelectItem(calendar));
    EXPECT_EQ(tree.GetSelectedItem(), calendar);
    tree.EnsureVisible(first); // answers whether it had to scroll

    CRect textRect;
    ASSERT_TRUE(tree.GetItemRect(calendar, &textRect, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(textRect.CenterPoint(), &flags), calendar);
    EXPECT_NE(flags & TVHT_ONITEMLABEL, 0u);

    // What a person sees: labels in dark ink on the tree's background.
    tree.SetCheck(first);
    EXPECT_TRUE(tree.GetCheck(first));
    tree.Invalidate();
    testsupport::PumpMessages(100);
    const testsupport::WindowCapture shot = testsupport::WindowCapture::FromWindow(tree.GetSafeHwnd());
    EXPECT_TRUE(shot.HasTextLikePixels(textRect, 10));
    EXPECT_TRUE(shot.SavePng(testsupport::TestOutputPath(L"framework_gdi_tree.png")));

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 1));
    EXPECT_EQ(tree.SetImageList(&images, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), &images);
    tree.SetImageList(nullptr, TVSIL_NORMAL);

    EXPECT_TRUE(tree.DeleteItem(calendar)); // takes its child along
    EXPECT_EQ(tree.GetCount(), 3u);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
    EXPECT_EQ(Text(tree.GetItemText(nullptr)), L"");
}

TEST_F(Controls, ProgressCtrlPositions)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), &m_parent, 103));
    progress.SetRange32(0, 1000);
    int lower = -1, upper = -1;
    progress.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 1000);
    EXPECT_EQ(progress.SetPos(250), 0);
    EXPECT_EQ(progress.GetPos(), 250);
    progress.SetStep(100);
    EXPECT_EQ(progress.StepIt(), 250);
    EXPECT_EQ(progress.GetPos(), 350);
    EXPECT_EQ(progress.OffsetPos(-50), 350);
    EXPECT_EQ(progress.GetPos(), 300);
    progress.SetPos(5000); // clamped to the range
    EXPECT_EQ(progress.GetPos(), 1000);
    progress.SetRange(0, 100);
    progress.SetPos(42);
    EXPECT_EQ(progress.GetPos(), 42);
}

TEST_F(Controls, TabCtrlItemsAndGeometry)
{
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, m_area, &m_parent, 104));
    EXPECT_EQ(tabs.InsertItem(0, L"Step 1"), 0);
    EXPECT_EQ(tabs.InsertItem(1, L"Step 2"), 1);
    EXPECT_EQ(tabs.InsertItem(2, L"Step 3", 0), 2);
    EXPECT_EQ(tabs.GetItemCount(), 3);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(tabs.SetCurSel(2), 0);
    EXPECT_EQ(tabs.GetCurSel(), 2);

    CRect tabRect;
    EXPECT_TRUE(tabs.GetItemRect(1, &tabRect));
    EXPECT_FALSE(tabRect.IsRectEmpty());
    CRect display(0, 0, m_area.Width(), m_area.Height());
    tabs.AdjustRect(FALSE, &display);
    EXPECT_LT(display.Height(), m_area.Height());
    EXPECT_GE(display.top, tabRect.bottom - 2);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 1));
    EXPECT_EQ(tabs.SetImageList(&images), nullptr);
    EXPECT_EQ(tabs.GetImageList(), &images);
    tabs.SetImageList(nullptr);

    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetItemCount(), 2);
}

TEST_F(Controls, ButtonEditAndLists)
{
    CButton check;
    ASSERT_TRUE(check.Create(L"Single file", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10, 10, 150, 30), &m_parent, 105));
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_NE(check.GetState() & BST_CHECKED, 0u);
    EXPECT_EQ(check.GetButtonStyle() & 0x0F, static_cast<UINT>(BS_AUTOCHECKBOX));
    check.SetButtonStyle(BS_AUTORADIOBUTTON);
    EXPECT_EQ(check.GetButtonStyle() & 0x0F, static_cast<UINT>(BS_AUTORADIOBUTTON));

    CButton picture;
    ASSERT_TRUE(picture.Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP, CRect(10, 40, 50, 80), &m_parent, 106));
    CBitmap bitmap;
    bitmap.LoadOEMBitmap(OBM_CHECK);
    EXPECT_EQ(picture.SetBitmap(bitmap), nullptr);
    EXPECT_EQ(picture.GetBitmap(), static_cast<HBITMAP>(bitmap));

    CStatic label;
    ASSERT_TRUE(label.Create(L"Directory name:", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(200, 10, 300, 30), &m_parent));
    CString text;
    label.GetWindowText(text);
    EXPECT_EQ(Text(text), L"Directory name:");

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL, CRect(10, 90, 200, 160),
                            &m_parent, 107));
    edit.SetWindowText(L"first\r\nsecond");
    EXPECT_EQ(edit.GetLineCount(), 2);
    wchar_t line[16] = {};
    EXPECT_EQ(edit.GetLine(1, line, 15), 6);
    EXPECT_EQ(std::wstring(line, 6), L"second");
    edit.SetSel(0, 5);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(0, 5)));
    edit.ReplaceSel(L"1st");
    edit.GetWindowText(text);
    EXPECT_EQ(Text(text), L"1st\r\nsecond");
    edit.SetReadOnly(TRUE);
    EXPECT_NE(edit.GetStyle() & ES_READONLY, 0u);
    edit.LimitText(20);
    EXPECT_EQ(edit.GetLimitText(), 20u);

    CListBox listBox;
    ASSERT_TRUE(listBox.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(220, 40, 300, 120), &m_parent, 108));
    EXPECT_EQ(listBox.AddString(L"one"), 0);
    EXPECT_EQ(listBox.AddString(L"two"), 1);
    EXPECT_EQ(listBox.GetCount(), 2);
    EXPECT_EQ(listBox.GetCurSel(), LB_ERR);
    listBox.SetCurSel(1);
    EXPECT_EQ(listBox.GetCurSel(), 1);
    listBox.GetText(1, text);
    EXPECT_EQ(Text(text), L"two");
    listBox.GetText(9, text);
    EXPECT_EQ(Text(text), L"");
    listBox.SetItemData(0, 5);
    EXPECT_EQ(listBox.GetItemData(0), 5u);
    EXPECT_EQ(listBox.FindStringExact(-1, L"two"), 1);
    listBox.ResetContent();
    EXPECT_EQ(listBox.GetCount(), 0);

    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(220, 130, 300, 250), &m_parent, 109));
    EXPECT_EQ(combo.AddString(L"PST"), 0);
    EXPECT_EQ(combo.AddString(L"Excel"), 1);
    EXPECT_EQ(combo.AddString(L"CSV"), 2);
    EXPECT_EQ(combo.GetCount(), 3);
    combo.SetCurSel(2);
    EXPECT_EQ(combo.GetCurSel(), 2);
    combo.GetLBText(1, text);
    EXPECT_EQ(Text(text), L"Excel");
    combo.GetLBText(-3, text);
    EXPECT_EQ(Text(text), L"");
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

// Owner-drawn list boxes and combo boxes get their parent's draw, measure, compare
// and delete messages back as calls of their own.
template <class TBase>
class CountingItems : public TBase {
public:
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        item->itemHeight = 18;
        ++measured;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT item) override
    {
        ++compared;
        return item->itemData1 < item->itemData2 ? -1 : item->itemData1 > item->itemData2 ? 1 : 0;
    }
    void DeleteItem(LPDELETEITEMSTRUCT) override { ++deleted; }
    int drawn = 0, measured = 0, compared = 0, deleted = 0;
};

TEST_F(Controls, OwnerDrawnListsAnswerTheirParentsItemMessages)
{
    CountingItems<CListBox> list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_SORT, m_area, &m_parent, 1));
    CountingItems<CComboBox> combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_SORT,
                             CRect(310, 10, 480, 200), &m_parent, 2));
    for (auto data : {LPARAM{30}, LPARAM{10}, LPARAM{20}}) {
        list.SendMessage(LB_ADDSTRING, 0, data);
        combo.SendMessage(CB_ADDSTRING, 0, data);
    }
    // Sorted by the control's own comparison.
    EXPECT_EQ(list.GetItemData(0), 10u);
    EXPECT_EQ(list.GetItemData(2), 30u);
    EXPECT_EQ(combo.GetItemData(0), 10u);
    EXPECT_GT(list.compared, 0);
    EXPECT_GT(combo.compared, 0);
    EXPECT_GE(list.measured, 3);
    EXPECT_GE(combo.measured, 3);
    list.RedrawWindow();
    EXPECT_GE(list.drawn, 3);
    list.ResetContent();
    combo.ResetContent();
    EXPECT_EQ(list.deleted, 3);
    EXPECT_EQ(combo.deleted, 3);
}

TEST_F(Controls, SpinToolTipAndAnimation)
{
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 30, 40), &m_parent, 110));
    spin.SetRange32(-5, 500);
    int lower = 0, upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, -5);
    EXPECT_EQ(upper, 500);
    spin.SetPos(300);
    EXPECT_EQ(spin.GetPos(), 300);

    CButton target;
    ASSERT_TRUE(target.Create(L"Browse", WS_CHILD | WS_VISIBLE, CRect(50, 10, 150, 40), &m_parent, 111));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&m_parent));
    EXPECT_TRUE(tips.AddTool(&target, L"Choose a file"));
    EXPECT_TRUE(tips.AddTool(&m_parent, L"Area", CRect(0, 100, 50, 150), 7));
    EXPECT_EQ(tips.GetToolCount(), 2);
    tips.UpdateTipText(L"Pick the NSF file", &target);
    wchar_t buffer[80] = {};
    TOOLINFO info;
    tips.FillInToolInfo(info, &target, 0);
    info.lpszText = buffer;
    tips.SendMessage(TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::wstring(buffer), L"Pick the NSF file");
    tips.SetMaxTipWidth(300);
    EXPECT_EQ(tips.GetMaxTipWidth(), 300);
    tips.Activate(TRUE);
    tips.DelTool(&target);
    EXPECT_EQ(tips.GetToolCount(), 1);

    CAnimateCtrl animation;
    ASSERT_TRUE(animation.Create(WS_CHILD | WS_VISIBLE | ACS_CENTER, CRect(10, 50, 100, 100), &m_parent, 112));
    EXPECT_FALSE(animation.Open(L"Z:\\no\\such\\clip.avi"));
    EXPECT_FALSE(animation.Open(4711u)); // no such AVI resource
    animation.Stop();
    animation.Close();
}

} // namespace
