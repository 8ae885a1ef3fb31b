#include "COleDataSource.h"

#include <shlobj.h>

#include <cstring>

namespace {

// The source last put on the clipboard by this program (UI thread only).
COleDataSource* s_clipboardSource = nullptr;

HGLOBAL CopyGlobal(HGLOBAL source)
{
    const SIZE_T size = ::GlobalSize(source);
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size ? size : 1);
    if (!copy)
        return nullptr;
    const void* from = ::GlobalLock(source);
    void* to = ::GlobalLock(copy);
    if (from && to)
        std::memcpy(to, from, size);
    if (to)
        ::GlobalUnlock(copy);
    if (from)
        ::GlobalUnlock(source);
    if (!from || !to) {
        ::GlobalFree(copy);
        return nullptr;
    }
    return copy;
}

// Drags with the left button: Escape cancels, releasing the button drops.
class LeftButtonDropSource : public IDropSource {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack of DoDragDrop.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) override
    {
        if (escapePressed)
            return DRAGDROP_S_CANCEL;
        if (!(keyState & MK_LBUTTON))
            return DRAGDROP_S_DROP;
        return S_OK;
    }
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

} // namespace

COleDataSource::COleDataSource() = default;

COleDataSource::~COleDataSource()
{
    if (s_clipboardSource == this)
        s_clipboardSource = nullptr;
    for (const Entry& e : m_entries)
        ::GlobalFree(e.memory);
}

void COleDataSource::CacheGlobalData(CLIPFORMAT format, HGLOBAL memory)
{
    for (Entry& e : m_entries) {
        if (e.format == format) {
            ::GlobalFree(e.memory);
            e.memory = memory;
            return;
        }
    }
    m_entries.push_back({format, memory});
}

BOOL COleDataSource::SetClipboard()
{
    const HRESULT hr = ::OleSetClipboard(this);
    if (SUCCEEDED(hr))
        s_clipboardSource = this;
    Release();
    return SUCCEEDED(hr);
}

DWORD COleDataSource::DoDragDrop(DWORD allowed)
{
    LeftButtonDropSource dropSource;
    DWORD effect = DROPEFFECT_NONE;
    if (::DoDragDrop(this, &dropSource, allowed, &effect) != DRAGDROP_S_DROP)
        return DROPEFFECT_NONE;
    return effect;
}

void COleDataSource::FlushClipboard()
{
    if (s_clipboardSource && ::OleIsCurrentClipboard(s_clipboardSource) == S_OK)
        ::OleFlushClipboard();
}

const COleDataSource::Entry* COleDataSource::Find(const FORMATETC* format) const
{
    if (!format || !(format->tymed & TYMED_HGLOBAL) || format->dwAspect != DVASPECT_CONTENT)
        return nullptr;
    for (const Entry& e : m_entries)
        if (e.format == format->cfFormat)
            return &e;
    return nullptr;
}

STDMETHODIMP COleDataSource::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDataObject) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDataSource::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) COleDataSource::Release()
{
    const LONG left = ::InterlockedDecrement(&m_refs);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP COleDataSource::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (!medium)
        return E_POINTER;
    const Entry* e = Find(format);
    if (!e)
        return DV_E_FORMATETC;
    HGLOBAL copy = CopyGlobal(e->memory);
    if (!copy)
        return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP COleDataSource::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::QueryGetData(FORMATETC* format)
{
    return Find(format) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (out)
        out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats)
{
    if (!formats)
        return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> list;
    for (const Entry& e : m_entries)
        list.push_back(FORMATETC{e.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), formats);
}

STDMETHODIMP COleDataSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
