#include "CalendarConversion.h"

COleDateTime DatetimeToOleDate(const LNDatetime& datetime) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    try {
        LNString text;
        datetime.GetText(&text);
    } catch (...) {
        SYSTEMTIME now;
        GetSystemTime(&now);
        return COleDateTime(now);
    }
    try {
        month = datetime.GetMonth();
        day = datetime.GetDay();
        year = datetime.GetYear();
        hour = datetime.GetHour();
        minute = datetime.GetMinute();
        second = datetime.GetSecond();
    } catch (...) {
    }
    return COleDateTime(year, month, day, hour, minute, second);
}

CString SenderAddressFromName(const CString& name) {
    if (name.Find(L"CN=") == 0 && name.Find(L"/O=") >= 0) {
        CString result = name;
        result.Replace(L"CN=", L"");
        result.Replace(L"/O=", L"/");
        return result;
    }
    const int a = name.Find(L'<');
    const int b = name.Find(L'>');
    if (b > a) return name.Mid(a < 0 ? 0 : a, b);
    return name;
}

CString RecipientAddressesFromNames(const CString& names) {
    CString result;
    int start = 0;
    while (start <= names.GetLength()) {
        int end = names.Find(L';', start);
        if (end < 0) end = names.GetLength();
        if (start > 0) result += L";";
        result += SenderAddressFromName(names.Mid(start, end - start));
        start = end + 1;
    }
    return result;
}
