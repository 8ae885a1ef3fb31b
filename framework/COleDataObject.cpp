#include "COleDataObject.h"

#include <cstring>

BOOL COleDataObject::AttachClipboard()
{
    Release();
    return SUCCEEDED(::OleGetClipboard(&m_data)) && m_data;
}

void COleDataObject::Attach(IDataObject* data)
{
    Release();
    m_data = data;
    if (m_data)
        m_data->AddRef();
}

void COleDataObject::Release()
{
    if (m_data)
        m_data->Release();
    m_data = nullptr;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT format) const
{
    if (!m_data)
        return FALSE;
    FORMATETC fe{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return m_data->QueryGetData(&fe) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT format) const
{
    if (!m_data)
        return nullptr;
    FORMATETC fe{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(m_data->GetData(&fe, &medium)))
        return nullptr;
    HGLOBAL copy = nullptr;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        // The medium may belong to the source; hand the caller its own block.
        const SIZE_T size = ::GlobalSize(medium.hGlobal);
        copy = ::GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
        const void* from = ::GlobalLock(medium.hGlobal);
        void* to = copy ? ::GlobalLock(copy) : nullptr;
        if (from && to)
            std::memcpy(to, from, size);
        if (to)
            ::GlobalUnlock(copy);
        if (from)
            ::GlobalUnlock(medium.hGlobal);
        if (copy && (!from || !to)) {
            ::GlobalFree(copy);
            copy = nullptr;
        }
    }
    ::ReleaseStgMedium(&medium);
    return copy;
}
