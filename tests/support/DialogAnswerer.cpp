#include "DialogAnswerer.h"

namespace testsupport {

namespace {

BOOL CALLBACK FindVisibleDialog(HWND hWnd, LPARAM lParam)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    if (process == ::GetCurrentProcessId() && std::wstring(szClass) == L"#32770" && ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectText(HWND hWnd, LPARAM lParam)
{
    wchar_t szText[512] = {};
    ::GetWindowTextW(hWnd, szText, 512);
    auto& texts = *reinterpret_cast<std::wstring*>(lParam);
    texts += szText;
    texts += L'\n';
    return TRUE;
}

} // namespace

HWND FindOwnDialog()
{
    HWND hFound = nullptr;
    ::EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}

void PressDialogButton(HWND hDialog, int nID)
{
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
}

void FillFileName(HWND hDialog, const std::wstring& name)
{
    // The name box is a combo box (cmb13) in the explorer layout, an edit (edt1) in the old one.
    HWND hName = ::GetDlgItem(hDialog, 0x47C);
    if (hName == nullptr)
        hName = ::GetDlgItem(hDialog, 0x480);
    ::SendMessageW(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

std::wstring DialogTexts(HWND hDialog)
{
    std::wstring texts;
    ::EnumChildWindows(hDialog, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

DialogAnswerer::DialogAnswerer(std::function<void(HWND)> answer, unsigned timeoutMs)
    : m_thread([this, answer = std::move(answer), timeoutMs] {
          const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
          while (!m_stop && ::GetTickCount64() < deadline) {
              if (HWND hDialog = FindOwnDialog()) {
                  answer(hDialog);
                  m_answered = true;
                  return;
              }
              ::Sleep(20);
          }
      })
{
}

DialogAnswerer::~DialogAnswerer()
{
    Finish();
}

bool DialogAnswerer::Finish()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    return m_answered;
}

} // namespace testsupport
