#include "CaptureKeeper.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace testsupport {
namespace {

std::wstring Widen(const char* text)
{
    const std::string narrow = text ? text : "";
    return std::wstring(narrow.begin(), narrow.end()); // test names are plain ASCII
}

// Follows the tests of the program: the captures of one test are kept until it ends.
class CaptureListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { CaptureKeeper::Instance().Forget(); }
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        if (test.result() && test.result()->Failed())
            CaptureKeeper::Instance().Save(Widen(test.test_suite_name()) + L"." + Widen(test.name()));
        CaptureKeeper::Instance().Forget();
    }
};

const bool kListening = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CaptureListener);
    return true;
}();

} // namespace

CaptureKeeper& CaptureKeeper::Instance()
{
    static CaptureKeeper keeper;
    return keeper;
}

void CaptureKeeper::Remember(const WindowCapture& capture)
{
    if (capture.IsEmpty())
        return;
    m_captures.push_back(capture);
    if (m_captures.size() > kKept)
        m_captures.pop_front();
}

void CaptureKeeper::Save(const std::wstring& name)
{
    ::CreateDirectoryW(TestOutputPath(L"failed").c_str(), nullptr);
    int n = 0;
    for (const WindowCapture& capture : m_captures) {
        std::wstring file = name;
        for (wchar_t& c : file)
            if (c == L'/' || c == L'\\' || c == L':')
                c = L'_';
        const std::wstring path = TestOutputPath(L"failed\\" + file + L"-" + std::to_wstring(++n) + L".png");
        if (capture.SavePng(path))
            std::fwprintf(stdout, L"Capture taken by the failed test: %ls (%dx%d)\n", path.c_str(), capture.Width(),
                          capture.Height());
    }
    std::fflush(stdout);
}

} // namespace testsupport
