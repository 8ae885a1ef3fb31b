#include "PstReaderCheck.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

bool PstReaderCheck::available(const std::string& tool)
{
    int status = 0;
    run("command -v " + tool, status);
    return status == 0;
}

std::string PstReaderCheck::run(const std::string& command, int& status)
{
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        status = -1;
        return out;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int raw = pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

std::vector<uint8_t> PstReaderCheck::readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string PstReaderCheck::Export::text(const std::string& path) const
{
    const auto it = files.find(path);
    return it == files.end() ? std::string() : std::string(it->second.begin(), it->second.end());
}

std::map<std::string, int> PstReaderCheck::Export::itemsPerFolder() const
{
    std::map<std::string, int> out;
    static const std::regex item("(.*)/(Appointment|Message|Note|Task|Contact|Meeting)[0-9]{5}/[^/]*\\.txt");
    std::map<std::string, bool> seen;
    for (const auto& [path, data] : files) {
        std::smatch m;
        if (std::regex_match(path, m, item)) {
            const std::string dir = path.substr(0, path.rfind('/'));
            if (!seen[dir]) {
                seen[dir] = true;
                ++out[m[1]];
            }
        }
    }
    return out;
}

PstReaderCheck::Export PstReaderCheck::pffexport(const std::string& pst, const std::string& workDir)
{
    Export e;
    const std::string target = workDir + "/pffexport";
    fs::remove_all(target + ".export");
    e.log = run("pffexport -q -t '" + target + "' '" + pst + "'", e.status);
    const fs::path root = target + ".export";
    if (fs::exists(root)) {
        for (const auto& entry : fs::recursive_directory_iterator(root))
        {
            const std::string path = fs::relative(entry.path(), root).string();
            static const std::regex part(".*(Appointment|Message|Note|Task|Contact|Meeting)[0-9]{5}.*");
            if (entry.is_regular_file())
                e.files[path] = readFile(entry.path().string());
            else if (entry.is_directory() && !std::regex_match(path, part))
                e.folders.insert(path);
        }
    }
    return e;
}

PstReaderCheck::ReadPst PstReaderCheck::readpst(const std::string& pst, const std::string& workDir)
{
    ReadPst r;
    const fs::path dir = workDir + "/readpst";
    fs::remove_all(dir);
    fs::create_directories(dir);
    // -j 0: one process. readpst otherwise forks a process per folder, and each one's
    // reopening of the file moves the file position its parent is reading at.
    r.log = run("readpst -j 0 -D -t eajc -o '" + dir.string() + "' '" + pst + "'", r.status);
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file()) {
            const std::vector<uint8_t> data = readFile(entry.path().string());
            r.output.append(data.begin(), data.end());
        }
    }
    static const std::regex done("\"([^\"]*)\" - ([0-9]+) items done");
    for (std::sregex_iterator it(r.log.begin(), r.log.end(), done), end; it != end; ++it)
        r.done[(*it)[1]] = std::stoi((*it)[2]);
    return r;
}
