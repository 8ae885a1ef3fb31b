#include "TrackingTestBar.h"

const CRuntimeClass PopupControl::classPopupControl = {"CXTPControlPopup", static_cast<int>(sizeof(PopupControl)),
                                                       0xFFFF, nullptr, RUNTIME_CLASS(CXTPControl)};
static const AFX_CLASSINIT s_initPopupControl(&PopupControl::classPopupControl);
