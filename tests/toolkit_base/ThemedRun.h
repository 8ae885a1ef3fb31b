#pragma once
// The toolkit tests run twice, each in a prefix of its own visual style
// (ORBALIN_WINE_THEME, see scripts/wine-env.sh): "off", and "light", Wine's
// built-in theme. Run elsewhere, the style is not known.
#include <windows.h>

#include <string>

enum class RunStyle { Unknown, Off, Light };

inline RunStyle CurrentRunStyle()
{
    wchar_t value[32] = L"";
    ::GetEnvironmentVariableW(L"ORBALIN_WINE_THEME", value, 32);
    const std::wstring style(value);
    return style == L"light" ? RunStyle::Light : style == L"off" ? RunStyle::Off : RunStyle::Unknown;
}

inline const wchar_t* RunName()
{
    switch (CurrentRunStyle()) {
    case RunStyle::Light: return L"light";
    case RunStyle::Off: return L"classic";
    default: return L"unknown-style";
    }
}
