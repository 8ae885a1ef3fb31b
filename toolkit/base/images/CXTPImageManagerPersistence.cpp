// CXTPImageManager's persistence: icon sets through a property exchange, and
// one set through the clipboard as an archive image.
#include <cstring>
#include <memory>

#include "CArchive.h"
#include "CArchiveException.h"
#include "CMemFile.h"
#include "COleDataObject.h"
#include "COleException.h"
#include "CXTPImageManager.h"
#include "CXTPImageManagerIconSet.h"
#include "CXTPPropExchangeArchive.h"
#include "CXTPPropExchangeEnumerator.h"
#include "PropExchangeHelpers.h"

namespace
{
constexpr wchar_t kCheckSum[] = L"CXTPImageManagerIcons";

// Sections are released through their reference count.
struct SectionRelease
{
    void operator()(CXTPPropExchange* p) const { p->InternalRelease(); }
};
using Section = std::unique_ptr<CXTPPropExchange, SectionRelease>;

struct IconSetRelease
{
    void operator()(CXTPImageManagerIconSet* p) const { p->InternalRelease(); }
};
} // namespace

void CXTPImageManager::ExchangeIconSet(UINT nCommand, CXTPPropExchange* pPX)
{
    // Custom ids given out later never collide with stored ones.
    if (nCommand > m_nCustomID)
        m_nCustomID = nCommand;

    CString strCheckSum(kCheckSum);
    PX_String(pPX, L"CheckSum", strCheckSum, kCheckSum);
    if (pPX->IsLoading() && strCheckSum != kCheckSum)
        AfxThrowArchiveException(CArchiveException::badClass);

    std::unique_ptr<CXTPPropExchangeEnumerator> pEnum(pPX->GetEnumerator(L"Icon"));
    if (pPX->IsStoring())
    {
        // A command without images is stored as an empty set.
        static const CXTPImageManagerIconSet::IconMap noIcons;
        const CXTPImageManagerIconSet* pSet = FindIconSet(nCommand);
        const auto& icons = pSet ? pSet->GetIcons() : noIcons;
        DWORD nCount = 0;
        for (const auto& [width, pIcon] : icons)
            nCount += pIcon->IsScaled() ? 0 : 1;
        ULONG_PTR pos = pEnum->GetPosition(nCount, FALSE);
        for (const auto& [width, pIcon] : icons)
        {
            if (pIcon->IsScaled() || !pos)
                continue;
            Section pSection(pEnum->GetNext(pos));
            int nWidth = static_cast<int>(width);
            PX_Int(pSection.get(), L"Width", nWidth, 0);
            PX_Object(pSection.get(), L"Data", pIcon);
        }
        return;
    }

    // Loaded whole into a set of its own first: a failure leaves the stored set as it was.
    std::unique_ptr<CXTPImageManagerIconSet, IconSetRelease> pLoaded(new CXTPImageManagerIconSet(nCommand, this));
    ULONG_PTR pos = pEnum->GetPosition(0, FALSE);
    while (pos)
    {
        Section pSection(pEnum->GetNext(pos));
        int nWidth = 16;
        PX_Int(pSection.get(), L"Width", nWidth, 16);
        auto* pIcon = new CXTPImageManagerIcon(nCommand, nWidth, 15, pLoaded.get());
        // A record that does not load gives no image.
        if (nWidth > 0 && PX_Object(pSection.get(), L"Data", pIcon) && !pIcon->GetIcon().IsEmpty())
            pLoaded->StoreIcon(static_cast<UINT>(nWidth), pIcon);
        else
            pIcon->InternalRelease();
    }
    CXTPImageManagerIconSet* pSet = FindIconSet(nCommand);
    if (!pSet)
        pSet = NewIconSet(nCommand);
    pSet->ClearIcons();
    for (const auto& [width, pIcon] : pLoaded->GetIcons())
    {
        pIcon->InternalAddRef();
        pSet->StoreIcon(width, pIcon);
    }
}

void CXTPImageManager::DoPropExchange(CXTPPropExchange* pPX)
{
    std::unique_ptr<CXTPPropExchangeEnumerator> pEnum(pPX->GetEnumerator(L"IconSet"));
    if (pPX->IsStoring())
    {
        ULONG_PTR pos = pEnum->GetPosition(static_cast<DWORD>(m_iconSets.size()), FALSE);
        for (const auto& [id, pSet] : m_iconSets)
        {
            Section pSection(pEnum->GetNext(pos));
            int nID = static_cast<int>(id);
            PX_Int(pSection.get(), L"Id", nID, 0);
            ExchangeIconSet(id, pSection.get());
        }
        return;
    }
    ULONG_PTR pos = pEnum->GetPosition(0, FALSE);
    while (pos)
    {
        Section pSection(pEnum->GetNext(pos));
        int nID = 0;
        PX_Int(pSection.get(), L"Id", nID, 0);
        try
        {
            ExchangeIconSet(static_cast<UINT>(nID), pSection.get());
        }
        catch (CArchiveException* e)
        {
            e->Delete();
            // A stream that failed is lost past this point; named sections are not.
            if (!pPX->CanOmitValues())
                break;
        }
    }
}

void CXTPImageManager::ArchiveIconSet(UINT nCommand, CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    ExchangeIconSet(nCommand, &px);
}

void CXTPImageManager::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px);
}

BOOL CXTPImageManager::CopyIconToMemory(UINT nCommand)
{
    if (!FindIconSet(nCommand))
        return FALSE;
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store, 4096);
        ArchiveIconSet(nCommand, ar);
        ar.Flush();
    }
    const auto nBytes = static_cast<SIZE_T>(file.GetLength());
    HGLOBAL hGlobal = GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hGlobal)
        return FALSE;
    BYTE* pData = file.Detach();
    std::memcpy(GlobalLock(hGlobal), pData, nBytes);
    GlobalUnlock(hGlobal);
    std::free(pData);
    if (!SetClipboardData(XTPImageClipboardFormats::IconSet(), hGlobal))
    {
        GlobalFree(hGlobal);
        return FALSE;
    }
    return TRUE;
}

UINT CXTPImageManager::PasteIconFromClipboard(COleDataObject* pData)
{
    HGLOBAL hGlobal = pData->GetGlobalData(XTPImageClipboardFormats::IconSet());
    if (!hGlobal)
        return 0;
    UINT nCommand = 0;
    const auto nBytes = static_cast<UINT>(GlobalSize(hGlobal));
    if (const BYTE* pBytes = static_cast<const BYTE*>(GlobalLock(hGlobal)))
    {
        CMemFile file(const_cast<BYTE*>(pBytes), nBytes);
        try
        {
            CArchive ar(&file, CArchive::load, 4096);
            const UINT nNew = ++m_nCustomID;
            ArchiveIconSet(nNew, ar);
            nCommand = nNew;
        }
        catch (CArchiveException* e)
        {
            e->Delete();
        }
        catch (COleException* e)
        {
            e->Delete();
        }
        GlobalUnlock(hGlobal);
    }
    GlobalFree(hGlobal);
    return nCommand;
}
