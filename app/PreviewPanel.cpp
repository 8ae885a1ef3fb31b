#include "PreviewPanel.h"

#include "CXTOffscreenDC.h"
#include "ToolkitLookData.h"

BEGIN_MESSAGE_MAP(PreviewPanel, CEdit)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
const wchar_t kBlueHead[] =
    L"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}{\\colortbl ;\\red0\\green0\\blue255;}"
    L"{\\*\\generator Msftedit 5.41.15.1507;}\\viewkind4\\uc1\\pard\\lang1033\\f0\\fs20\\par\\pard\\qc\\cf1\\b\\fs28";
const wchar_t kRedHead[] =
    L"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}{\\colortbl ;\\red255\\green0\\blue0;}"
    L"{\\*\\generator Msftedit 5.41.15.1507;}\\viewkind4\\uc1\\pard\\lang1033\\f0\\fs20\\par\\pard\\qc\\cf1\\b\\fs28";
const wchar_t kTail[] = L"\\cf0\\b0\\fs20\\par\\pardpar}";

struct MessageText {
    bool red;
    const wchar_t* text;
};
const MessageText kMessages[] = {
    {false, L"Please wait while enumerating folders"},
    {true, L"No folder found in file..."},
    {true, L"No Item present in folder please select another folder"},
    {false, L"Please select contact item to see preview... "},
    {false, L"Please wait while generating preview..."},
    {false, L"Either User Abort preview or no body present"},
    {false, L"Please wait while filling list"},
};
}  // namespace

CString PreviewPanel::MessageRtf(int mode)
{
    if (mode < 0 || mode >= static_cast<int>(std::size(kMessages)))
        return CString();
    const MessageText& message = kMessages[mode];
    return CString(message.red ? kRedHead : kBlueHead) + message.text + kTail;
}

int PreviewPanel::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CEdit::OnCreate(lpcs) == -1)
        return -1;
    CRichText::LoadLibrary();
    if (m_dialog.Create(this))
        m_dialog.ShowWindow(SW_SHOW);
    return 0;
}

void PreviewPanel::LayOut()
{
    if (m_dialog.GetSafeHwnd() == nullptr)
        return;
    CRect rc;
    GetClientRect(&rc);
    m_dialog.MoveWindow(0, HeaderHeight, rc.Width(), std::max(0, rc.Height() - HeaderHeight));
}

void PreviewPanel::OnSize(UINT nType, int cx, int cy)
{
    CEdit::OnSize(nType, cx, cy);
    LayOut();
}

void PreviewPanel::SetField(int index, const CString& text)
{
    if (index >= 0 && index < FieldCount)
        m_fields[index] = text;
}

void PreviewPanel::ClearFields()
{
    for (CString& field : m_fields)
        field.Empty();
}

void PreviewPanel::ShowMessage(int mode)
{
    m_dialog.ShowRtf(MessageRtf(mode));
    LayOut();
    Invalidate();
}

void PreviewPanel::ShowEntry(const CString& subject, const CString& text)
{
    ClearFields();
    SetField(0, subject);
    m_dialog.ShowPlainText(text);
    LayOut();
    Invalidate();
}

void PreviewPanel::OnPaint()
{
    CPaintDC paintDC(this);
    CRect rc;
    GetClientRect(&rc);
    CXTOffscreenDC dc(&paintDC, rc);
    dc.FillSolidRect(&rc, 0xFFFFFF);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(0x000000);
    auto& look = ToolkitLookData();
    CFont* pOldFont = dc.SelectObject(&look.fontBold);
    CString first = m_fields[0];
    first.Replace(L'\t', L' ');
    dc.TextOut(80, 20, first);
    dc.SelectObject(&look.fontNormal);
    dc.TextOut(rc.right - 150, 50, m_fields[2]);
    dc.SelectObject(&look.fontBold);
    dc.SetTextColor(0x0062E2);
    dc.TextOut(80, 40, m_fields[1]);
    dc.FillSolidRect(CRect(30, 68, rc.right, 69), 0xCDC0AC);
    dc.SelectObject(pOldFont);
}
