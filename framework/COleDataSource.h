#pragma once
// Data offered to the clipboard or to a drag and drop: a set of global-memory
// blocks, one per clipboard format, served through IDataObject.
#include "Afx.h"
#include <ole2.h>

#include <vector>

class COleDataSource : public IDataObject {
public:
    // Starts with one reference, the creator's: release it with Release, or hand
    // it over with SetClipboard.
    COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Takes ownership of the block; a second block of one format replaces the first.
    void CacheGlobalData(CLIPFORMAT format, HGLOBAL memory);
    // Puts the source on the clipboard and gives up the creator's reference;
    // the clipboard keeps it alive. False when OLE refuses (the source is
    // released all the same).
    BOOL SetClipboard();
    // Runs a drag and drop with this source (the left button drags it); the
    // effect the target chose, DROPEFFECT_NONE when it was cancelled.
    DWORD DoDragDrop(DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE);
    // Renders the clipboard's data for good when the current clipboard object
    // is a source of this program, so it outlives the program.
    static void FlushClipboard();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDataObject
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override;
    STDMETHODIMP DUnadvise(DWORD) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override;

private:
    virtual ~COleDataSource();
    struct Entry {
        CLIPFORMAT format;
        HGLOBAL memory;
    };
    const Entry* Find(const FORMATETC* format) const;

    LONG m_refs = 1;
    std::vector<Entry> m_entries;
};
