#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace notesdb {

// A Domino server of the data directory: its name as the client lists it and the
// folder that holds its databases.
struct Server {
    std::string name;
    std::filesystem::path folder;
    std::optional<uint32_t> databasesFailure;  // status that listing its databases throws
};

// A database file found on a server.
struct DatabaseFile {
    std::string path;             // as Notes names it: relative to the server, backslashes
    std::filesystem::path file;  // where it lies on disk
};

// The Notes data directory: the file "servers.txt" naming the servers, a folder per
// server with its database files (*.nsf), and local databases anywhere.
class DataDirectory {
public:
    static constexpr const char* ServersFileName = "servers.txt";

    // Throws std::runtime_error when the directory or its servers file is missing or
    // unreadable, ParseError when the servers file is malformed.
    static DataDirectory Open(const std::filesystem::path& directory);

    const std::filesystem::path& Path() const { return path_; }
    std::span<const Server> Servers() const { return servers_; }
    std::optional<uint32_t> ServersFailure() const { return serversFailure_; }
    // Server names compare with ASCII letters case-blind.
    const Server* FindServer(std::string_view name) const;
    // The server's database files, sorted by path.
    std::vector<DatabaseFile> Databases(const Server& server) const;
    // The file of a database named by a Notes path on a server ("" for local). Local
    // relative paths lie in the data directory; absolute ones stand as given. Throws
    // std::runtime_error for an unknown server or a path that leaves its folder.
    std::filesystem::path Resolve(std::string_view server, std::string_view notesPath) const;

private:
    void ParseServersFile(std::string_view text, const std::string& source);

    std::filesystem::path path_;
    std::vector<Server> servers_;
    std::unordered_map<std::string, size_t> serverIndex_;  // by name with ASCII letters in lower case
    std::optional<uint32_t> serversFailure_;
};

}  // namespace notesdb
