// Appends calendar rows to a new workbook through SQL statements, as the
// export does, saves it, and reads it back; then appends them again with a
// write after every row, as autocommit does; then as the export wizard does,
// one connection after another (one for each of 8 folders), each writing after
// every row. Usage: xls_bench [rows...]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ExcelDatabase.h"
#include "textcodec/Utf8.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::u16string_view kCreate =
    u"CREATE TABLE [Calendar] ([Subject] char(255), [From] char(255), [From Email] char(255), [Send To] char(255), "
    u"[Location] char(255), [Start Date] char(255), [End Date] char(255), [Attachment] char(255), [Body] char(255))";

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

std::u16string Insert(int n) {
  const std::u16string i = textcodec::Utf8::ToUtf16(std::to_string(n));
  std::u16string body = u"Agenda for meeting " + i + u": ";
  while (body.size() < 200 + static_cast<size_t>(n % 7) * 150) body += u"Review the plan, it''s due; notes follow. ";
  return u"INSERT INTO [Calendar$A1:IV" + i +
         u"] ([Subject], [From], [From Email], [Send To], [Location], [Start Date], [End Date], [Attachment], [Body]) "
         u"VALUES ('Meeting " + i + u"', 'Anna Berg', '<anna@example.com>', 'Team " + i + u"', 'Room " + i +
         u"', '2026-12-10 09:00', '2026-12-10 10:00', '', '" + body + u"')";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {10000, 50000};
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "xls_bench.xls";
  for (int rows : counts) {
    std::filesystem::remove(path);
    std::vector<std::u16string> statements;
    for (int n = 1; n <= rows; ++n) statements.push_back(Insert(n));
    const auto start = Clock::now();
    xls::ExcelDatabase db(path, {});
    db.Execute(kCreate);
    for (const auto& sql : statements) db.Execute(sql);
    const double inserted = Seconds(start);
    const auto saveStart = Clock::now();
    db.Persist();
    const double saved = Seconds(saveStart);
    const auto readStart = Clock::now();
    const size_t readRows = xls::ExcelDatabase(path, {.readOnly = true}).ReadSheet(u"Calendar").RowCount();
    std::printf("%6d rows: insert %.3f s, save %.3f s (%.1f MB), total %.3f s; reopen and select %.3f s (%zu rows)\n",
                rows, inserted, saved, std::filesystem::file_size(path) / 1e6, inserted + saved, Seconds(readStart),
                readRows);

    std::filesystem::remove(path);
    const auto eachStart = Clock::now();
    {
      xls::ExcelDatabase each(path, {});
      each.Execute(kCreate);
      each.Persist();
      for (const auto& sql : statements) {
        each.Execute(sql);
        each.Persist();
      }
    }
    std::printf("%6d rows: written after every row %.3f s (%.1f MB)\n", rows, Seconds(eachStart),
                std::filesystem::file_size(path) / 1e6);

    std::filesystem::remove(path);
    const auto foldersStart = Clock::now();
    constexpr int kFolders = 8;
    for (int folder = 0; folder < kFolders; ++folder) {
      xls::ExcelDatabase connection = xls::ExcelDatabase::Open(path, {});
      if (folder == 0) {
        connection.Execute(kCreate);
        connection.Persist();
      }
      for (size_t n = statements.size() * folder / kFolders; n < statements.size() * (folder + 1) / kFolders; ++n) {
        connection.Execute(statements[n]);
        connection.Persist();
      }
      xls::ExcelDatabase::Close(std::move(connection));
    }
    std::printf("%6d rows: %d connections in turn, written after every row %.3f s (%.1f MB)\n", rows, kFolders,
                Seconds(foldersStart), std::filesystem::file_size(path) / 1e6);
  }
  std::filesystem::remove(path);
  return 0;
}
