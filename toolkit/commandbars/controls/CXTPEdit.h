#pragma once
// The edit window of the command bars' edit controls. The frame lets keys
// typed into it reach it untranslated.
#include "Framework.h"
#include "CEdit.h"

class CXTPEdit : public CEdit {
    DECLARE_DYNCREATE(CXTPEdit)
public:
    CXTPEdit() = default;
};
