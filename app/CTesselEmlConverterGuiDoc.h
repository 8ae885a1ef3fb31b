#pragma once
#include "Framework.h"

// The wizard keeps its state in the frame; the document holds nothing.
class CTesselEmlConverterGuiDoc : public CDocument {
    DECLARE_DYNCREATE(CTesselEmlConverterGuiDoc)
public:
    BOOL OnNewDocument() override { return CDocument::OnNewDocument(); }
    void Serialize(CArchive&) override {}
};
