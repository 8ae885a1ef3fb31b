#include "RtfText.h"

#include <windows.h>

#include <cwctype>
#include <vector>

namespace rdo {
namespace {

bool skippedDestination(const std::wstring& word)
{
    static const wchar_t* const names[] = {L"fonttbl", L"colortbl", L"stylesheet", L"info", L"pict",
                                           L"header", L"footer", L"listtable", L"listoverridetable",
                                           L"generator", L"themedata", L"datastore", L"latentstyles",
                                           L"rsidtbl", L"xmlnstbl", L"mmathPr", L"object"};
    for (const wchar_t* n : names)
        if (word == n)
            return true;
    return false;
}

wchar_t fromCodePage1252(unsigned value)
{
    const char c = static_cast<char>(value);
    wchar_t w = L'?';
    MultiByteToWideChar(1252, 0, &c, 1, &w, 1);
    return w;
}

}

std::wstring RtfPlainText(const std::wstring& rtf)
{
    struct Group {
        bool skip;
        int unicodeSkip;
    };
    std::vector<Group> groups{{false, 1}};
    std::wstring out;
    int pendingSkip = 0;   // fallback characters still to drop after \uN
    const size_t n = rtf.size();
    size_t i = 0;
    auto emit = [&](wchar_t c) {
        if (pendingSkip > 0) {
            --pendingSkip;
            return;
        }
        if (!groups.back().skip)
            out += c;
    };
    while (i < n) {
        const wchar_t c = rtf[i];
        if (c == L'{') {
            groups.push_back(groups.back());
            ++i;
        } else if (c == L'}') {
            if (groups.size() > 1)
                groups.pop_back();
            pendingSkip = 0;
            ++i;
        } else if (c == L'\\') {
            ++i;
            if (i >= n)
                break;
            const wchar_t d = rtf[i];
            if (std::iswalpha(d)) {
                size_t s = i;
                while (i < n && std::iswalpha(rtf[i]))
                    ++i;
                const std::wstring word = rtf.substr(s, i - s);
                bool hasParam = false;
                long param = 0;
                bool negative = false;
                if (i < n && rtf[i] == L'-') {
                    negative = true;
                    ++i;
                }
                while (i < n && std::iswdigit(rtf[i])) {
                    hasParam = true;
                    param = param * 10 + (rtf[i] - L'0');
                    ++i;
                }
                if (negative)
                    param = -param;
                if (i < n && rtf[i] == L' ')
                    ++i;
                if (word == L"par" || word == L"line") {
                    emit(L'\r');
                    emit(L'\n');
                } else if (word == L"tab") {
                    emit(L'\t');
                } else if (word == L"uc" && hasParam) {
                    groups.back().unicodeSkip = static_cast<int>(param);
                } else if (word == L"u" && hasParam) {
                    emit(static_cast<wchar_t>(param < 0 ? param + 65536 : param));
                    pendingSkip = groups.back().unicodeSkip;
                } else if (skippedDestination(word)) {
                    groups.back().skip = true;
                }
            } else if (d == L'*') {
                groups.back().skip = true;
                ++i;
            } else if (d == L'\'') {
                if (i + 2 < n) {
                    const unsigned value = static_cast<unsigned>(std::wcstoul(rtf.substr(i + 1, 2).c_str(), nullptr, 16));
                    emit(fromCodePage1252(value));
                }
                i += 3;
            } else {
                // Escaped symbols: \\ \{ \} and the special spaces and hyphens.
                if (d == L'\\' || d == L'{' || d == L'}')
                    emit(d);
                else if (d == L'~')
                    emit(L'\x00A0');
                else if (d == L'_')
                    emit(L'-');
                ++i;
            }
        } else if (c == L'\r' || c == L'\n') {
            ++i;
        } else {
            emit(c);
            ++i;
        }
    }
    // A trailing line end from the last \par is not part of the text.
    while (out.size() >= 2 && out.compare(out.size() - 2, 2, L"\r\n") == 0)
        out.resize(out.size() - 2);
    return out;
}

}
