#pragma once
// Conversions that only the calendar item writer uses.
#include "COleDateTime.h"
#include "CString.h"
#include "lnapi.h"

// A Notes date-time as an OLE date, without time-zone shift. Unreadable parts stay 0
// (an invalid date); a date-time without text gives the current UTC time.
COleDateTime DatetimeToOleDate(const LNDatetime& datetime);

// The address form of a name: "CN=x/O=y" gives "x/y", "name <address>" gives
// "<address>"; anything else comes back unchanged.
CString SenderAddressFromName(const CString& name);

// SenderAddressFromName for each ";"-separated name of a list, joined by ";" again,
// so that several internet-form recipients all keep their address.
CString RecipientAddressesFromNames(const CString& names);
