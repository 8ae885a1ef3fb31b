#include "CXTPEdit.h"

IMPLEMENT_DYNCREATE(CXTPEdit, CEdit)
