#pragma once
// Reads data that another party offers: the clipboard, or a drag and drop.
#include "Afx.h"
#include <ole2.h>

class COleDataObject {
public:
    COleDataObject() = default;
    ~COleDataObject() { Release(); }
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Attaches to what the clipboard holds now; false when it cannot be had.
    BOOL AttachClipboard();
    // Attaches to a data object (drag and drop); the object is kept until Release.
    void Attach(IDataObject* data);
    void Release();

    BOOL IsDataAvailable(CLIPFORMAT format) const;
    // A copy of the data in global memory, owned by the caller (GlobalFree);
    // null when the format is not offered.
    HGLOBAL GetGlobalData(CLIPFORMAT format) const;

private:
    IDataObject* m_data = nullptr;
};
