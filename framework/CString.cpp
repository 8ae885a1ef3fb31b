#include "CString.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <algorithm>

#include "CInvalidArgException.h"

namespace {

std::wstring Widen(const char* p, int n)
{
    if (!p || n == 0)
        return {};
    if (n < 0)
        n = static_cast<int>(strlen(p));
    int count = MultiByteToWideChar(CP_ACP, 0, p, n, nullptr, 0);
    std::wstring out(static_cast<size_t>(count), L'\0');
    if (count > 0)
        MultiByteToWideChar(CP_ACP, 0, p, n, out.data(), count);
    return out;
}

std::string Narrow(const wchar_t* p, int n)
{
    if (!p || n == 0)
        return {};
    if (n < 0)
        n = static_cast<int>(wcslen(p));
    int count = WideCharToMultiByte(CP_ACP, 0, p, n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(count), '\0');
    if (count > 0)
        WideCharToMultiByte(CP_ACP, 0, p, n, out.data(), count, nullptr, nullptr);
    return out;
}

// Text of either width as XCHAR text.
template <typename XCHAR>
std::basic_string<XCHAR> Convert(const char* p, int n)
{
    if constexpr (std::is_same_v<XCHAR, wchar_t>)
        return Widen(p, n);
    else
        return p ? (n < 0 ? std::string(p) : std::string(p, static_cast<size_t>(n))) : std::string();
}

template <typename XCHAR>
std::basic_string<XCHAR> Convert(const wchar_t* p, int n)
{
    if constexpr (std::is_same_v<XCHAR, char>)
        return Narrow(p, n);
    else
        return p ? (n < 0 ? std::wstring(p) : std::wstring(p, static_cast<size_t>(n))) : std::wstring();
}

int CompareText(const char* a, const char* b) { return strcmp(a, b); }
int CompareText(const wchar_t* a, const wchar_t* b) { return wcscmp(a, b); }
int CompareTextNoCase(const char* a, const char* b) { return _stricmp(a, b); }
int CompareTextNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicmp(a, b); }
int CollateText(const char* a, const char* b) { return strcoll(a, b); }
int CollateText(const wchar_t* a, const wchar_t* b) { return wcscoll(a, b); }
int CollateTextNoCase(const char* a, const char* b) { return _stricoll(a, b); }
int CollateTextNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicoll(a, b); }
void UpperCase(char* p, DWORD n) { CharUpperBuffA(p, n); }
void UpperCase(wchar_t* p, DWORD n) { CharUpperBuffW(p, n); }
void LowerCase(char* p, DWORD n) { CharLowerBuffA(p, n); }
void LowerCase(wchar_t* p, DWORD n) { CharLowerBuffW(p, n); }
bool IsSpace(char c) { return isspace(static_cast<unsigned char>(c)) != 0; }
bool IsSpace(wchar_t c) { return iswspace(c) != 0; }

template <typename XCHAR>
bool InSet(XCHAR ch, const XCHAR* set)
{
    for (; *set; ++set)
        if (*set == ch)
            return true;
    return false;
}

// Runs a narrow printf conversion for one number; the output is ASCII.
template <typename... A>
std::string FormatNumber(const std::string& conversion, A... values)
{
    int n = snprintf(nullptr, 0, conversion.c_str(), values...);
    if (n <= 0)
        return {};
    std::string s(static_cast<size_t>(n), '\0');
    snprintf(s.data(), s.size() + 1, conversion.c_str(), values...);
    return s;
}

template <typename XCHAR>
void AppendPadded(std::basic_string<XCHAR>& out, const std::basic_string<XCHAR>& text, int width, bool left)
{
    size_t pad = width > 0 && static_cast<size_t>(width) > text.size() ? static_cast<size_t>(width) - text.size() : 0;
    if (!left)
        out.append(pad, XCHAR(' '));
    out += text;
    if (left)
        out.append(pad, XCHAR(' '));
}

template <typename XCHAR>
void AppendAscii(std::basic_string<XCHAR>& out, const std::string& text)
{
    for (char c : text)
        out += static_cast<XCHAR>(static_cast<unsigned char>(c));
}

enum class Size { Default, Char, Short, Long, LongLong, Pointer, LongDouble };

// printf-style formatting into out. Conventions of the platform: in wide text
// %s/%c take wide arguments and %S/%C narrow ones (the reverse for narrow
// text); h forces narrow, l/w wide. Numbers go through the C library.
template <typename XCHAR>
void AppendFormatted(std::basic_string<XCHAR>& out, const XCHAR* format, va_list args)
{
    constexpr bool wide = std::is_same_v<XCHAR, wchar_t>;
    va_list ap;
    va_copy(ap, args);
    const XCHAR* p = format;
    while (*p) {
        if (*p != XCHAR('%')) {
            out += *p++;
            continue;
        }
        const XCHAR* specStart = p++;
        if (*p == XCHAR('%')) {
            out += *p++;
            continue;
        }
        std::string flags;
        while (*p == '-' || *p == '+' || *p == ' ' || *p == '0' || *p == '#')
            flags += static_cast<char>(*p++);
        int width = -1;
        if (*p == '*') {
            width = va_arg(ap, int);
            if (width < 0) {
                flags += '-';
                width = width == INT_MIN ? INT_MAX : -width;
            }
            ++p;
        } else {
            for (; *p >= '0' && *p <= '9'; ++p)
                width = std::min((width < 0 ? 0 : width) * 10 + (*p - '0'), INT_MAX / 10);
        }
        int precision = -1;
        if (*p == '.') {
            ++p;
            precision = 0;
            if (*p == '*') {
                precision = va_arg(ap, int);
                if (precision < 0)
                    precision = -1;
                ++p;
            } else {
                for (; *p >= '0' && *p <= '9'; ++p)
                    precision = std::min(precision * 10 + (*p - '0'), INT_MAX / 10);
            }
        }
        Size size = Size::Default;
        if (p[0] == 'h' && p[1] == 'h') {
            size = Size::Char;
            p += 2;
        } else if (*p == 'h') {
            size = Size::Short;
            ++p;
        } else if (p[0] == 'l' && p[1] == 'l') {
            size = Size::LongLong;
            p += 2;
        } else if (*p == 'l' || *p == 'w') {
            size = Size::Long;
            ++p;
        } else if (*p == 'L') {
            size = Size::LongDouble;
            ++p;
        } else if (*p == 'q' || *p == 'j') {
            size = Size::LongLong;
            ++p;
        } else if (*p == 'z' || *p == 't') {
            size = Size::Pointer;
            ++p;
        } else if (*p == 'I') {
            if (p[1] == '6' && p[2] == '4') {
                size = Size::LongLong;
                p += 3;
            } else if (p[1] == '3' && p[2] == '2') {
                p += 3;
            } else {
                size = Size::Pointer;
                ++p;
            }
        }
        XCHAR conv = *p;
        if (!conv) {
            out.append(specStart, p);
            break;
        }
        ++p;
        const bool left = flags.find('-') != std::string::npos;
        std::string conversion = "%" + flags;
        if (width >= 0)
            conversion += std::to_string(width);
        if (precision >= 0)
            conversion += "." + std::to_string(precision);

        switch (conv) {
        case 'd':
        case 'i': {
            long long v;
            switch (size) {
            case Size::Char: v = static_cast<signed char>(va_arg(ap, int)); break;
            case Size::Short: v = static_cast<short>(va_arg(ap, int)); break;
            case Size::Long: v = va_arg(ap, long); break;
            case Size::LongLong:
            case Size::LongDouble: v = va_arg(ap, long long); break;
            case Size::Pointer: v = va_arg(ap, INT_PTR); break;
            default: v = va_arg(ap, int); break;
            }
            AppendAscii(out, FormatNumber(conversion + "lld", v));
            break;
        }
        case 'u':
        case 'x':
        case 'X':
        case 'o': {
            unsigned long long v;
            switch (size) {
            case Size::Char: v = static_cast<unsigned char>(va_arg(ap, unsigned)); break;
            case Size::Short: v = static_cast<unsigned short>(va_arg(ap, unsigned)); break;
            case Size::Long: v = va_arg(ap, unsigned long); break;
            case Size::LongLong:
            case Size::LongDouble: v = va_arg(ap, unsigned long long); break;
            case Size::Pointer: v = va_arg(ap, UINT_PTR); break;
            default: v = va_arg(ap, unsigned); break;
            }
            AppendAscii(out, FormatNumber(conversion + "ll" + static_cast<char>(conv), v));
            break;
        }
        case 'e':
        case 'E':
        case 'f':
        case 'F':
        case 'g':
        case 'G':
        case 'a':
        case 'A': {
            double v = size == Size::LongDouble ? static_cast<double>(va_arg(ap, long double)) : va_arg(ap, double);
            AppendAscii(out, FormatNumber(conversion + static_cast<char>(conv), v));
            break;
        }
        case 'p': {
            auto v = reinterpret_cast<UINT_PTR>(va_arg(ap, void*));
            std::basic_string<XCHAR> text;
            AppendAscii(text, FormatNumber("%0*llX", static_cast<int>(2 * sizeof(void*)), static_cast<unsigned long long>(v)));
            AppendPadded(out, text, width, left);
            break;
        }
        case 'c':
        case 'C': {
            bool wideArg = size == Size::Long || (size != Size::Short && (conv == 'c') == wide);
            std::basic_string<XCHAR> text;
            if (wideArg) {
                wchar_t ch = static_cast<wchar_t>(va_arg(ap, int));
                text = Convert<XCHAR>(&ch, 1);
            } else {
                char ch = static_cast<char>(va_arg(ap, int));
                text = Convert<XCHAR>(&ch, 1);
            }
            AppendPadded(out, text, width, left);
            break;
        }
        case 's':
        case 'S': {
            bool wideArg = size == Size::Long || (size != Size::Short && (conv == 's') == wide);
            std::basic_string<XCHAR> text;
            if (wideArg) {
                const wchar_t* s = va_arg(ap, const wchar_t*);
                text = Convert<XCHAR>(s ? s : L"(null)", -1);
            } else {
                const char* s = va_arg(ap, const char*);
                text = Convert<XCHAR>(s ? s : "(null)", -1);
            }
            if (precision >= 0 && text.size() > static_cast<size_t>(precision))
                text.resize(static_cast<size_t>(precision));
            AppendPadded(out, text, width, left);
            break;
        }
        case 'n':
            // Writing through an argument is never wanted; the pointer is skipped.
            (void)va_arg(ap, void*);
            break;
        default:
            out.append(specStart, p);
            break;
        }
    }
    va_end(ap);
}

bool LoadStringResource(HINSTANCE hInstance, UINT nID, std::wstring& text)
{
    HRSRC res = FindResourceW(hInstance, MAKEINTRESOURCEW((nID >> 4) + 1), MAKEINTRESOURCEW(6));
    if (!res)
        return false;
    HGLOBAL data = LoadResource(hInstance, res);
    if (!data)
        return false;
    auto p = static_cast<const WCHAR*>(LockResource(data));
    if (!p)
        return false;
    const WCHAR* end = p + SizeofResource(hInstance, res) / sizeof(WCHAR);
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (p >= end)
            return false;
        p += 1 + *p;
    }
    if (p >= end || *p == 0 || p + 1 + *p > end)
        return false;
    text.assign(p + 1, *p);
    return true;
}

} // namespace

template <typename XCHAR>
CStringT<XCHAR>::CStringT(PCXSTR psz)
{
    if (psz && IS_INTRESOURCE(psz))
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(psz)));
    else if (psz)
        m_str = psz;
}

template <typename XCHAR>
CStringT<XCHAR>::CStringT(PCYSTR psz)
{
    if (psz && IS_INTRESOURCE(psz))
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(psz)));
    else
        m_str = Convert<XCHAR>(psz, -1);
}

template <typename XCHAR>
CStringT<XCHAR>::CStringT(PCXSTR pch, int nLength)
{
    SetString(pch, nLength);
}

template <typename XCHAR>
CStringT<XCHAR>::CStringT(PCYSTR pch, int nLength)
{
    if (nLength > 0 && !pch)
        AfxThrowInvalidArgException();
    m_str = Convert<XCHAR>(pch, std::max(nLength, 0));
}

template <typename XCHAR>
CStringT<XCHAR>::CStringT(XCHAR ch, int nRepeat)
    : m_str(static_cast<size_t>(std::max(nRepeat, 0)), ch)
{
}

template <typename XCHAR>
CStringT<XCHAR>::CStringT(const CStringT<YCHAR>& other)
    : m_str(Convert<XCHAR>(other.GetString(), other.GetLength()))
{
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::operator=(PCXSTR psz)
{
    SetString(psz);
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::operator=(PCYSTR psz)
{
    m_str = Convert<XCHAR>(psz, -1);
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::operator=(XCHAR ch)
{
    m_str.assign(1, ch);
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::operator=(const CStringT<YCHAR>& other)
{
    m_str = Convert<XCHAR>(other.GetString(), other.GetLength());
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::operator+=(const CStringT& str)
{
    m_str += str.m_str;
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::operator+=(PCXSTR psz)
{
    Append(psz);
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::operator+=(PCYSTR psz)
{
    m_str += Convert<XCHAR>(psz, -1);
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::operator+=(XCHAR ch)
{
    m_str += ch;
    return *this;
}

template <typename XCHAR>
XCHAR CStringT<XCHAR>::GetAt(int iChar) const
{
    if (iChar < 0 || iChar > GetLength())
        AfxThrowInvalidArgException();
    return m_str.c_str()[iChar];
}

template <typename XCHAR>
void CStringT<XCHAR>::SetAt(int iChar, XCHAR ch)
{
    if (iChar < 0 || iChar >= GetLength())
        AfxThrowInvalidArgException();
    m_str[static_cast<size_t>(iChar)] = ch;
}

template <typename XCHAR>
typename CStringT<XCHAR>::PXSTR CStringT<XCHAR>::GetBuffer()
{
    return m_str.data();
}

template <typename XCHAR>
typename CStringT<XCHAR>::PXSTR CStringT<XCHAR>::GetBuffer(int nMinBufferLength)
{
    if (nMinBufferLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufferLength));
    return m_str.data();
}

template <typename XCHAR>
typename CStringT<XCHAR>::PXSTR CStringT<XCHAR>::GetBufferSetLength(int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    m_str.resize(static_cast<size_t>(nLength));
    return m_str.data();
}

template <typename XCHAR>
void CStringT<XCHAR>::ReleaseBuffer(int nNewLength)
{
    // The length never reaches past the buffer that was handed out.
    size_t length = m_str.size();
    if (nNewLength < 0) {
        if (const XCHAR* zero = std::char_traits<XCHAR>::find(m_str.data(), m_str.size(), XCHAR(0)))
            length = static_cast<size_t>(zero - m_str.data());
    } else {
        length = std::min(static_cast<size_t>(nNewLength), length);
    }
    m_str.resize(length);
}

template <typename XCHAR>
void CStringT<XCHAR>::ReleaseBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        AfxThrowInvalidArgException();
    ReleaseBuffer(nNewLength);
}

template <typename XCHAR>
void CStringT<XCHAR>::Preallocate(int nLength)
{
    if (nLength > 0)
        m_str.reserve(static_cast<size_t>(nLength));
}

template <typename XCHAR>
void CStringT<XCHAR>::FreeExtra()
{
    m_str.shrink_to_fit();
}

template <typename XCHAR>
void CStringT<XCHAR>::Append(PCXSTR psz)
{
    if (psz)
        m_str += psz;
}

template <typename XCHAR>
void CStringT<XCHAR>::Append(PCXSTR pch, int nLength)
{
    if (nLength > 0 && !pch)
        AfxThrowInvalidArgException();
    if (nLength > 0)
        m_str.append(pch, static_cast<size_t>(nLength));
}

template <typename XCHAR>
void CStringT<XCHAR>::Append(const CStringT& str)
{
    m_str += str.m_str;
}

template <typename XCHAR>
void CStringT<XCHAR>::AppendChar(XCHAR ch)
{
    m_str += ch;
}

template <typename XCHAR>
void CStringT<XCHAR>::SetString(PCXSTR psz)
{
    if (psz)
        m_str = std::basic_string<XCHAR>(psz);
    else
        m_str.clear();
}

template <typename XCHAR>
void CStringT<XCHAR>::SetString(PCXSTR pch, int nLength)
{
    if (nLength > 0 && !pch)
        AfxThrowInvalidArgException();
    m_str = nLength > 0 ? std::basic_string<XCHAR>(pch, static_cast<size_t>(nLength)) : std::basic_string<XCHAR>();
}

template <typename XCHAR>
int CStringT<XCHAR>::Compare(PCXSTR psz) const
{
    return CompareText(GetString(), psz ? psz : Convert<XCHAR>("", 0).c_str());
}

template <typename XCHAR>
int CStringT<XCHAR>::CompareNoCase(PCXSTR psz) const
{
    return CompareTextNoCase(GetString(), psz ? psz : Convert<XCHAR>("", 0).c_str());
}

template <typename XCHAR>
int CStringT<XCHAR>::Collate(PCXSTR psz) const
{
    return CollateText(GetString(), psz ? psz : Convert<XCHAR>("", 0).c_str());
}

template <typename XCHAR>
int CStringT<XCHAR>::CollateNoCase(PCXSTR psz) const
{
    return CollateTextNoCase(GetString(), psz ? psz : Convert<XCHAR>("", 0).c_str());
}

template <typename XCHAR>
int CStringT<XCHAR>::Find(XCHAR ch, int iStart) const
{
    if (iStart < 0 || iStart >= GetLength())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(iStart));
    return pos == std::basic_string<XCHAR>::npos ? -1 : static_cast<int>(pos);
}

template <typename XCHAR>
int CStringT<XCHAR>::Find(PCXSTR pszSub, int iStart) const
{
    if (!pszSub || iStart < 0 || iStart > GetLength())
        return -1;
    size_t pos = m_str.find(pszSub, static_cast<size_t>(iStart));
    return pos == std::basic_string<XCHAR>::npos ? -1 : static_cast<int>(pos);
}

template <typename XCHAR>
int CStringT<XCHAR>::ReverseFind(XCHAR ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::basic_string<XCHAR>::npos ? -1 : static_cast<int>(pos);
}

template <typename XCHAR>
int CStringT<XCHAR>::FindOneOf(PCXSTR pszCharSet) const
{
    if (!pszCharSet || !*pszCharSet)
        return -1;
    size_t pos = m_str.find_first_of(pszCharSet);
    return pos == std::basic_string<XCHAR>::npos ? -1 : static_cast<int>(pos);
}

template <typename XCHAR>
int CStringT<XCHAR>::Replace(XCHAR chOld, XCHAR chNew)
{
    int count = 0;
    for (XCHAR& c : m_str) {
        if (c == chOld) {
            c = chNew;
            ++count;
        }
    }
    return count;
}

template <typename XCHAR>
int CStringT<XCHAR>::Replace(PCXSTR pszOld, PCXSTR pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    const std::basic_string<XCHAR> oldText(pszOld);
    const std::basic_string<XCHAR> newText(pszNew ? pszNew : Convert<XCHAR>("", 0).c_str());
    std::basic_string<XCHAR> result;
    int count = 0;
    size_t from = 0;
    for (size_t pos; (pos = m_str.find(oldText, from)) != std::basic_string<XCHAR>::npos; from = pos + oldText.size()) {
        result.append(m_str, from, pos - from);
        result += newText;
        ++count;
    }
    if (count) {
        result.append(m_str, from, std::basic_string<XCHAR>::npos);
        m_str.swap(result);
    }
    return count;
}

template <typename XCHAR>
int CStringT<XCHAR>::Remove(XCHAR ch)
{
    auto end = std::remove(m_str.begin(), m_str.end(), ch);
    int count = static_cast<int>(m_str.end() - end);
    m_str.erase(end, m_str.end());
    return count;
}

template <typename XCHAR>
int CStringT<XCHAR>::Insert(int iIndex, XCHAR ch)
{
    iIndex = std::clamp(iIndex, 0, GetLength());
    m_str.insert(static_cast<size_t>(iIndex), 1, ch);
    return GetLength();
}

template <typename XCHAR>
int CStringT<XCHAR>::Insert(int iIndex, PCXSTR psz)
{
    iIndex = std::clamp(iIndex, 0, GetLength());
    if (psz)
        m_str.insert(static_cast<size_t>(iIndex), std::basic_string<XCHAR>(psz));
    return GetLength();
}

template <typename XCHAR>
int CStringT<XCHAR>::Delete(int iIndex, int nCount)
{
    iIndex = std::max(iIndex, 0);
    if (nCount > 0 && iIndex < GetLength())
        m_str.erase(static_cast<size_t>(iIndex), static_cast<size_t>(nCount));
    return GetLength();
}

template <typename XCHAR>
CStringT<XCHAR> CStringT<XCHAR>::Mid(int iFirst) const
{
    return Mid(iFirst, INT_MAX);
}

template <typename XCHAR>
CStringT<XCHAR> CStringT<XCHAR>::Mid(int iFirst, int nCount) const
{
    iFirst = std::clamp(iFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - iFirst);
    return CStringT(GetString() + iFirst, nCount);
}

template <typename XCHAR>
CStringT<XCHAR> CStringT<XCHAR>::Left(int nCount) const
{
    return CStringT(GetString(), std::clamp(nCount, 0, GetLength()));
}

template <typename XCHAR>
CStringT<XCHAR> CStringT<XCHAR>::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CStringT(GetString() + GetLength() - nCount, nCount);
}

template <typename XCHAR>
CStringT<XCHAR> CStringT<XCHAR>::SpanIncluding(PCXSTR pszCharSet) const
{
    size_t n = pszCharSet ? m_str.find_first_not_of(pszCharSet) : 0;
    return Left(n == std::basic_string<XCHAR>::npos ? GetLength() : static_cast<int>(n));
}

template <typename XCHAR>
CStringT<XCHAR> CStringT<XCHAR>::SpanExcluding(PCXSTR pszCharSet) const
{
    size_t n = pszCharSet ? m_str.find_first_of(pszCharSet) : std::basic_string<XCHAR>::npos;
    return Left(n == std::basic_string<XCHAR>::npos ? GetLength() : static_cast<int>(n));
}

template <typename XCHAR>
CStringT<XCHAR> CStringT<XCHAR>::Tokenize(PCXSTR pszTokens, int& iStart) const
{
    if (iStart < 0 || iStart >= GetLength()) {
        iStart = -1;
        return CStringT();
    }
    if (!pszTokens || !*pszTokens) {
        // No delimiters: the rest is one token, and the next call ends.
        CStringT token = Mid(iStart);
        iStart = GetLength();
        return token;
    }
    size_t from = m_str.find_first_not_of(pszTokens, static_cast<size_t>(iStart));
    if (from == std::basic_string<XCHAR>::npos) {
        iStart = -1;
        return CStringT();
    }
    size_t to = m_str.find_first_of(pszTokens, from);
    if (to == std::basic_string<XCHAR>::npos)
        to = m_str.size();
    iStart = static_cast<int>(to) + 1;
    return Mid(static_cast<int>(from), static_cast<int>(to - from));
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::MakeUpper()
{
    if (!m_str.empty())
        UpperCase(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::MakeLower()
{
    if (!m_str.empty())
        LowerCase(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::Trim()
{
    return TrimRight().TrimLeft();
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::Trim(XCHAR chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::Trim(PCXSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::TrimLeft()
{
    auto it = std::find_if(m_str.begin(), m_str.end(), [](XCHAR c) { return !IsSpace(c); });
    m_str.erase(m_str.begin(), it);
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::TrimLeft(XCHAR chTarget)
{
    auto it = std::find_if(m_str.begin(), m_str.end(), [chTarget](XCHAR c) { return c != chTarget; });
    m_str.erase(m_str.begin(), it);
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::TrimLeft(PCXSTR pszTargets)
{
    if (!pszTargets || !*pszTargets)
        return *this;
    auto it = std::find_if(m_str.begin(), m_str.end(), [pszTargets](XCHAR c) { return !InSet(c, pszTargets); });
    m_str.erase(m_str.begin(), it);
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::TrimRight()
{
    auto it = std::find_if(m_str.rbegin(), m_str.rend(), [](XCHAR c) { return !IsSpace(c); });
    m_str.erase(it.base(), m_str.end());
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::TrimRight(XCHAR chTarget)
{
    auto it = std::find_if(m_str.rbegin(), m_str.rend(), [chTarget](XCHAR c) { return c != chTarget; });
    m_str.erase(it.base(), m_str.end());
    return *this;
}

template <typename XCHAR>
CStringT<XCHAR>& CStringT<XCHAR>::TrimRight(PCXSTR pszTargets)
{
    if (!pszTargets || !*pszTargets)
        return *this;
    auto it = std::find_if(m_str.rbegin(), m_str.rend(), [pszTargets](XCHAR c) { return !InSet(c, pszTargets); });
    m_str.erase(it.base(), m_str.end());
    return *this;
}

template <typename XCHAR>
void AFX_CDECL CStringT<XCHAR>::FormatPassed(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

template <typename XCHAR>
void CStringT<XCHAR>::FormatV(PCXSTR pszFormat, va_list args)
{
    std::basic_string<XCHAR> result;
    if (pszFormat)
        AppendFormatted(result, pszFormat, args);
    m_str.swap(result);
}

template <typename XCHAR>
void AFX_CDECL CStringT<XCHAR>::AppendFormatPassed(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

template <typename XCHAR>
void CStringT<XCHAR>::AppendFormatV(PCXSTR pszFormat, va_list args)
{
    if (pszFormat)
        AppendFormatted(m_str, pszFormat, args);
}

template <typename XCHAR>
void AFX_CDECL CStringT<XCHAR>::FormatMessagePassed(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    XCHAR* buffer = nullptr;
    DWORD n;
    if constexpr (std::is_same_v<XCHAR, wchar_t>)
        n = ::FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, pszFormat, 0, 0,
                           reinterpret_cast<LPWSTR>(&buffer), 0, &args);
    else
        n = ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER, pszFormat, 0, 0,
                           reinterpret_cast<LPSTR>(&buffer), 0, &args);
    va_end(args);
    SetString(buffer, static_cast<int>(n));
    if (buffer)
        LocalFree(buffer);
}

template <typename XCHAR>
BOOL CStringT<XCHAR>::LoadString(UINT nID)
{
    return LoadString(AfxGetResourceHandle(), nID);
}

template <typename XCHAR>
BOOL CStringT<XCHAR>::LoadString(HINSTANCE hInstance, UINT nID)
{
    std::wstring text;
    if (!LoadStringResource(hInstance, nID, text))
        return FALSE;
    m_str = Convert<XCHAR>(text.c_str(), static_cast<int>(text.size()));
    return TRUE;
}

template <typename XCHAR>
BSTR CStringT<XCHAR>::AllocSysString() const
{
    std::wstring text = Convert<wchar_t>(GetString(), GetLength());
    return SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
}

template class CStringT<wchar_t>;
template class CStringT<char>;
