#pragma once

#include <string>

namespace testsupport {

enum class ListPlace { First, Last };

// This process's environment as a block for CreateProcessW (with
// CREATE_UNICODE_ENVIRONMENT), with value added first or last to the
// ';'-separated list variable name, which is set to value when missing.
std::wstring EnvironmentWithListEntry(const std::wstring& name, const std::wstring& value, ListPlace place);

} // namespace testsupport
