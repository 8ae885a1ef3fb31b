#pragma once
#include <string>

namespace testsupport {

// The folder where tests leave their artefacts (screenshots, written files),
// created on first use; name is appended after a backslash when given.
std::wstring TestOutputPath(const std::wstring& name = {});

} // namespace testsupport
