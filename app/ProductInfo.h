#pragma once
// The product's fixed names and addresses.
inline constexpr wchar_t kProductCaption[] = L" Orbalin - ver 8.06.01";
inline constexpr wchar_t kProductHomePage[] = L"https://www.orbalin.example/";
inline constexpr wchar_t kHelpFileName[] = L"Orbalin.chm";
