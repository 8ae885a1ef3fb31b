#pragma once
// Every command image of the user interface: per command id a set of icons,
// one per width; image lists standing for ranges of commands; loaders from
// resources, image lists and bitmaps; persistence through a property
// exchange and the clipboard.
#include <map>
#include <memory>
#include <vector>

#include "CCmdTarget.h"
#include "CXTPImageManagerIcon.h"

class CArchive;
class COleDataObject;
class CXTPImageListEntry;
class CXTPImageManagerIconSet;
class CXTPPropExchange;

class CXTPImageManager : public CCmdTarget
{
public:
    // The first custom id given out is one above this.
    static constexpr UINT kFirstCustomBase = 68266;

    // pszAlphaLibrary: where AlphaBlend is looked up.
    explicit CXTPImageManager(LPCWSTR pszAlphaLibrary = L"msimg32.dll");
    ~CXTPImageManager() override;

    // The single entry of every loader: refuses empty images, and images of
    // other states for a command that has no normal image yet.
    BOOL StoreCommandImage(const CXTPImageManagerIconHandle& hIcon, UINT nCommand, int nWidth, int nHeight,
                           int nState = xtpImageNormal);
    UINT StoreCustomImage(const CXTPImageManagerIconHandle& hIcon);
    CXTPImageManagerIcon* GetImage(UINT nCommand, int nWidth = 16);
    CXTPImageManagerIconSet* FindIconSet(UINT nCommand) const;
    CXTPImageListEntry* FindListEntry(UINT nCommand) const;
    // The list stands for nBaseCommand and the ids after it; destroyed with
    // the record when bOwned.
    void AddImageList(HIMAGELIST hImageList, UINT nBaseCommand, BOOL bOwned);
    void ClearAllImages();
    void InvalidateImages();
    const std::map<UINT, CXTPImageManagerIconSet*>& GetIconSets() const { return m_iconSets; }

    BOOL HasAlphaBlend() const { return m_pfnAlphaBlend != nullptr; }
    BOOL IsRightToLeft() const { return m_bRightToLeft; }
    void SetRightToLeft(BOOL bRightToLeft) { m_bRightToLeft = bRightToLeft; }
    COLORREF GetMaskColor() const { return m_clrMask; }
    void SetMaskColor(COLORREF clrMask) { m_clrMask = clrMask; }
    UINT GetNextCustomID() const { return m_nCustomID; }

    // Loaders (CXTPImageManagerLoaders.cpp).
    BOOL SetIconsFromResource(UINT nResourceID, UINT nCommand, int cx, int cy, int nState = xtpImageNormal);
    BOOL AddImageListIcons(HIMAGELIST hImageList, const UINT* pCommands, int nCount, int cx, int cy,
                           int nState = xtpImageNormal);
    BOOL SetIcons(HBITMAP hBitmap, const UINT* pCommands, int nCount, int cx, int cy, int nState, BOOL bAlpha);
    BOOL SetIconsFromBitmapResource(UINT nBitmapID, const UINT* pCommands, int nCount, int cx, int cy,
                                    int nState = xtpImageNormal);
    BOOL AddToolBarIcons(UINT nToolBarID, UINT nBitmapID, int nState = xtpImageNormal);
    // The toolbar's own bitmap.
    BOOL AddToolBarIcons(UINT nToolBarID);

    // Persistence and clipboard (CXTPImageManagerPersistence.cpp).
    // Loading throws an archive exception for a set that is not ours, before
    // anything changes.
    void ExchangeIconSet(UINT nCommand, CXTPPropExchange* pPX);
    // Loading replaces each stored set that loads whole; a damaged one is
    // skipped and what was there before stays.
    void DoPropExchange(CXTPPropExchange* pPX);
    void ArchiveIconSet(UINT nCommand, CArchive& ar);
    void Serialize(CArchive& ar) override;
    // The caller has opened the clipboard.
    BOOL CopyIconToMemory(UINT nCommand);
    // The new command id, or 0.
    UINT PasteIconFromClipboard(COleDataObject* pData);

private:
    CXTPImageManagerIconSet* NewIconSet(UINT nCommand);

    COLORREF m_clrMask = static_cast<COLORREF>(-1);
    std::map<UINT, CXTPImageManagerIconSet*> m_iconSets;
    std::vector<std::unique_ptr<CXTPImageListEntry>> m_imageLists;
    UINT m_nCustomID = kFirstCustomBase;
    HMODULE m_hMsImg32 = nullptr;
    FARPROC m_pfnAlphaBlend = nullptr;
    BOOL m_bRightToLeft = FALSE;
};

// The program's manager, alive from start to exit.
CXTPImageManager* XTPImageManager();

// Clipboard formats registered at start-up: an icon set, and alpha bitmaps
// (registered for other programs; nothing here reads or writes them).
struct XTPImageClipboardFormats
{
    static CLIPFORMAT IconSet();
    static CLIPFORMAT AlphaBitmap();
};
