// Filling a toolbar: toolbar resources with and without images, truncated and
// missing ones, and what the site may change while the buttons are made.
#include <gtest/gtest.h>

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "TestResourceIds.h"
#include "TestToolBar.h"

#include <vector>

namespace {

struct ResourceCase {
    const char* name;
    UINT nId;
    BOOL bImages;
    BOOL bLoaded;
    std::vector<int> ids;          // the controls made
    std::vector<BOOL> groups;      // their begin-group marks
    CSize szIcons;                 // the bar's own icon size afterwards
};

std::vector<int> IdsOf(CXTPControls* pControls)
{
    std::vector<int> ids;
    for (int i = 0; i < pControls->GetCount(); i++)
        ids.push_back(pControls->GetAt(i)->GetID());
    return ids;
}

std::vector<BOOL> GroupsOf(CXTPControls* pControls)
{
    std::vector<BOOL> groups;
    for (int i = 0; i < pControls->GetCount(); i++)
        groups.push_back(pControls->GetAt(i)->GetBeginGroup());
    return groups;
}

} // namespace

TEST(ToolBarResource, LoadsButtonsGroupsAndIconSizes)
{
    const std::vector<ResourceCase> cases = {
        {"16 wide, two gaps in a row", IDR_TB_SMALL, TRUE, TRUE, {ID_TB_FIRST, ID_TB_SECOND, ID_TB_THIRD},
         {FALSE, TRUE, FALSE}, CSize(0, 0)},
        {"24 wide", IDR_TB_LARGE, TRUE, TRUE, {ID_TB_FIRST, ID_TB_SECOND}, {FALSE, FALSE}, CSize(24, 24)},
        {"without images asked", IDR_TB_LARGE, FALSE, TRUE, {ID_TB_FIRST, ID_TB_SECOND}, {FALSE, FALSE}, CSize(0, 0)},
        {"no bitmap: the buttons stay", IDR_TB_NO_IMAGES, TRUE, FALSE, {ID_TB_FIRST, ID_TB_SECOND}, {FALSE, FALSE},
         CSize(0, 0)},
        {"more ids counted than held", IDR_TB_TRUNCATED, TRUE, FALSE, {}, {}, CSize(0, 0)},
        {"missing", IDR_TB_MISSING, TRUE, FALSE, {}, {}, CSize(0, 0)},
    };
    for (const ResourceCase& c : cases) {
        SCOPED_TRACE(c.name);
        ToolBarHolder bar;
        bar->GetControls()->Add(xtpControlButton, 1);   // whatever was there goes
        EXPECT_EQ(bar->LoadToolBarResource(c.nId, c.bImages), c.bLoaded);
        EXPECT_EQ(IdsOf(bar->GetControls()), c.ids);
        EXPECT_EQ(GroupsOf(bar->GetControls()), c.groups);
        EXPECT_EQ(bar->GetIconSize(), c.szIcons);
    }
}

TEST(ToolBarResource, ImagesGoToTheBarsImageManagerByCommand)
{
    ToolBarHolder bar;
    ASSERT_TRUE(bar->LoadToolBarResource(IDR_TB_SMALL, TRUE));
    CXTPImageManager* pImages = bar->GetImageManager();
    EXPECT_NE(pImages->GetImage(ID_TB_FIRST, 16), nullptr);
    EXPECT_NE(pImages->GetImage(ID_TB_THIRD, 16), nullptr) << "the gaps take no image";
    EXPECT_EQ(pImages->GetImage(0, 16), nullptr);
}

TEST(ToolBarResource, LoadToolBarNamesTheBarAndKeepsTheInitialSetOnlyOnSuccess)
{
    ToolBarHolder bar;
    ASSERT_TRUE(bar->LoadToolBar(IDR_TB_SMALL));
    EXPECT_EQ(bar->GetBarID(), IDR_TB_SMALL);
    CXTPControls* pInitial = bar->GetControls()->GetOriginalControls();
    ASSERT_NE(pInitial, nullptr);
    EXPECT_EQ(IdsOf(pInitial), (std::vector<int>{ID_TB_FIRST, ID_TB_SECOND, ID_TB_THIRD}));

    ToolBarHolder truncated;
    EXPECT_FALSE(truncated->LoadToolBar(IDR_TB_TRUNCATED));
    EXPECT_EQ(truncated->GetBarID(), IDR_TB_TRUNCATED);
    EXPECT_EQ(truncated->GetControls()->GetOriginalControls(), nullptr);
}

namespace {

// A site that answers the creation of the buttons: it renumbers the first,
// supplies a control of its own for the second and leaves the third alone,
// changing its record without answering.
class CreatingSite : public CWnd {
public:
    BOOL CreateSite() { return CreateEx(0, AfxRegisterWndClass(0), L"site", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }

    std::vector<ControlCreateInfo> m_asked;
    std::vector<CXTPControl*> m_created;
    CXTPControl* m_pSupplied = nullptr;

protected:
    afx_msg LRESULT OnCreateControl(WPARAM /*wParam*/, LPARAM lParam)
    {
        auto* pInfo = reinterpret_cast<ControlCreateInfo*>(lParam);
        m_asked.push_back(*pInfo);
        switch (pInfo->nID) {
        case ID_TB_FIRST:
            pInfo->nID = 34000;
            pInfo->buttonStyle = xtpButtonCaption;
            return TRUE;
        case ID_TB_SECOND:
            m_pSupplied = new CXTPControl();
            pInfo->pControl = m_pSupplied;
            return TRUE;
        default:
            pInfo->nID = 34999;   // not answered: not taken
            return FALSE;
        }
    }
    afx_msg LRESULT OnControlCreated(WPARAM /*wParam*/, LPARAM lParam)
    {
        m_created.push_back(reinterpret_cast<ControlCreateInfo*>(lParam)->pControl);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CreatingSite, CWnd)
    ON_MESSAGE(WM_CMDBARS_CREATECONTROL, OnCreateControl)
    ON_MESSAGE(WM_CMDBARS_CONTROLCREATED, OnControlCreated)
END_MESSAGE_MAP()

} // namespace

TEST(ToolBarButtons, AnAnsweringSiteChangesOrSuppliesTheControls)
{
    CreatingSite site;
    ASSERT_TRUE(site.CreateSite());
    ToolBarHolder bar;
    bar->SetOwner(&site);
    bar->SetTitle(L"Standard");
    const UINT ids[] = {ID_TB_FIRST, 0, ID_TB_SECOND, ID_TB_THIRD};
    bar->SetButtons(ids, 4);

    CXTPControls* pControls = bar->GetControls();
    ASSERT_EQ(pControls->GetCount(), 3);
    EXPECT_EQ(pControls->GetAt(0)->GetID(), 34000);
    EXPECT_EQ(pControls->GetAt(0)->GetStyle(), xtpButtonCaption);
    EXPECT_EQ(pControls->GetAt(1), site.m_pSupplied);
    EXPECT_EQ(pControls->GetAt(1)->GetID(), ID_TB_SECOND);
    EXPECT_TRUE(pControls->GetAt(1)->GetBeginGroup());
    EXPECT_EQ(pControls->GetAt(2)->GetID(), ID_TB_THIRD) << "a site that does not answer changes nothing";

    ASSERT_EQ(site.m_asked.size(), 3u);
    EXPECT_EQ(site.m_asked[0].nReserved, 1);
    EXPECT_EQ(site.m_asked[1].nIndex, 2) << "the index of the item in the list, gaps counted";
    EXPECT_EQ(site.m_asked[2].strCaption, CString(L"Standard"));
    EXPECT_EQ(site.m_asked[2].controlType, xtpControlButton);
    EXPECT_EQ(site.m_created, (std::vector<CXTPControl*>{pControls->GetAt(0), pControls->GetAt(1), pControls->GetAt(2)}));
}
