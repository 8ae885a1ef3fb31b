#pragma once
// Helpers of the workbook tests: output files, the sheets as texts, and the
// independent check of a workbook with Python's xlrd.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Workbook.h"

namespace xls::test {

struct SheetTexts {
  std::u16string name;
  std::vector<std::vector<std::u16string>> rows;
  bool operator==(const SheetTexts&) const = default;
};

// A fresh path under the test output folder (any old file there removed).
std::filesystem::path OutputFile(const std::string& name);
std::filesystem::path SourceFile(const std::string& relative);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

std::vector<SheetTexts> TextsOf(const Workbook& book);

// Python 3 with xlrd, or empty when it is missing.
const std::string& XlrdPython();
// Success when xlrd reads the workbook with exactly these sheets and texts.
::testing::AssertionResult XlrdReads(const std::filesystem::path& workbook, const std::vector<SheetTexts>& expected);

}  // namespace xls::test

#define SKIP_WITHOUT_XLRD() \
  if (::xls::test::XlrdPython().empty()) GTEST_SKIP() << "python3-xlrd is not installed"
