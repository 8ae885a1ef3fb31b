#pragma once
// Animation controls ("SysAnimate32") playing silent AVI clips.

#include "AfxCommonControls.h"
#include "CWnd.h"

class CAnimateCtrl : public CWnd
{
    DECLARE_DYNAMIC(CAnimateCtrl)
public:
    CAnimateCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // A file path, or a MAKEINTRESOURCE id of an AVI resource of the resource module.
    BOOL Open(LPCTSTR lpszFileName);
    BOOL Open(UINT nID) { return Open(MAKEINTRESOURCEW(nID)); }
    // Frames nFrom..nTo (0xFFFF: the last), nRep times (-1: for ever).
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep)
    {
        return SendMessage(ACM_PLAY, nRep, MAKELPARAM(nFrom, nTo)) != 0;
    }
    BOOL Stop() { return SendMessage(ACM_STOP) != 0; }
    BOOL Close() { return SendMessage(ACM_OPENW) != 0; }
    BOOL Seek(UINT nTo) { return SendMessage(ACM_PLAY, 1, MAKELPARAM(nTo, nTo)) != 0; }
};
