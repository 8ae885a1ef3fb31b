#pragma once
// The quoting of delimited text as spreadsheet programs read it: every value
// between double quotes, a double quote inside written twice, values joined
// by the separator, records ended by CR LF. A quoted value may hold the
// separator and line breaks.
#include "Framework.h"

class DelimitedText
{
public:
    static CString Join(const CStringArray& values, const CString& separator);
    // Reads quoted and plain values alike; a plain value ends at the next separator.
    static void Split(const CString& text, const CString& separator, CStringArray& values);
    // The records of a whole text: line breaks inside quotes belong to the value.
    static void SplitRecords(const CString& text, CStringArray& records);
};
