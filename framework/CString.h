#pragma once
// Growable character strings: CString (UTF-16, the program's native text) and
// CStringA (8-bit text in the ANSI code page), convertible into each other.

#include <cstdarg>
#include <string>
#include <type_traits>

#include "Afx.h"

template <typename XCHAR>
class CStringT
{
public:
    using YCHAR = std::conditional_t<std::is_same_v<XCHAR, wchar_t>, char, wchar_t>;
    using PXSTR = XCHAR*;
    using PCXSTR = const XCHAR*;
    using PCYSTR = const YCHAR*;

    CStringT() = default;
    CStringT(const CStringT&) = default;
    CStringT(CStringT&&) noexcept = default;
    // A MAKEINTRESOURCE value loads that string from the resources.
    CStringT(PCXSTR psz);
    // Text of the other width, converted through the ANSI code page.
    CStringT(PCYSTR psz);
    CStringT(PCXSTR pch, int nLength);
    CStringT(PCYSTR pch, int nLength);
    explicit CStringT(XCHAR ch, int nRepeat = 1);
    explicit CStringT(const CStringT<YCHAR>& other);
    ~CStringT() = default;

    CStringT& operator=(const CStringT&) = default;
    CStringT& operator=(CStringT&&) noexcept = default;
    CStringT& operator=(PCXSTR psz);
    CStringT& operator=(PCYSTR psz);
    CStringT& operator=(XCHAR ch);
    CStringT& operator=(const CStringT<YCHAR>& other);

    CStringT& operator+=(const CStringT& str);
    CStringT& operator+=(PCXSTR psz);
    CStringT& operator+=(PCYSTR psz);
    CStringT& operator+=(XCHAR ch);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    PCXSTR GetString() const { return m_str.c_str(); }
    operator PCXSTR() const { return m_str.c_str(); }

    // Index GetLength() reads the terminating zero; beyond throws CInvalidArgException.
    XCHAR GetAt(int iChar) const;
    XCHAR operator[](int iChar) const { return GetAt(iChar); }
    void SetAt(int iChar, XCHAR ch);

    // Writable buffer of at least nMinBufferLength characters plus a zero;
    // ReleaseBuffer(-1) takes the length up to the first zero.
    PXSTR GetBuffer();
    PXSTR GetBuffer(int nMinBufferLength);
    PXSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    void Preallocate(int nLength);
    void FreeExtra();

    void Append(PCXSTR psz);
    void Append(PCXSTR pch, int nLength);
    void Append(const CStringT& str);
    void AppendChar(XCHAR ch);
    void SetString(PCXSTR psz);
    void SetString(PCXSTR pch, int nLength);

    int Compare(PCXSTR psz) const;
    int CompareNoCase(PCXSTR psz) const;
    int Collate(PCXSTR psz) const;
    int CollateNoCase(PCXSTR psz) const;

    // Searches answer -1 when nothing is found or the start lies past the end.
    int Find(XCHAR ch, int iStart = 0) const;
    int Find(PCXSTR pszSub, int iStart = 0) const;
    int ReverseFind(XCHAR ch) const;
    int FindOneOf(PCXSTR pszCharSet) const;

    // Editing; each answers the count of replacements/removals or the new length.
    int Replace(XCHAR chOld, XCHAR chNew);
    int Replace(PCXSTR pszOld, PCXSTR pszNew);
    int Remove(XCHAR ch);
    int Insert(int iIndex, XCHAR ch);
    int Insert(int iIndex, PCXSTR psz);
    int Delete(int iIndex, int nCount = 1);

    // Extraction, clamped to the string: never throws for out-of-range arguments.
    CStringT Mid(int iFirst) const;
    CStringT Mid(int iFirst, int nCount) const;
    CStringT Left(int nCount) const;
    CStringT Right(int nCount) const;
    CStringT SpanIncluding(PCXSTR pszCharSet) const;
    CStringT SpanExcluding(PCXSTR pszCharSet) const;
    // Next token after iStart; iStart becomes -1 once no token is left.
    CStringT Tokenize(PCXSTR pszTokens, int& iStart) const;

    CStringT& MakeUpper();
    CStringT& MakeLower();
    CStringT& MakeReverse();

    CStringT& Trim();
    CStringT& Trim(XCHAR chTarget);
    CStringT& Trim(PCXSTR pszTargets);
    CStringT& TrimLeft();
    CStringT& TrimLeft(XCHAR chTarget);
    CStringT& TrimLeft(PCXSTR pszTargets);
    CStringT& TrimRight();
    CStringT& TrimRight(XCHAR chTarget);
    CStringT& TrimRight(PCXSTR pszTargets);

    // printf-style formatting with the platform's wide conventions: in a
    // CString %s and %c take wide text, %S/%hs narrow; %I64d, %lld, %p, ...
    // CString and CStringA arguments may be passed as they are.
    template <typename... Args>
    void Format(PCXSTR pszFormat, const Args&... args)
    {
        FormatPassed(pszFormat, PassFormatArg(args)...);
    }
    template <typename... Args>
    void Format(UINT nFormatID, const Args&... args)
    {
        CStringT format;
        format.LoadString(nFormatID);
        FormatPassed(format.GetString(), PassFormatArg(args)...);
    }
    void FormatV(PCXSTR pszFormat, va_list args);
    template <typename... Args>
    void AppendFormat(PCXSTR pszFormat, const Args&... args)
    {
        AppendFormatPassed(pszFormat, PassFormatArg(args)...);
    }
    template <typename... Args>
    void AppendFormat(UINT nFormatID, const Args&... args)
    {
        CStringT format;
        format.LoadString(nFormatID);
        AppendFormatPassed(format.GetString(), PassFormatArg(args)...);
    }
    void AppendFormatV(PCXSTR pszFormat, va_list args);
    // %1, %2!d! ... inserts, as FormatMessage does.
    template <typename... Args>
    void FormatMessage(PCXSTR pszFormat, const Args&... args)
    {
        FormatMessagePassed(pszFormat, PassFormatArg(args)...);
    }

    // String resource of the resource module (AfxGetResourceHandle) or of hInstance.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    BSTR AllocSysString() const;

    friend CStringT operator+(const CStringT& a, const CStringT& b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const CStringT& a, PCXSTR b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(PCXSTR a, const CStringT& b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const CStringT& a, XCHAR b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(XCHAR a, const CStringT& b) { CStringT r(a); r += b; return r; }

    friend bool operator==(const CStringT& a, const CStringT& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CStringT& a, PCXSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(PCXSTR a, const CStringT& b) { return b.Compare(a) == 0; }
    friend bool operator==(const CStringT& a, XCHAR b) { return a.m_str.size() == 1 && a.m_str[0] == b; }
    friend bool operator!=(const CStringT& a, const CStringT& b) { return !(a == b); }
    friend bool operator!=(const CStringT& a, PCXSTR b) { return !(a == b); }
    friend bool operator!=(PCXSTR a, const CStringT& b) { return !(b == a); }
    friend bool operator!=(const CStringT& a, XCHAR b) { return !(a == b); }
    friend bool operator<(const CStringT& a, const CStringT& b) { return a.Compare(b) < 0; }
    friend bool operator<(const CStringT& a, PCXSTR b) { return a.Compare(b) < 0; }
    friend bool operator<(PCXSTR a, const CStringT& b) { return b.Compare(a) > 0; }
    friend bool operator>(const CStringT& a, const CStringT& b) { return a.Compare(b) > 0; }
    friend bool operator<=(const CStringT& a, const CStringT& b) { return a.Compare(b) <= 0; }
    friend bool operator>=(const CStringT& a, const CStringT& b) { return a.Compare(b) >= 0; }

private:
    // A string object cannot travel through "..."; its text pointer does.
    template <typename T>
    static decltype(auto) PassFormatArg(const T& arg)
    {
        if constexpr (std::is_same_v<T, CStringT<wchar_t>> || std::is_same_v<T, CStringT<char>>)
            return arg.GetString();
        else
            return (arg);
    }
    void AFX_CDECL FormatPassed(PCXSTR pszFormat, ...);
    void AFX_CDECL AppendFormatPassed(PCXSTR pszFormat, ...);
    void AFX_CDECL FormatMessagePassed(PCXSTR pszFormat, ...);

    std::basic_string<XCHAR> m_str;
};

extern template class CStringT<wchar_t>;
extern template class CStringT<char>;

using CStringW = CStringT<wchar_t>;
using CStringA = CStringT<char>;
using CString = CStringW;

// Debug output with Format's conventions (the TRACE macro).
template <typename... Args>
void AfxTrace(LPCWSTR lpszFormat, const Args&... args)
{
    CString text;
    text.Format(lpszFormat, args...);
    OutputDebugStringW(text);
}
