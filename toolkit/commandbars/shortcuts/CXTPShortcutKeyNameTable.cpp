#include "CXTPShortcutKeyNameTable.h"

namespace
{
struct NamedKey
{
    UINT nKey;
    LPCWSTR pszName;
};

constexpr NamedKey kNamedKeys[] = {
    {0x01, L"Left Button"}, {0x02, L"Right Button"}, {0x03, L"Ctrl+Break"}, {0x04, L"Middle Button"},
    {0x08, L"Backspace"},   {0x09, L"Tab"},          {0x0C, L"Clear"},      {0x0D, L"Enter"},
    {0x10, L"Shift"},       {0x11, L"Ctrl"},         {0x12, L"Alt"},        {0x13, L"Pause"},
    {0x14, L"Caps Lock"},   {0x1B, L"Esc"},          {0x20, L"Space"},      {0x21, L"Page Up"},
    {0x22, L"Page Down"},   {0x23, L"End"},          {0x24, L"Home"},       {0x25, L"Left Arrow"},
    {0x26, L"Up Arrow"},    {0x27, L"Right Arrow"},  {0x28, L"Down Arrow"}, {0x29, L"Select"},
    {0x2A, L"Print"},       {0x2B, L"Execute"},      {0x2C, L"Snapshot"},   {0x2D, L"Ins"},
    {0x2E, L"Del"},         {0x2F, L"Help"},         {0x5B, L"Left Windows"}, {0x5C, L"Right Windows"},
    {0x5D, L"Application"}, {0x6A, L"Num *"},        {0x6B, L"Num +"},      {0x6C, L"Separator"},
    {0x6D, L"Num -"},       {0x6E, L"Num ."},        {0x6F, L"Num /"},      {0x90, L"Num Lock"},
    {0x91, L"Scrl Lock"},   {0xF6, L"Attn"},         {0xF7, L"Crsel"},      {0xF8, L"Exsel"},
    {0xF9, L"Ereof"},       {0xFA, L"Play"},         {0xFB, L"Zoom"},       {0xFC, L"No Name"},
    {0xFD, L"Pa1"},         {0xFE, L"Oem Clear"},
};
}

CXTPShortcutKeyNameTable::CXTPShortcutKeyNameTable()
{
    for (wchar_t ch = L'0'; ch <= L'9'; ++ch)
        SetAt(ch, CString(ch));
    for (wchar_t ch = L'A'; ch <= L'Z'; ++ch)
        SetAt(ch, CString(ch));
    for (const NamedKey& key : kNamedKeys)
        SetAt(key.nKey, key.pszName);
    CString strName;
    for (int i = 0; i < 12; ++i) {
        strName.Format(L"F%d", i + 1);
        SetAt(VK_F1 + i, strName);
    }
    for (int i = 0; i < 10; ++i) {
        strName.Format(L"Num %d", i);
        SetAt(VK_NUMPAD0 + i, strName);
    }
}

CString CXTPShortcutKeyNameTable::GetName(UINT nKey) const
{
    CString strName;
    Lookup(nKey, strName);
    return strName;
}
