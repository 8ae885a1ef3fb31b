#include "RdoAppointment.h"

#include <cstdio>

#include "RtfText.h"
#include "oledate/OleDate.h"

namespace rdo {
namespace {

constexpr uint16_t kSubject = 0x0037, kBody = 0x1000, kSenderName = 0x0C1A, kSenderAddress = 0x0C1F,
                   kSenderAddressType = 0x0C1E, kDisplayTo = 0x0E04, kMessageFlags = 0x0E07;
constexpr uint32_t kLidStart = 0x820D, kLidEnd = 0x820E, kLidLocation = 0x8208;
constexpr int32_t kFlagRead = 0x01, kFlagUnsent = 0x08;

// Start and End are local times in the object model; the PST keeps UTC. The local
// time goes through the platform's zone rules (daylight saving time, its gap and
// its overlap included) to a FILETIME (100 ns since 1 January 1601, UTC).
uint64_t utcFileTimeFromLocalDate(DATE date)
{
    oledate::DateFields f;
    SYSTEMTIME local{}, utc{};
    FILETIME ft;
    if (!oledate::OleDate::Split(date, f) || f.year < 1601)
        throw AutomationError("The date is out of range");
    local.wYear = static_cast<WORD>(f.year);
    local.wMonth = static_cast<WORD>(f.month);
    local.wDay = static_cast<WORD>(f.day);
    local.wHour = static_cast<WORD>(f.hour);
    local.wMinute = static_cast<WORD>(f.minute);
    local.wSecond = static_cast<WORD>(f.second);
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &ft))
        throw AutomationError("The date is out of range");
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

uint64_t timeOf(const pst::PstMessage& m, uint32_t lid)
{
    const pst::PropertyValue* value = m.getNamed(pst::kPsetidAppointment, lid);
    return value ? value->asInteger() : 0;
}

std::vector<uint8_t> readWholeFile(const std::wstring& path)
{
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f)
        throw AutomationError("Cannot open the attachment file " + toUtf8(path));
    std::vector<uint8_t> data;
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        data.insert(data.end(), buffer, buffer + got);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        throw AutomationError("Cannot read the attachment file " + toUtf8(path));
    return data;
}

std::wstring baseName(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}

Appointment::Appointment(StoreRef store, uint32_t folder, pst::PstMessage message)
    : item_(std::make_shared<ItemState>(ItemState{std::move(store), folder, std::move(message)}))
{
    item_->message.setLong(kMessageFlags, kFlagRead | kFlagUnsent);
    // As Outlook does for a new appointment: the next half hour, thirty minutes long.
    // Calendar readers skip an appointment that has no times.
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    constexpr uint64_t kHalfHour = 30ull * 60 * 10000000;
    const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const uint64_t start = (ticks / kHalfHour + 1) * kHalfHour;
    item_->message.setNamed(pst::kPsetidAppointment, kLidStart, pst::PropertyValue::integer(pst::kPtSysTime, start, 8));
    item_->message.setNamed(pst::kPsetidAppointment, kLidEnd, pst::PropertyValue::integer(pst::kPtSysTime, start + kHalfHour, 8));
}

void Appointment::setText(uint16_t property, const Arguments& args)
{
    args.expect(DISPATCH_PROPERTYPUT, 1);
    item_->message.setString(property, toUtf8(args.text(0)));
}

void Appointment::call(DISPID id, const Arguments& args, VARIANT& result)
{
    pst::PstMessage& m = item_->message;
    if (item_->saved && id != 6 && args.isPut())
        throw AutomationError("The item has already been saved");
    switch (id) {
    case 0:
        setText(kSubject, args);
        return;
    case 0xB:
        if (args.isPut()) {
            setText(kBody, args);
            return;
        }
        args.expect(DISPATCH_PROPERTYGET, 0);
        putText(result, fromUtf8(m.getString(kBody)));
        return;
    case 0x32:
        setText(kSenderAddress, args);
        m.setString(kSenderAddressType, "SMTP");
        return;
    case 0x34:
        setText(kSenderName, args);
        return;
    case 0x40: {
        setText(kDisplayTo, args);
        // One recipient row per name in the list; the row holds the text as given.
        m.recipients.clear();
        const std::string to = m.getString(kDisplayTo);
        size_t start = 0;
        while (start <= to.size()) {
            size_t end = to.find(';', start);
            if (end == std::string::npos)
                end = to.size();
            std::string one = to.substr(start, end - start);
            const size_t first = one.find_first_not_of(' ');
            one = first == std::string::npos ? std::string() : one.substr(first, one.find_last_not_of(' ') - first + 1);
            if (!one.empty())
                m.recipients.push_back({one, one});
            start = end + 1;
        }
        return;
    }
    case 0x41:
        args.expect(DISPATCH_PROPERTYPUT, 1);
        m.setLong(kMessageFlags, args.boolean(0) ? kFlagRead : kFlagRead | kFlagUnsent);
        return;
    case 0x45: {
        args.expect(DISPATCH_PROPERTYPUT, 1);
        const std::wstring rtf = args.text(0);
        m.setRtfBody(toUtf8(rtf));
        m.setString(kBody, toUtf8(RtfPlainText(rtf)));
        return;
    }
    case 0x49:
        args.expect(DISPATCH_PROPERTYGET, 0);
        putObject(result, new Attachments(item_));
        return;
    case 0x6004000A:
        args.expect(DISPATCH_PROPERTYPUT, 1);
        m.setNamed(pst::kPsetidAppointment, kLidEnd,
                   pst::PropertyValue::integer(pst::kPtSysTime, utcFileTimeFromLocalDate(args.date(0)), 8));
        return;
    case 0x60040042: {
        // As in Outlook, a new start keeps the appointment's duration.
        args.expect(DISPATCH_PROPERTYPUT, 1);
        const uint64_t start = utcFileTimeFromLocalDate(args.date(0));
        const uint64_t oldStart = timeOf(m, kLidStart), oldEnd = timeOf(m, kLidEnd);
        const uint64_t end = oldEnd >= oldStart ? start + (oldEnd - oldStart) : start;
        m.setNamed(pst::kPsetidAppointment, kLidStart, pst::PropertyValue::integer(pst::kPtSysTime, start, 8));
        m.setNamed(pst::kPsetidAppointment, kLidEnd, pst::PropertyValue::integer(pst::kPtSysTime, end, 8));
        return;
    }
    case 0x60040049:
        args.expect(DISPATCH_PROPERTYPUT, 1);
        m.setNamed(pst::kPsetidAppointment, kLidLocation, m.textValue(toUtf8(args.text(0))));
        return;
    case 6:
        args.expect(DISPATCH_METHOD, 0);
        if (item_->saved)
            throw AutomationError("The item has already been saved");
        item_->store->change().saveMessage(item_->folder, m);
        item_->saved = true;
        // The saved item's contents live in the file now; keep no second copy.
        m.attachments.clear();
        m.attachments.shrink_to_fit();
        return;
    default:
        unknownMember();
    }
}

void Attachments::call(DISPID id, const Arguments& args, VARIANT& result)
{
    if (id != 0x65)
        unknownMember();
    args.expect(DISPATCH_METHOD, 4);
    if (V_VT(&args.at(0)) != VT_BSTR)
        throw DispatchFailure{DISP_E_TYPEMISMATCH, 0};
    const std::wstring path = args.text(0);
    args.integer(1);
    args.integer(2);
    std::wstring name = V_VT(&args.at(3)) == VT_BSTR ? args.text(3) : std::wstring();
    if (V_VT(&args.at(3)) != VT_BSTR && V_VT(&args.at(3)) != VT_ERROR && V_VT(&args.at(3)) != VT_EMPTY)
        throw DispatchFailure{DISP_E_TYPEMISMATCH, 3};
    if (name.empty())
        name = baseName(path);
    if (item_->saved)
        throw AutomationError("The item has already been saved");
    item_->message.attachments.push_back({toUtf8(name), readWholeFile(path)});
    putObject(result, new Attachment);
}

}
