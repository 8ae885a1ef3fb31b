#include "notesdb/DataDirectory.h"

#include <gtest/gtest.h>

#include <fstream>

#include "notesdb/ParseError.h"

namespace notesdb {
namespace {

namespace fs = std::filesystem;

class DataDirectoryTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(ORBALIN_TEST_OUTPUT_DIR) / "notesdb-datadir";
        fs::remove_all(root_);
        fs::create_directories(root_ / "srv" / "one" / "mail");
        fs::create_directories(root_ / "srv" / "two");
        Write("srv/one/mail/b.nsf", "notesdb 1\n");
        Write("srv/one/a.NSF", "notesdb 1\n");
        Write("srv/one/readme.txt", "not a database");
        Write("local.nsf", "notesdb 1\n");
    }
    void Write(const std::string& relative, const std::string& text) {
        std::ofstream(root_ / relative, std::ios::binary) << text;
    }
    fs::path root_;
};

TEST_F(DataDirectoryTest, ListsServersAndTheirDatabases) {
    Write("servers.txt",
          "notesdb-servers 1\nfail servers 0x0401\n# two servers\nserver \"Mail01/Acme\" srv/one\n"
          "server \"Büro/Acme\" srv\\two\nfail databases 0x0402\n");
    const DataDirectory dir = DataDirectory::Open(root_);
    EXPECT_EQ(dir.ServersFailure(), 0x0401u);
    ASSERT_EQ(dir.Servers().size(), 2u);
    EXPECT_EQ(dir.Servers()[0].name, "Mail01/Acme");
    EXPECT_EQ(dir.Servers()[1].name, "Büro/Acme");
    EXPECT_FALSE(dir.Servers()[0].databasesFailure);
    EXPECT_EQ(dir.Servers()[1].databasesFailure, 0x0402u);

    const Server* one = dir.FindServer("mail01/ACME");
    ASSERT_NE(one, nullptr);
    const auto files = dir.Databases(*one);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].path, "a.NSF");
    EXPECT_EQ(files[1].path, "mail\\b.nsf");
    EXPECT_TRUE(fs::equivalent(files[1].file, root_ / "srv/one/mail/b.nsf"));
    EXPECT_TRUE(dir.Databases(dir.Servers()[1]).empty());

    EXPECT_TRUE(fs::equivalent(dir.Resolve("Mail01/Acme", "mail\\b.nsf"), root_ / "srv/one/mail/b.nsf"));
    EXPECT_TRUE(fs::equivalent(dir.Resolve("", "local.nsf"), root_ / "local.nsf"));
    const fs::path absolute = fs::absolute(root_ / "local.nsf");
    EXPECT_EQ(dir.Resolve("", absolute.string()), absolute);
    for (const char* escaping : {"..\\local.nsf", "mail/../../x.nsf", "", "C:\\x.nsf"})
        EXPECT_THROW(dir.Resolve("Mail01/Acme", escaping), std::runtime_error) << escaping;
    EXPECT_THROW(dir.Resolve("Nowhere", "a.nsf"), std::runtime_error);
}

TEST_F(DataDirectoryTest, UnusableDirectoriesAndServersFilesFailToOpen) {
    EXPECT_THROW(DataDirectory::Open(root_ / "absent"), std::runtime_error);
    EXPECT_THROW(DataDirectory::Open(root_), std::runtime_error);  // no servers file yet
    const struct {
        const char* text;
        uint32_t line;
        const char* reason;
    } cases[] = {
        {"", 1, "not a servers file"},
        {"notesdb 1\n", 1, "not a servers file"},
        {"notesdb-servers 1\nserver A srv/one\nserver a srv/two\n", 3, "given twice"},
        {"notesdb-servers 1\nserver A ../elsewhere\n", 2, "inside the data directory"},
        {"notesdb-servers 1\nserver A /etc\n", 2, "does not exist"},
        {"notesdb-servers 1\nserver A srv/three\n", 2, "does not exist"},
        {"notesdb-servers 1\nserver A\n", 2, "server folder is missing"},
        {"notesdb-servers 1\nfail databases 1\n", 2, "only \"servers\""},
        {"notesdb-servers 1\nserver A srv/one\nfail open 1\n", 3, "only fail \"databases\""},
        {"notesdb-servers 1\nfail servers 0\n", 2, "non-zero"},
        {"notesdb-servers 1\nhost A\n", 2, "unknown record"},
        {"notesdb-servers 1\nserver \"A srv/one\n", 2, "not closed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Write("servers.txt", c.text);
        try {
            DataDirectory::Open(root_);
            ADD_FAILURE() << "opened";
        } catch (const ParseError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            EXPECT_NE(e.Reason().find(c.reason), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace notesdb
