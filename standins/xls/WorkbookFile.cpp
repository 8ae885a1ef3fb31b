#include "WorkbookFile.h"

#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "BiffReader.h"
#include "BiffWriter.h"
#include "CompoundFileReader.h"
#include "CompoundFileWriter.h"
#include "XlsError.h"
#include "textcodec/Utf8.h"

namespace xls {
namespace {

std::string Shown(const std::filesystem::path& path) { return textcodec::Utf8::FromPath(path); }

bool IsDocumentInfo(std::u16string_view name) {
  return SameName(name, u"\x05SummaryInformation") || SameName(name, u"\x05DocumentSummaryInformation") ||
         SameName(name, u"\x01" u"CompObj") || SameName(name, u"Workbook");
}

void ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
#else
  std::filesystem::rename(from, to);
#endif
}

}  // namespace

Workbook WorkbookFile::Load(const std::filesystem::path& path, std::optional<SavedWorkbook>* appendable) {
  // Taken before reading, so that a change while reading shows as a change.
  const std::optional<FileStamp> stamp = appendable ? FileStamp::Of(path) : std::nullopt;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw XlsError(kStateCannotOpen, "The workbook file cannot be opened: " + Shown(path));
  const std::streamoff size = in.tellg();
  if (size < 0) throw XlsError(kStateCannotOpen, "The workbook file cannot be read: " + Shown(path));
  std::vector<uint8_t> file(static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(file.data()), size))
    throw XlsError(kStateCannotOpen, "The workbook file cannot be read: " + Shown(path));

  const CompoundFileReader container(file);
  std::optional<std::vector<uint8_t>> stream = container.ReadStream(u"Workbook");
  if (!stream) {
    if (container.ReadStream(u"Book"))
      throw XlsError(kStateCannotOpen, "The file is not an Excel 97-2003 workbook (it was saved in an older Excel format).");
    throw XlsError(kStateCannotOpen, "The file is not an Excel 97-2003 workbook (it holds no workbook).");
  }
  Workbook book = BiffReader::Read(*stream);
  for (size_t i = 1; i < container.Entries().size(); ++i) {
    const auto& e = container.Entries()[i];
    if ((e.type == 1 || e.type == 2) && !IsDocumentInfo(e.name) && book.notRewritable.empty())
      book.notRewritable = "it holds macros or embedded objects";
  }
  if (stamp && book.notRewritable.empty() && !book.sheets.empty())
    if (std::optional<CompoundLayout> layout = container.LayoutOf(u"Workbook"))
      if (const std::optional<SheetLayout> lastSheet = BiffReader::LastSheetLayout(*stream))
        appendable->emplace(SavedWorkbook{std::move(*stream), *lastSheet, std::move(*layout), *stamp});
  return book;
}

void WorkbookFile::Save(const std::filesystem::path& path, const Workbook& book, SavedWorkbook* saved) {
  SheetLayout lastSheet;
  std::vector<uint8_t> stream = BiffWriter::Write(book, &lastSheet);
  CompoundLayout layout;
  std::filesystem::path temporary = path;
  temporary += u".saving";
  try {
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      if (!out) throw std::runtime_error("cannot create");
      layout = CompoundFileWriter::Write(out, u"Workbook", stream);
      out.flush();
      if (!out) throw std::runtime_error("cannot write");
    }
    ReplaceFile(temporary, path);
    // A stamp that cannot be taken matches no file: the next write saves whole.
    if (saved) *saved = SavedWorkbook{std::move(stream), lastSheet, std::move(layout), FileStamp::Of(path).value_or(FileStamp{})};
  } catch (const std::exception&) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw XlsError(kStateGeneral, "The workbook cannot be written: " + Shown(path));
  }
}

}  // namespace xls
