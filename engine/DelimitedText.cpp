#include "DelimitedText.h"

CString DelimitedText::Join(const CStringArray& values, const CString& separator)
{
    CString text;
    for (INT_PTR i = 0; i < values.GetSize(); ++i) {
        if (i > 0)
            text += separator;
        CString value = values[i];
        value.Replace(L"\"", L"\"\"");
        text += L'"';
        text += value;
        text += L'"';
    }
    return text;
}

void DelimitedText::Split(const CString& text, const CString& separator, CStringArray& values)
{
    values.RemoveAll();
    const int length = text.GetLength();
    const int separatorLength = separator.GetLength();
    int pos = 0;
    for (;;) {
        CString value;
        if (pos < length && text[pos] == L'"') {
            ++pos;
            while (pos < length) {
                if (text[pos] == L'"') {
                    if (pos + 1 < length && text[pos + 1] == L'"') {
                        value += L'"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                value += text[pos++];
            }
        }
        // Plain text, or what stands after a closing quote up to the separator.
        const int next = separatorLength > 0 ? text.Find(separator, pos) : -1;
        value += text.Mid(pos, (next < 0 ? length : next) - pos);
        values.Add(value);
        if (next < 0)
            return;
        pos = next + separatorLength;
    }
}

void DelimitedText::SplitRecords(const CString& text, CStringArray& records)
{
    records.RemoveAll();
    const int length = text.GetLength();
    bool quoted = false;
    int start = 0;
    for (int pos = 0; pos < length; ++pos) {
        const wchar_t c = text[pos];
        if (c == L'"') {
            quoted = !quoted;
        } else if (c == L'\n' && !quoted) {
            const int end = pos > start && text[pos - 1] == L'\r' ? pos - 1 : pos;
            records.Add(text.Mid(start, end - start));
            start = pos + 1;
        }
    }
    if (start < length)
        records.Add(text.Mid(start));
}
