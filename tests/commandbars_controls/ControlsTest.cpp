// The control collection: the keyboard walk, insertion, copies, comparisons
// and the snapshot of the original controls.
#include <gtest/gtest.h>

#include <vector>

#include "ControlTestBar.h"

TEST(Controls, KeyboardWalk)
{
    struct ControlState {
        DWORD dwHide;
        DWORD dwFlags;
        BOOL bTemporary;
    };
    struct Case {
        const char* name;
        std::vector<ControlState> controls;
        int nIndex, nStep;
        BOOL bKeyboard, bSkipTemporary, bStrict;
        int expected;
    };
    const ControlState kShown{0, 0, FALSE};
    const ControlState kHidden{xtpHideGeneric, 0, FALSE};
    const Case cases[] = {
        {"empty", {}, -1, 1, TRUE, FALSE, TRUE, -1},
        {"all hidden, forward from none", {kHidden, kHidden, kHidden}, -1, 1, TRUE, FALSE, TRUE, -1},
        {"all hidden, backward from none", {kHidden, kHidden, kHidden}, -1, -1, TRUE, FALSE, TRUE, -1},
        {"backward from none starts at the last", {kShown, kShown, kShown}, -1, -1, TRUE, FALSE, TRUE, 2},
        {"only the start qualifies", {kHidden, kShown, kHidden}, 1, 1, TRUE, FALSE, TRUE, 1},
        {"hidden start comes back to itself", {kHidden, kHidden}, 0, 1, TRUE, FALSE, TRUE, 0},
        {"wraps past the end", {kShown, kHidden, kShown}, 2, 1, TRUE, FALSE, TRUE, 0},
        {"wraps below the start", {kShown, kShown, kHidden}, 0, -1, TRUE, FALSE, TRUE, 1},
        {"step 0 answers the index", {kHidden}, 0, 0, TRUE, FALSE, TRUE, 0},
        {"keyboard skips flag 0x02", {kShown, {0, xtpFlagSkipFocus, FALSE}, kShown}, 0, 1, TRUE, FALSE, TRUE, 2},
        {"mouse walk visits flag 0x02", {kShown, {0, xtpFlagSkipFocus, FALSE}, kShown}, 0, 1, FALSE, FALSE, TRUE, 1},
        {"keyboard visits reason 0x08", {kShown, {xtpHideScroll, 0, FALSE}, kShown}, 0, 1, TRUE, FALSE, TRUE, 1},
        {"0x08 with flag 0x02 is skipped", {kShown, {xtpHideScroll, xtpFlagSkipFocus, FALSE}, kShown}, 0, 1, TRUE,
         FALSE, TRUE, 2},
        {"0x08 with another reason is skipped", {kShown, {xtpHideScroll | xtpHideWrap, 0, FALSE}, kShown}, 0, 1,
         TRUE, FALSE, TRUE, 2},
        {"collapsed skipped by a strict walk", {kShown, {xtpHideExpand, 0, FALSE}, kShown}, 0, 1, TRUE, FALSE,
         TRUE, 2},
        {"collapsed visited otherwise", {kShown, {xtpHideExpand, 0, FALSE}, kShown}, 0, 1, TRUE, FALSE, FALSE, 1},
        {"temporary skipped when asked", {kShown, {0, 0, TRUE}, kShown}, 0, 1, TRUE, TRUE, TRUE, 2},
        {"temporary visited otherwise", {kShown, {0, 0, TRUE}, kShown}, 0, 1, TRUE, FALSE, TRUE, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BarHolder bar;
        for (const ControlState& s : c.controls) {
            SizedControl* pControl = bar->AddSized(20, 20, s.dwFlags);
            pControl->SetHideFlags(s.dwHide);
            pControl->SetTemporary(s.bTemporary);
        }
        EXPECT_EQ(bar->GetControls()->GetNext(c.nIndex, c.nStep, c.bKeyboard, c.bSkipTemporary, c.bStrict),
                  c.expected);
    }
}

TEST(Controls, InsertingKeepsIndexesAndBackPointersAndMakesTheBarForgetItsSelection)
{
    BarHolder bar;
    CXTPControls* pControls = bar->GetControls();
    CXTPControl* pFirst = pControls->Add(xtpControlButton, 101);
    CXTPControl* pAtCount = pControls->Add(xtpControlButton, 102, nullptr, pControls->GetCount());
    CXTPControl* pAtMinusOne = pControls->Add(xtpControlButton, 103, nullptr, -1);
    EXPECT_EQ(pAtCount->GetIndex(), 1);
    EXPECT_EQ(pAtMinusOne->GetIndex(), 2);

    // A bar selects only with a window.
    ASSERT_TRUE(bar->CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr));
    bar->SetSelected(2);
    ASSERT_EQ(bar->GetSelectedIndex(), 2);
    CXTPControl* pFront = pControls->Add(xtpControlButton, 100, L"front", 0);
    EXPECT_EQ(bar->GetSelectedIndex(), -1);
    EXPECT_EQ(bar->GetState() & XTP_BARSTATE_LAYOUT, static_cast<DWORD>(XTP_BARSTATE_LAYOUT));
    const CXTPControl* expected[] = {pFront, pFirst, pAtCount, pAtMinusOne};
    for (int i = 0; i < 4; ++i) {
        CXTPControl* pControl = pControls->GetAt(i);
        EXPECT_EQ(pControl, expected[i]);
        EXPECT_EQ(pControl->GetIndex(), i);
        EXPECT_EQ(pControl->GetID(), 100 + i);
        EXPECT_EQ(pControl->GetParent(), bar.pBar);
        EXPECT_EQ(pControl->GetControls(), pControls);
    }
    EXPECT_EQ(pFront->GetParameter(), L"front");
    EXPECT_EQ(pControls->GetAt(4), nullptr);
    EXPECT_EQ(pControls->GetAt(-1), nullptr);

    // A selected control that is removed takes the selection with it.
    bar->SetSelected(1);
    pControls->Remove(pFirst);
    EXPECT_EQ(bar->GetSelectedIndex(), -1);
    EXPECT_EQ(pControls->GetCount(), 3);
    EXPECT_EQ(pAtMinusOne->GetIndex(), 2);
    EXPECT_EQ(pControls->FindControl(101), nullptr);
    EXPECT_EQ(pControls->FindControl(103), pAtMinusOne);
}

TEST(Controls, CompareAndCopy)
{
    BarHolder bar;
    CXTPControl* pSource = bar->GetControls()->Add(xtpControlButton, 57600, L"param");
    pSource->SetCaption(L"&Print\tCtrl+P");
    pSource->SetTooltip(L"Print");
    pSource->SetDescription(L"Prints the document");
    pSource->SetCustomCaption(L"Pr&int");
    pSource->SetIconId(42);
    pSource->SetStyle(xtpButtonIconAndCaption);
    pSource->SetFlags(xtpFlagRightAlign);
    pSource->SetBeginGroup(TRUE);
    pSource->SetHideFlags(xtpHideCustomize);
    pSource->SetChecked(1);
    pSource->SetTag(7);
    pSource->SetCategory(L"File");
    pSource->SetCloseSubMenuOnClick(FALSE);
    pSource->GetDocTemplatesAssigned().SetAt(128, TRUE);
    pSource->SetRect(CRect(5, 5, 30, 30));

    CXTPControl* pCopy = pSource->Clone();
    EXPECT_TRUE(pCopy->Compare(pSource));
    EXPECT_EQ(pCopy->GetShortcutText(), L"Ctrl+P");
    EXPECT_EQ(pCopy->GetTag(), 7);
    EXPECT_EQ(pCopy->GetCategory(), L"File");
    EXPECT_EQ(pCopy->GetChecked(), 1);
    EXPECT_FALSE(pCopy->GetCloseSubMenuOnClick());
    BOOL bAssigned = FALSE;
    EXPECT_TRUE(pCopy->GetDocTemplatesAssigned().Lookup(128, bAssigned));
    // Place, owner and state stay behind.
    EXPECT_EQ(pCopy->GetParent(), nullptr);
    EXPECT_EQ(pCopy->GetControls(), nullptr);
    EXPECT_TRUE(pCopy->GetRect().IsRectNull());

    struct Change {
        const char* name;
        void (*apply)(CXTPControl*);
        BOOL bEqual;
    };
    const Change changes[] = {
        {"parameter differs in case", [](CXTPControl* p) { p->SetParameter(L"Param"); }, FALSE},
        {"hide flag 0x10", [](CXTPControl* p) { p->SetHideFlags(0); }, FALSE},
        {"other hide flags", [](CXTPControl* p) { p->SetHideFlags(xtpHideCustomize | xtpHideWrap); }, TRUE},
        {"icon id", [](CXTPControl* p) { p->SetIconId(43); }, FALSE},
        {"custom icon id", [](CXTPControl* p) { p->SetCustomIconId(5); }, FALSE},
        {"custom style", [](CXTPControl* p) { p->SetCustomStyle(xtpButtonIcon); }, FALSE},
        {"caption", [](CXTPControl* p) { p->SetCaption(L"&print"); }, FALSE},
        {"begin group", [](CXTPControl* p) { p->SetBeginGroup(FALSE); }, FALSE},
        {"tag, checked and enabled", [](CXTPControl* p) {
             p->SetTag(1);
             p->SetChecked(0);
             p->SetEnabled(FALSE);
         }, TRUE},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.name);
        CXTPControl* pOther = pSource->Clone();
        c.apply(pOther);
        EXPECT_EQ(pOther->Compare(pSource), c.bEqual);
        pOther->InternalRelease();
    }
    pCopy->InternalRelease();
}

TEST(Controls, OriginalControlsTellWhetherTheUserChangedTheBar)
{
    BarHolder bar;
    CXTPControls* pControls = bar->GetControls();
    EXPECT_TRUE(pControls->IsChanged()) << "no snapshot yet";
    pControls->Add(xtpControlButton, 100);
    pControls->Add(xtpControlButton, 101)->SetBeginGroup(TRUE);
    pControls->CreateOriginalControls();
    EXPECT_FALSE(pControls->IsChanged());
    EXPECT_EQ(pControls->GetOriginalControls()->GetCount(), 2);

    pControls->Add(xtpControlButton, 102, nullptr, 0, TRUE);
    EXPECT_FALSE(pControls->IsChanged()) << "temporary controls don't count";
    pControls->GetAt(2)->SetCaption(L"Renamed");
    EXPECT_TRUE(pControls->IsChanged());

    // A duplicate leaves temporaries out and keeps a copy of the snapshot.
    CXTPControls* pDuplicate = pControls->Duplicate();
    EXPECT_EQ(pDuplicate->GetCount(), 2);
    ASSERT_NE(pDuplicate->GetOriginalControls(), nullptr);
    EXPECT_NE(pDuplicate->GetOriginalControls(), pControls->GetOriginalControls());
    EXPECT_TRUE(pDuplicate->GetOriginalControls()->IsEqual(pControls->GetOriginalControls()));
    pDuplicate->InternalRelease();
}
