#pragma once
#include "CString.h"

// The calendar grid panel of step 2 as the folder preview fills it: one call per
// calendar entry, with its preview text and subject.
class ICalendarGrid {
public:
    virtual ~ICalendarGrid() = default;
    // The first argument is not used; kind 4 is the long-text field.
    virtual void AddField(int unused, const CString& text, int kind, const CString& subject) = 0;
};
