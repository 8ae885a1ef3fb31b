#include "RdoSession.h"

namespace rdo {
namespace {

const wchar_t kDefaultVersion[] = L"12.0.6607.1000";

std::wstring reportedVersion()
{
    wchar_t buffer[256];
    const DWORD n = GetEnvironmentVariableW(L"ORBALIN_REDEMPTION_VERSION", buffer, 256);
    if (n == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND)
        return kDefaultVersion;
    return n < 256 ? std::wstring(buffer, n) : kDefaultVersion;
}

std::wstring fullPath(const std::wstring& path)
{
    wchar_t buffer[MAX_PATH * 4];
    const DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
    return n > 0 && n < MAX_PATH * 4 ? std::wstring(buffer, n) : path;
}

}

void SessionState::logoff()
{
    std::vector<StoreRef> closing;
    closing.swap(stores);
    loggedOn = false;
    std::string failure;
    for (const StoreRef& s : closing) {
        try {
            s->close();
        } catch (const std::exception& e) {
            if (failure.empty())
                failure = e.what();
        }
    }
    if (!failure.empty())
        throw AutomationError(failure);
}

Session::~Session()
{
    try {
        state_->logoff();
    } catch (...) {
    }
}

void Session::call(DISPID id, const Arguments& args, VARIANT& result)
{
    switch (id) {
    case 2:
        args.expect(DISPATCH_PROPERTYGET, 0);
        putBool(result, state_->loggedOn);
        return;
    case 4:
        args.expect(DISPATCH_METHOD, 6);
        args.text(0);
        for (UINT i = 1; i < 6; ++i)
            args.integer(i);
        state_->loggedOn = true;
        return;
    case 6:
        args.expect(DISPATCH_PROPERTYGET, 0);
        if (!state_->loggedOn)
            throw AutomationError("The session is not logged on");
        putObject(result, new Stores(state_));
        return;
    case 0x12:
        args.expect(DISPATCH_METHOD, 0);
        state_->logoff();
        return;
    case 0x6002001D:
        args.expect(DISPATCH_PROPERTYGET, 0);
        putText(result, reportedVersion());
        return;
    default:
        unknownMember();
    }
}

void Stores::call(DISPID id, const Arguments& args, VARIANT& result)
{
    if (id != 5)
        unknownMember();
    args.expect(DISPATCH_METHOD, 3);
    const std::wstring path = fullPath(args.text(0));
    args.integer(1);
    args.integer(2);
    if (!session_->loggedOn)
        throw AutomationError("The session is not logged on");
    if (path.empty())
        throw AutomationError("No PST file was named");
    for (const StoreRef& s : session_->stores)
        if (_wcsicmp(s->path().c_str(), path.c_str()) == 0) {
            putObject(result, new Store(s));
            return;
        }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw AutomationError("The PST path names a folder: " + toUtf8(path));
    std::unique_ptr<pst::PstStore> store = attributes == INVALID_FILE_ATTRIBUTES
        ? pst::PstStore::create(std::filesystem::path(path), pst::PstStore::Format::Unicode)
        : pst::PstStore::open(std::filesystem::path(path));
    auto state = std::make_shared<StoreState>(std::move(store), path);
    session_->stores.push_back(state);
    putObject(result, new Store(state));
}

}
