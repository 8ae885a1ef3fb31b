#include <gtest/gtest.h>

#include "CXTPResourceManager.h"
#include "CXTThemeHost.h"
#include "CXTThemeManager.h"
#include "CXTThemeManagerStyle.h"
#include "CXTThemeManagerStyleFactory.h"
#include "OSVersion.h"
#include "ToolkitTestHost.h"
#include "resource.h"

namespace {

class CNumberedTheme : public CXTThemeManagerStyle {
public:
    explicit CNumberedTheme(int nNumber) : m_nNumber(nNumber) {}
    void ReloadMetrics() override { ++m_nReloads; }
    int m_nNumber;
    int m_nReloads = 0;
};

class CNumberedFactory : public CXTThemeManagerStyleFactory {
    DECLARE_DYNCREATE(CNumberedFactory)
public:
    CXTThemeManagerStyle* MakeThemeObject(int nTheme) override { return new CNumberedTheme(100 + nTheme); }
};
IMPLEMENT_DYNCREATE(CNumberedFactory, CXTThemeManagerStyleFactory)

// A second class, so each test starts with a factory no other test has touched.
class CFreshFactory : public CNumberedFactory {
    DECLARE_DYNCREATE(CFreshFactory)
};
IMPLEMENT_DYNCREATE(CFreshFactory, CNumberedFactory)

class CRepaintingHost : public CXTThemeHost {
public:
    explicit CRepaintingHost(const CRuntimeClass* pFactoryClass) : CXTThemeHost(pFactoryClass) {}
    int m_nRepaints = 0;
    int Number() const { return static_cast<CNumberedTheme*>(ThemeInUse())->m_nNumber; }

protected:
    void OnThemeChanged() override { ++m_nRepaints; }
};

} // namespace

TEST(ThemeStyles, FactoryThemeChangeRepaintsItsHostsButNotOneWithAPrivateFactory)
{
    CRepaintingHost first(RUNTIME_CLASS(CNumberedFactory));
    CRepaintingHost second(RUNTIME_CLASS(CNumberedFactory));
    CRepaintingHost own(RUNTIME_CLASS(CNumberedFactory));
    CXTThemeManagerStyleFactory* pShared = first.LookUpFactory();
    ASSERT_EQ(pShared, second.LookUpFactory());
    ASSERT_EQ(pShared->GetRuntimeClass(), RUNTIME_CLASS(CNumberedFactory));
    // The first theme comes from the global theme number.
    EXPECT_EQ(first.Number(), 100);

    own.InstallTheme(new CNumberedTheme(7));
    EXPECT_EQ(own.m_nRepaints, 1);
    EXPECT_NE(own.LookUpFactory(), pShared);
    EXPECT_EQ(own.Number(), 7);

    auto* pTheme = new CNumberedTheme(3);
    pShared->InstallTheme(pTheme);
    EXPECT_EQ(pTheme->GetFactory(), pShared);
    EXPECT_EQ(pTheme->m_nReloads, 1);
    EXPECT_EQ(first.m_nRepaints, 1);
    EXPECT_EQ(second.m_nRepaints, 1);
    EXPECT_EQ(own.m_nRepaints, 1);
    EXPECT_EQ(first.Number(), 3);
    EXPECT_EQ(own.Number(), 7);

    // Dropping the private theme goes back to the shared one and its list.
    own.InstallTheme(nullptr);
    EXPECT_EQ(own.m_nRepaints, 2);
    EXPECT_EQ(own.Number(), 3);
    pShared->InstallTheme(new CNumberedTheme(4));
    EXPECT_EQ(own.m_nRepaints, 3);
}

TEST(ThemeStyles, InstallingNoThemeWithoutAPrivateFactoryChangesNothing)
{
    CRepaintingHost host(RUNTIME_CLASS(CFreshFactory));
    CXTThemeManagerStyleFactory* pShared = host.LookUpFactory();
    CXTThemeManagerStyle* pBefore = host.ThemeInUse();
    host.InstallTheme(nullptr);
    EXPECT_EQ(host.m_nRepaints, 0);
    EXPECT_EQ(host.LookUpFactory(), pShared);
    EXPECT_EQ(host.ThemeInUse(), pBefore);
    // Still on the shared factory's list.
    pShared->InstallTheme(new CNumberedTheme(5));
    EXPECT_EQ(host.m_nRepaints, 1);
}

TEST(ThemeStyles, FactoriesAreSharedPerClassAndListed)
{
    CXTThemeManager& manager = CXTThemeManager::Instance();
    CXTThemeManagerStyleFactory* pFactory = manager.LookUpFactory(RUNTIME_CLASS(CNumberedFactory));
    EXPECT_EQ(manager.LookUpFactory(RUNTIME_CLASS(CNumberedFactory)), pFactory);
    const auto& all = manager.GetFactories();
    EXPECT_NE(std::find(all.begin(), all.end(), pFactory), all.end());
    const size_t before = all.size();
    {
        CNumberedFactory loose;
        EXPECT_EQ(all.size(), before + 1);
        EXPECT_NE(std::find(all.begin(), all.end(), &loose), all.end());
    }
    EXPECT_EQ(all.size(), before);
}

TEST(ThemeStyles, OnlyATransparentControlGetsItsParentsBackground)
{
    ToolkitTestWindow parent(0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100));
    CNumberedTheme theme(0);
    EXPECT_FALSE(theme.CopyParentBackground(&parent));
    for (DWORD exStyle : {DWORD{0}, DWORD{WS_EX_TRANSPARENT}}) {
        SCOPED_TRACE(exStyle);
        CWnd child;
        ASSERT_TRUE(child.CreateEx(exStyle, AfxRegisterWndClass(0), L"child", WS_CHILD | WS_VISIBLE, CRect(20, 10, 60, 40),
                                   &parent, 1));
        // The parent shows one colour under the child.
        CDC* pParentDC = parent.GetDC();
        pParentDC->FillSolidRect(0, 0, 200, 100, RGB(9, 99, 199));
        parent.ReleaseDC(pParentDC);
        MemoryCanvas canvas(40, 30);
        canvas.dc().FillSolidRect(0, 0, 40, 30, RGB(1, 2, 3));
        const BOOL painted = theme.PaintCopiedBackground(&canvas.dc(), &child);
        EXPECT_EQ(painted, exStyle != 0);
        EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 30), painted ? RGB(9, 99, 199) : RGB(1, 2, 3)), 40 * 30);
        child.DestroyWindow();
    }
}

TEST(OSVersion, AnswersFromTheVersionRecord)
{
    const OSVERSIONINFOW saved = OSVersionRecord();
    const struct {
        const char* name;
        DWORD platform, major, minor;
        bool is95, is98, isNT4, is2000, isXP, is2000OrLater;
    } cases[] = {
        {"95", 1, 4, 0, true, false, false, false, false, false},
        {"98", 1, 4, 10, false, true, false, false, false, false},
        {"Me", 1, 4, 90, false, false, false, false, false, false},
        {"NT4", 2, 4, 0, false, false, true, false, false, false},
        {"2000", 2, 5, 0, false, false, false, true, false, true},
        {"XP", 2, 5, 1, false, false, false, false, true, true},
        {"7", 2, 6, 1, false, false, false, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OSVersionRecord().dwPlatformId = c.platform;
        OSVersionRecord().dwMajorVersion = c.major;
        OSVersionRecord().dwMinorVersion = c.minor;
        EXPECT_EQ(!!RunsOnWindows95(), c.is95);
        EXPECT_EQ(!!RunsOnWindows98(), c.is98);
        EXPECT_EQ(!!RunsOnWindowsNT4(), c.isNT4);
        EXPECT_EQ(!!RunsOnWindows2000(), c.is2000);
        EXPECT_EQ(!!RunsOnWindowsXP(), c.isXP);
        EXPECT_EQ(!!RunsOnWindows2000OrLater(), c.is2000OrLater);
        EXPECT_TRUE(RunsOnVersion(c.major, c.minor));
        EXPECT_FALSE(RunsOnVersion(c.major, c.minor + 1));
    }
    OSVersionRecord() = saved;
    EXPECT_EQ(OSVersionRecord().dwOSVersionInfoSize, sizeof(OSVERSIONINFOW));
}

TEST(ResourceManager, LoadsTheProgramsResources)
{
    CXTPResourceManager* pManager = GetResourceManager();
    ASSERT_EQ(pManager, GetResourceManager());
    CString text = L"unchanged";
    EXPECT_TRUE(pManager->FetchString(text, 57345));
    EXPECT_EQ(text, CString(L"Ready"));
    text = L"unchanged";
    EXPECT_FALSE(pManager->FetchString(text, 1));
    EXPECT_EQ(text, CString(L"unchanged"));

    for (UINT id : {9008u, 9009u, 9011u, 9970u, 9971u, 9973u})
        EXPECT_NE(pManager->FetchCursor(id), nullptr) << id;
    EXPECT_EQ(pManager->FetchCursor(1), nullptr);

    EXPECT_NE(pManager->FetchDialogTemplate(IDD_ABOUTBOX), nullptr);
    EXPECT_EQ(pManager->FetchDialogTemplate(1), nullptr);

    CBitmap bitmap;
    EXPECT_TRUE(pManager->FetchBitmap(bitmap, IDB_BANNER_LEFT));
    CBitmap missing;
    EXPECT_FALSE(pManager->FetchBitmap(missing, 1));
    CMenu menu;
    EXPECT_TRUE(pManager->FetchMenu(menu, IDR_MAINFRAME));
    CMenu noMenu;
    EXPECT_FALSE(pManager->FetchMenu(noMenu, 1));
}
