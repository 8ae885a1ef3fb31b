#include "FakeUxTheme.h"

#include <uxtheme.h>

#include <stdexcept>

FakeUxTheme* FakeUxTheme::current = nullptr;

namespace {
std::string Narrow(const wchar_t* text)
{
    std::string s;
    for (; text && *text; ++text)
        s += static_cast<char>(*text);
    return s;
}

std::string HandleText(HTHEME theme)
{
    return std::to_string(reinterpret_cast<INT_PTR>(theme));
}

void MaybeRaise(const char* entry)
{
    if (FakeUxTheme::current->raisingEntries.count(entry))
        throw std::runtime_error(entry);
}

HTHEME WINAPI FakeOpen(HWND, LPCWSTR classList)
{
    MaybeRaise("OpenThemeData");
    FakeUxTheme& f = *FakeUxTheme::current;
    HTHEME theme = reinterpret_cast<HTHEME>(static_cast<INT_PTR>(++f.lastHandle));
    f.calls.push_back("open " + Narrow(classList) + " -> " + HandleText(theme));
    return theme;
}

HRESULT WINAPI FakeClose(HTHEME theme)
{
    MaybeRaise("CloseThemeData");
    FakeUxTheme::current->calls.push_back("close " + HandleText(theme));
    return S_OK;
}

HRESULT WINAPI FakeDraw(HTHEME theme, HDC, int, int, const RECT*, const RECT*)
{
    MaybeRaise("DrawThemeBackground");
    FakeUxTheme::current->calls.push_back("draw " + HandleText(theme));
    return S_OK;
}

HRESULT WINAPI FakeColor(HTHEME theme, int, int, int property, COLORREF* colour)
{
    MaybeRaise("GetThemeColor");
    FakeUxTheme& f = *FakeUxTheme::current;
    f.calls.push_back("color " + HandleText(theme) + " " + std::to_string(property));
    *colour = f.themeColor;
    return S_OK;
}

HRESULT WINAPI FakeThemeName(LPWSTR file, int fileChars, LPWSTR colour, int colourChars, LPWSTR size, int sizeChars)
{
    MaybeRaise("GetCurrentThemeName");
    FakeUxTheme& f = *FakeUxTheme::current;
    if (!f.themeActive)
        return E_FAIL;
    lstrcpynW(file, f.themeFile.c_str(), fileChars);
    lstrcpynW(colour, f.colorName.c_str(), colourChars);
    if (size && sizeChars > 0)
        lstrcpynW(size, L"NormalSize", sizeChars);
    return S_OK;
}

BOOL WINAPI FakeThemeActive()
{
    MaybeRaise("IsThemeActive");
    return FakeUxTheme::current->themeActive;
}

BOOL WINAPI FakeAppThemed()
{
    MaybeRaise("IsAppThemed");
    return FakeUxTheme::current->appThemed;
}

template <typename Fn>
FARPROC AsProc(Fn fn)
{
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(fn));
}

const std::map<std::string, FARPROC>& Exports()
{
    static const std::map<std::string, FARPROC> exports = {
        {"OpenThemeData", AsProc(&FakeOpen)},          {"CloseThemeData", AsProc(&FakeClose)},
        {"DrawThemeBackground", AsProc(&FakeDraw)},    {"GetThemeColor", AsProc(&FakeColor)},
        {"GetCurrentThemeName", AsProc(&FakeThemeName)}, {"IsThemeActive", AsProc(&FakeThemeActive)},
        {"IsAppThemed", AsProc(&FakeAppThemed)},
    };
    return exports;
}
}

FakeUxTheme::FakeUxTheme()
{
    current = this;
}

FakeUxTheme::~FakeUxTheme()
{
    current = nullptr;
}

ThemeEntryTable FakeUxTheme::MakeTable(DWORD comCtlVersion)
{
    return ThemeEntryTable(
        [this](const char* name) -> FARPROC {
            ++lookups[name];
            if (missingEntries.count(name))
                return nullptr;
            auto found = Exports().find(name);
            return found != Exports().end() ? found->second : nullptr;
        },
        comCtlVersion);
}
