#include "CRdoAttachments.h"

LPDISPATCH CRdoAttachments::Add(const VARIANT& source, const VARIANT& kind, const VARIANT& position, const VARIANT& displayName)
{
    static const BYTE params[] = VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT;
    LPDISPATCH result = nullptr;
    InvokeHelper(0x65, DISPATCH_METHOD, VT_DISPATCH, &result, params, &source, &kind, &position, &displayName);
    return result;
}
