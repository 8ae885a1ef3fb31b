#include "TestPaths.h"

#include <windows.h>

namespace testsupport {

std::wstring TestOutputPath(const std::wstring& name)
{
    const std::string narrow = ORBALIN_TEST_OUTPUT_DIR;
    std::wstring folder(narrow.begin(), narrow.end()); // the build path is plain ASCII
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return name.empty() ? folder : folder + L"\\" + name;
}

} // namespace testsupport
