#pragma once
// The channel between a test driver and a program it drives in another process
// (the command-bar host, the input probe): short UTF-8 texts carried by
// WM_COPYDATA, the kind of text in dwData. The program names the driver's
// window on its command line ("--reply <handle>"), announces itself with a
// ready text and answers each request text with a reply text sent back while
// the driver's request is still being delivered.
#include <windows.h>

#include <string>

namespace hostchannel {

enum Kind : ULONG_PTR {
    kReady = 0x4F52'4201,    // program -> driver: {"window": handle, "process": id}
    kRequest = 0x4F52'4202,  // driver -> program: a request such as "state"
    kReply = 0x4F52'4203     // program -> driver: the JSON answer of the last request
};

// Sends text of the kind to the window; false when it could not be delivered
// within the bound (the receiver is gone or hangs).
bool Send(HWND to, HWND from, Kind kind, const std::string& text, UINT boundMs = 5000);

// The text of a WM_COPYDATA whose kind is the one given; false for another kind.
bool Read(LPARAM copyData, Kind kind, std::string& text);

// The driver's window named on a command line by "--reply <handle>"; null when none.
HWND ReplyWindowFromCommandLine(const wchar_t* commandLine);

// UTF-8 from and to UTF-16.
std::string Utf8(const std::wstring& text);
std::wstring Utf16(const std::string& text);

} // namespace hostchannel
