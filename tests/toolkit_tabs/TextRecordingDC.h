#pragma once
// A DC over another DC's handle that records every text it is asked to draw
// (the text and the DrawText flags) before drawing it.
#include <vector>

#include "CDC.h"

class TextRecordingDC : public CDC {
public:
    struct Call {
        CString strText;
        UINT nFormat;
        CRect rc;
    };

    explicit TextRecordingDC(CDC& target)
    {
        m_hDC = target.GetSafeHdc();
        m_hAttribDC = target.GetSafeHdc();
    }
    ~TextRecordingDC() override { CDC::ReleaseTemporary(*this); }

    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) override
    {
        if (!(nFormat & DT_CALCRECT))
            m_calls.push_back({CString(lpszString, nCount < 0 ? lstrlenW(lpszString) : nCount), nFormat, *lpRect});
        return CDC::DrawText(lpszString, nCount, lpRect, nFormat);
    }
    using CDC::DrawText;

    std::vector<Call> m_calls;
};
