#include "DataDirectory.h"

#include <algorithm>
#include <stdexcept>

#include "AsciiCase.h"
#include "LineLexer.h"
#include "LineReader.h"
#include "MappedFile.h"
#include "ParseError.h"
#include "textcodec/Utf8.h"

namespace notesdb {

namespace {

// A relative path below a folder, with either separator; nothing that climbs out of
// it or names a drive; nothing when the path is not acceptable.
std::optional<std::filesystem::path> RelativeBelow(std::string_view text) {
    std::filesystem::path result;
    size_t start = 0;
    bool any = false;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view part = text.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == ".." || part.find(':') != std::string_view::npos) return std::nullopt;
        result /= textcodec::Utf8::ToPath(part);
        any = true;
    }
    if (!any) return std::nullopt;
    return result;
}

bool IsNsf(const std::filesystem::path& file) {
    const std::string extension = textcodec::Utf8::FromPath(file.extension());
    return AsciiCase::Lower(extension) == ".nsf";
}

}  // namespace

DataDirectory DataDirectory::Open(const std::filesystem::path& directory) {
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error))
        throw std::runtime_error(textcodec::Utf8::FromPath(directory) + ": the Notes data directory does not exist");
    DataDirectory result;
    result.path_ = directory;
    const MappedFile serversFile(directory / ServersFileName);
    result.ParseServersFile(serversFile.Bytes(), ServersFileName);
    return result;
}

void DataDirectory::ParseServersFile(std::string_view text, const std::string& source) {
    LineReader lines(text, source);
    bool headerSeen = false;
    std::string_view line;
    while (lines.Next(line)) {
        const std::string_view content = LineReader::Trim(line);
        if (content.empty() || content.front() == '#') continue;
        LineLexer lexer(content, source, lines.LineNumber());
        const Token keyword = *lexer.Next();
        const auto next = [&](const char* what) {
            const auto token = lexer.Next();
            if (!token || token->kind == Token::Kind::Block) lexer.Fail(std::string(what) + " is missing");
            return *token;
        };
        const auto end = [&] {
            if (!lexer.AtEnd()) lexer.Fail("unexpected \"" + std::string(lexer.Rest()) + "\" at the end of the line");
        };
        if (!headerSeen) {
            const auto version = lexer.Next();
            if (keyword.raw != "notesdb-servers" || !version || version->raw != "1" || !lexer.AtEnd())
                lexer.Fail("not a servers file: the first line must be \"notesdb-servers 1\"");
            headerSeen = true;
        } else if (keyword.raw == "server") {
            Server server;
            server.name = LineLexer::Text(next("server name"));
            if (server.name.empty()) lexer.Fail("server name is empty");
            if (!serverIndex_.emplace(AsciiCase::Lower(server.name), servers_.size()).second)
                lexer.Fail("server \"" + server.name + "\" is given twice");
            const std::string folder = LineLexer::Text(next("server folder"));
            end();
            const auto relative = RelativeBelow(folder);
            if (!relative) lexer.Fail("server folder \"" + folder + "\" must be a folder inside the data directory");
            server.folder = path_ / *relative;
            std::error_code error;
            if (!std::filesystem::is_directory(server.folder, error))
                lexer.Fail("server folder \"" + folder + "\" does not exist");
            servers_.push_back(std::move(server));
        } else if (keyword.raw == "fail") {
            const Token operation = next("operation");
            const bool forServer = !servers_.empty();
            if (operation.raw != (forServer ? "databases" : "servers"))
                lexer.Fail(forServer ? "a server can only fail \"databases\""
                                     : "before the first server only \"servers\" can fail");
            const auto status = LineLexer::Number(next("status"));
            if (!status || *status == 0) lexer.Fail("status must be a non-zero number");
            end();
            auto& failure = forServer ? servers_.back().databasesFailure : serversFailure_;
            if (failure) lexer.Fail("fail is given twice");
            failure = *status;
        } else {
            lexer.Fail("unknown record \"" + std::string(keyword.raw) + "\"");
        }
    }
    if (!headerSeen) throw ParseError(source, 1, "not a servers file: the first line must be \"notesdb-servers 1\"");
}

const Server* DataDirectory::FindServer(std::string_view name) const {
    const auto it = serverIndex_.find(AsciiCase::Lower(name));
    return it == serverIndex_.end() ? nullptr : &servers_[it->second];
}

std::vector<DatabaseFile> DataDirectory::Databases(const Server& server) const {
    std::vector<DatabaseFile> files;
    std::error_code error;
    auto it = std::filesystem::recursive_directory_iterator(
        server.folder, std::filesystem::directory_options::skip_permission_denied, error);
    for (; !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError) || !IsNsf(it->path())) continue;
        std::string path = textcodec::Utf8::FromPath(it->path().lexically_relative(server.folder));
        std::replace(path.begin(), path.end(), '/', '\\');
        files.push_back({std::move(path), it->path()});
    }
    std::sort(files.begin(), files.end(), [](const DatabaseFile& a, const DatabaseFile& b) { return a.path < b.path; });
    return files;
}

std::filesystem::path DataDirectory::Resolve(std::string_view server, std::string_view notesPath) const {
    std::filesystem::path base = path_;
    if (!server.empty()) {
        const Server* found = FindServer(server);
        if (!found) throw std::runtime_error("server \"" + std::string(server) + "\" is not known");
        base = found->folder;
    } else {
        const std::filesystem::path local = textcodec::Utf8::ToPath(notesPath);
        if (local.is_absolute()) return local;
    }
    const auto relative = RelativeBelow(notesPath);
    if (!relative) throw std::runtime_error("\"" + std::string(notesPath) + "\" is not a database path");
    return base / *relative;
}

}  // namespace notesdb
