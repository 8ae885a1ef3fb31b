#include "CXTPImageManager.h"

#include "CXTPImageListEntry.h"
#include "CXTPImageManagerIconSet.h"

CXTPImageManager::CXTPImageManager(LPCWSTR pszAlphaLibrary)
{
    m_hMsImg32 = LoadLibraryW(pszAlphaLibrary);
    if (m_hMsImg32)
        m_pfnAlphaBlend = GetProcAddress(m_hMsImg32, "AlphaBlend");
}

CXTPImageManager::~CXTPImageManager()
{
    ClearAllImages();
    if (m_hMsImg32)
        FreeLibrary(m_hMsImg32);
}

CXTPImageManagerIconSet* CXTPImageManager::NewIconSet(UINT nCommand)
{
    auto* pSet = new CXTPImageManagerIconSet(nCommand, this);
    m_iconSets[nCommand] = pSet;
    return pSet;
}

BOOL CXTPImageManager::StoreCommandImage(const CXTPImageManagerIconHandle& hIcon, UINT nCommand, int nWidth,
                                         int nHeight, int nState)
{
    if (hIcon.IsEmpty())
        return FALSE;
    if (nWidth == 0 && nHeight == 0)
    {
        const CSize size = hIcon.GetExtent();
        nWidth = size.cx;
        nHeight = size.cy;
        if (nWidth == 0 && nHeight == 0)
            return FALSE;
    }
    const auto width = static_cast<UINT>(nWidth);
    if (CXTPImageManagerIconSet* pSet = FindIconSet(nCommand))
    {
        switch (nState)
        {
        case xtpImageDisabled: pSet->SetDisabledAtWidth(hIcon, width); break;
        case xtpImageHot: pSet->SetHotAtWidth(hIcon, width); break;
        case xtpImageChecked: pSet->SetCheckedAtWidth(hIcon, width); break;
        default: pSet->SetNormalAtWidth(hIcon, width); break;
        }
        return TRUE;
    }
    if (nState != xtpImageNormal)
        return FALSE;
    NewIconSet(nCommand)->SetNormalAtWidth(hIcon, width);
    return TRUE;
}

UINT CXTPImageManager::StoreCustomImage(const CXTPImageManagerIconHandle& hIcon)
{
    const UINT nCommand = ++m_nCustomID;
    NewIconSet(nCommand)->SetNormalAtWidth(hIcon, static_cast<UINT>(hIcon.GetExtent().cx));
    return nCommand;
}

CXTPImageManagerIcon* CXTPImageManager::GetImage(UINT nCommand, int nWidth)
{
    if (CXTPImageManagerIconSet* pSet = FindIconSet(nCommand))
        return pSet->IconForWidth(static_cast<UINT>(nWidth), TRUE);
    if (CXTPImageListEntry* pList = FindListEntry(nCommand))
        return pList->IconForCommand(nCommand);
    return nullptr;
}

CXTPImageManagerIconSet* CXTPImageManager::FindIconSet(UINT nCommand) const
{
    const auto it = m_iconSets.find(nCommand);
    return it == m_iconSets.end() ? nullptr : it->second;
}

CXTPImageListEntry* CXTPImageManager::FindListEntry(UINT nCommand) const
{
    for (const auto& pList : m_imageLists)
        if (pList->CoversCommand(nCommand))
            return pList.get();
    return nullptr;
}

void CXTPImageManager::AddImageList(HIMAGELIST hImageList, UINT nBaseCommand, BOOL bOwned)
{
    m_imageLists.push_back(std::make_unique<CXTPImageListEntry>(hImageList, nBaseCommand, bOwned));
}

void CXTPImageManager::ClearAllImages()
{
    for (auto& [id, pSet] : m_iconSets)
        pSet->InternalRelease();
    m_iconSets.clear();
    m_imageLists.clear();
}

void CXTPImageManager::InvalidateImages()
{
    for (auto& [id, pSet] : m_iconSets)
        pSet->InvalidateIcons();
    for (auto& pList : m_imageLists)
        pList->ClearListIcons();
}

CXTPImageManager* XTPImageManager()
{
    static CXTPImageManager manager;
    return &manager;
}

namespace
{
struct RegisteredFormats
{
    CLIPFORMAT iconSet = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"Toolkit ToolBar Image"));
    CLIPFORMAT alphaBitmap = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"Alpha Bitmap Image"));
};
const RegisteredFormats g_formats;
} // namespace

CLIPFORMAT XTPImageClipboardFormats::IconSet()
{
    return g_formats.iconSet;
}

CLIPFORMAT XTPImageClipboardFormats::AlphaBitmap()
{
    return g_formats.alphaBitmap;
}
