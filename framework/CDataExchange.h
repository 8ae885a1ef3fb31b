#pragma once
// Moving values between dialog controls and member variables
// (DoDataExchange / UpdateData).
#include "CString.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // Thrown by Fail: UpdateData answers FALSE.
    struct Failure {};

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_idLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts the focus back on the last control (selecting an edit's text) and
    // ends the exchange.
    [[noreturn]] void Fail();
};

// Attaches the dialog item to a control object (once).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A number that does not parse is reported ("Please enter an integer.") and fails the exchange.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value is the index of the checked button within the group that starts at
// nIDC (the first button has WS_GROUP), -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
