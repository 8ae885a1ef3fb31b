#include "CXTPColorManager.h"
#include "ToolkitLookData.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// A system whose menu font is face at -11, whose icon-title font is -15 and
// whose installed faces are the ones given.
struct FakeLookSystem {
    std::wstring menuFace = L"MS Shell Dlg";
    BYTE menuCharset = ANSI_CHARSET;
    BYTE screenCharset = ANSI_CHARSET;
    std::set<std::wstring> installed = {L"Tahoma", L"Arial", L"Marlett"};
    bool hasHandCursor = true;

    LookDataSystem Make() const
    {
        LookDataSystem system = LookDataSystem::Actual();
        system.nonClientMetrics = [this] {
            NonClientMetrics metrics;
            LOGFONTW& menu = metrics.lfMenuFont;
            menu = LOGFONTW{};
            menu.lfHeight = -11;
            menu.lfWeight = FW_NORMAL;
            menu.lfCharSet = menuCharset;
            lstrcpynW(menu.lfFaceName, menuFace.c_str(), LF_FACESIZE);
            metrics.lfStatusFont = menu;
            metrics.lfSmCaptionFont = menu;
            lstrcpynW(metrics.lfSmCaptionFont.lfFaceName, L"Small Caption", LF_FACESIZE);
            return metrics;
        };
        system.iconTitleFont = [] {
            LOGFONTW lf{};
            lf.lfHeight = -15;
            lstrcpynW(lf.lfFaceName, L"Icon Title", LF_FACESIZE);
            return lf;
        };
        system.screenCharset = [this] { return screenCharset; };
        system.fontFamilyExists = [this](LPCTSTR face) { return installed.count(face) != 0 ? TRUE : FALSE; };
        system.systemHandCursor = [this] { return hasHandCursor ? ::LoadCursorW(nullptr, IDC_HAND) : nullptr; };
        return system;
    }
};

LOGFONTW LogFont(const CFont& font)
{
    LOGFONTW lf{};
    font.GetLogFont(&lf);
    return lf;
}

std::wstring Face(const CFont& font)
{
    return LogFont(font).lfFaceName;
}

} // namespace

TEST(LookData, VerticalFontsTakeArialUnlessTheMenuIsInTahoma)
{
    struct Case {
        const wchar_t* menuFace;
        bool arialInstalled;
        const wchar_t* vertical;
    } cases[] = {
        {L"MS Shell Dlg", true, L"Arial"},
        {L"MS Shell Dlg", false, L"MS Shell Dlg"},
        {L"tahoma", true, L"tahoma"},
    };
    for (const Case& c : cases) {
        FakeLookSystem fake;
        fake.menuFace = c.menuFace;
        if (!c.arialInstalled)
            fake.installed.erase(L"Arial");
        class ToolkitLookData look(fake.Make());
        EXPECT_EQ(Face(look.fontNormal), c.menuFace);
        EXPECT_EQ(Face(look.fontBold), c.menuFace);
        EXPECT_EQ(Face(look.fontVert), c.vertical) << c.menuFace;
        EXPECT_EQ(Face(look.fontVertBold), c.vertical) << c.menuFace;
        EXPECT_EQ(LogFont(look.fontVert).lfEscapement, 2700);
        EXPECT_EQ(LogFont(look.fontVert).lfOrientation, 900);
        EXPECT_EQ(LogFont(look.fontVertBold).lfWeight, FW_BOLD);
    }
}

TEST(LookData, HorizontalFontsTakeTheScreensCharacterSet)
{
    FakeLookSystem fake;
    fake.menuCharset = SHIFTJIS_CHARSET;
    fake.screenCharset = EASTEUROPE_CHARSET;
    class ToolkitLookData look(fake.Make());
    for (const CFont* font : {&look.fontNormal, &look.fontBold, &look.fontUnderline, &look.fontVert, &look.fontVertBold})
        EXPECT_EQ(LogFont(*font).lfCharSet, EASTEUROPE_CHARSET);
    EXPECT_EQ(LogFont(look.fontStatus).lfCharSet, SHIFTJIS_CHARSET);  // the status font as the system has it
    EXPECT_EQ(LogFont(look.fontBold).lfWeight, FW_BOLD);
    EXPECT_EQ(LogFont(look.fontUnderline).lfUnderline, TRUE);
    EXPECT_EQ(LogFont(look.fontNormal).lfHeight, -11);
}

TEST(LookData, SymbolAndIconTitleFonts)
{
    FakeLookSystem fake;
    class ToolkitLookData look(fake.Make());
    const LOGFONTW symbol = LogFont(look.fontSymbol);
    EXPECT_STREQ(symbol.lfFaceName, L"Marlett");
    EXPECT_EQ(symbol.lfHeight, -15);  // the icon title's, not the menu's
    EXPECT_EQ(symbol.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(Face(look.fontIconTitle), L"Icon Title");
    EXPECT_EQ(LogFont(look.fontIconTitleBold).lfWeight, FW_BOLD);
    EXPECT_EQ(Face(look.fontSmallCaption), L"Small Caption");
}

TEST(LookData, GivenFacesReplaceTheFontFaces)
{
    struct Case {
        const wchar_t* horz;
        const wchar_t* vert;
        BOOL preferTahoma;
        BYTE menuCharset;
        const wchar_t* normal;
        const wchar_t* smallCaption;
        const wchar_t* vertical;
    } cases[] = {
        {L"Tahoma", L"Tahoma", FALSE, ANSI_CHARSET, L"Tahoma", L"Tahoma", L"Tahoma"},
        {L"Missing Face", L"Missing Face", FALSE, ANSI_CHARSET, L"MS Shell Dlg", L"Small Caption", L"MS Shell Dlg"},
        {nullptr, nullptr, TRUE, ANSI_CHARSET, L"Tahoma", L"Small Caption", L"Arial"},
        {nullptr, nullptr, TRUE, SYMBOL_CHARSET, L"Tahoma", L"Small Caption", L"Arial"},
        {nullptr, nullptr, TRUE, SHIFTJIS_CHARSET, L"MS Shell Dlg", L"Small Caption", L"Arial"},
    };
    for (const Case& c : cases) {
        FakeLookSystem fake;
        fake.menuCharset = c.menuCharset;
        class ToolkitLookData look(fake.Make());
        look.bPreferTahoma = c.preferTahoma;
        EXPECT_TRUE(look.UpdateFonts(c.horz, c.vert));
        EXPECT_EQ(Face(look.fontNormal), c.normal);
        EXPECT_EQ(Face(look.fontStatus), c.horz && fake.installed.count(c.horz) ? c.horz : L"MS Shell Dlg");
        EXPECT_EQ(Face(look.fontSmallCaption), c.smallCaption);
        EXPECT_EQ(Face(look.fontVert), c.vertical);
    }
}

TEST(LookData, CursorsFromTheSystemAndTheProgramsResources)
{
    const HINSTANCE program = ::GetModuleHandleW(nullptr);
    FakeLookSystem fake;
    {
        class ToolkitLookData look(fake.Make());
        EXPECT_EQ(look.hcurSplitHorz, ::LoadCursorW(program, MAKEINTRESOURCEW(9008)));
        EXPECT_EQ(look.hcurSplitVert, ::LoadCursorW(program, MAKEINTRESOURCEW(9009)));
        EXPECT_EQ(look.hcurMove, ::LoadCursorW(program, MAKEINTRESOURCEW(9011)));
        EXPECT_EQ(look.hcurHand, ::LoadCursorW(nullptr, IDC_HAND));
        EXPECT_EQ(look.hcurDragMove, ::LoadCursorW(program, MAKEINTRESOURCEW(9970)));
        EXPECT_EQ(look.hcurDragCopy, ::LoadCursorW(program, MAKEINTRESOURCEW(9971)));
        EXPECT_EQ(look.hcurSizeAll, ::LoadCursorW(nullptr, IDC_SIZEALL));
        EXPECT_NE(look.hcurSplitHorz, nullptr);
    }
    fake.hasHandCursor = false;
    class ToolkitLookData look(fake.Make());
    EXPECT_EQ(look.hcurHand, ::LoadCursorW(program, MAKEINTRESOURCEW(9973)));
    EXPECT_NE(look.hcurHand, nullptr);
    EXPECT_NE(look.hcurDragMove, nullptr);
}

TEST(LookData, ColoursMetricsAndVersionOfTheProcess)
{
    auto& look = ToolkitLookData();
    EXPECT_EQ(&look, &ToolkitLookData());
    const CXTPColorManager& colours = *GetColorManager();
    EXPECT_EQ(look.clrBtnFace, colours.GetColor(COLOR_BTNFACE));
    EXPECT_EQ(look.clrInactiveCaptionText, colours.GetColor(COLOR_INACTIVECAPTIONTEXT));
    EXPECT_EQ(look.clrToolkit[0], colours.GetColor(30));
    EXPECT_EQ(look.clrToolkit[19], colours.GetColor(49));
    EXPECT_EQ(look.cxSmIcon, ::GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(look.cyMenuItem, ::GetSystemMetrics(SM_CYMENU));
    EXPECT_GE(HIWORD(look.GetComCtlVersion()), 5);
    EXPECT_NE(look.fontNormal.GetSafeHandle(), nullptr);
    EXPECT_NE(look.fontSymbol.GetSafeHandle(), nullptr);
}
