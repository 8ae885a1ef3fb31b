#include "XlsTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "textcodec/Utf8.h"

namespace xls::test {
namespace {

std::string Json(std::u16string_view text) {
  std::string out = "\"";
  for (char c : textcodec::Utf8::FromUtf16(text)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
      out += buffer;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Shell(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

}  // namespace

std::filesystem::path OutputFile(const std::string& name) {
  const std::filesystem::path dir = std::filesystem::path(ORBALIN_TEST_OUTPUT_DIR) / "xls";
  std::filesystem::create_directories(dir);
  const std::filesystem::path path = dir / name;
  std::filesystem::remove(path);
  return path;
}

std::filesystem::path SourceFile(const std::string& relative) {
  return std::filesystem::path(ORBALIN_TEST_SOURCE_DIR) / "tests" / "xls" / relative;
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<SheetTexts> TextsOf(const Workbook& book) {
  std::vector<SheetTexts> sheets;
  for (const Sheet& sheet : book.sheets) {
    SheetTexts t{sheet.Name(), {}};
    for (uint32_t r = 0; r < sheet.RowCount(); ++r) {
      std::vector<std::u16string> row;
      for (const Cell& cell : sheet.RowAt(r)) {
        row.resize(cell.column);
        row.push_back(cell.DisplayText());
      }
      t.rows.push_back(std::move(row));
    }
    sheets.push_back(std::move(t));
  }
  return sheets;
}

const std::string& XlrdPython() {
  static const std::string python = [] {
    for (const char* candidate : {"/usr/bin/python3", "python3"})
      if (std::system((std::string(candidate) + " -c 'import xlrd' >/dev/null 2>&1").c_str()) == 0) return std::string(candidate);
    return std::string();
  }();
  return python;
}

::testing::AssertionResult XlrdReads(const std::filesystem::path& workbook, const std::vector<SheetTexts>& expected) {
  const std::filesystem::path json = OutputFile(workbook.filename().string() + ".expected.json");
  {
    std::ofstream out(json, std::ios::binary | std::ios::trunc);
    out << "[";
    for (size_t s = 0; s < expected.size(); ++s) {
      out << (s ? "," : "") << "{\"name\":" << Json(expected[s].name) << ",\"rows\":[";
      for (size_t r = 0; r < expected[s].rows.size(); ++r) {
        out << (r ? "," : "") << "[";
        for (size_t c = 0; c < expected[s].rows[r].size(); ++c) out << (c ? "," : "") << Json(expected[s].rows[r][c]);
        out << "]";
      }
      out << "]}";
    }
    out << "]";
  }
  const std::string command = XlrdPython() + " " + Shell(SourceFile("xlrd_check.py")) + " " + Shell(workbook) + " " +
                              Shell(json) + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return ::testing::AssertionFailure() << "cannot run " << command;
  std::string output;
  char buffer[512];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = pclose(pipe);
  if (status != 0) return ::testing::AssertionFailure() << "xlrd: " << output;
  return ::testing::AssertionSuccess();
}

}  // namespace xls::test
