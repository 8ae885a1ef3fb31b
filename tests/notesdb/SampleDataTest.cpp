#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "MailGenerator.h"
#include "notesdb/DataDirectory.h"
#include "notesdb/Database.h"

namespace notesdb {
namespace {

namespace fs = std::filesystem;

const fs::path sampleData = fs::path(ORBALIN_TEST_SOURCE_DIR) / "resources" / "sample-data";

// The options the committed sample mail database was generated with (see FORMAT.md).
MailGenerator::Options SampleOptions() {
    MailGenerator::Options options;
    options.entries = 300;
    options.bodySize = 500;
    options.attachmentSize = 1500;
    options.seed = 1;
    return options;
}

TEST(SampleDataTest, CommittedMailDatabaseIsTheGeneratorsOutput) {
    std::ostringstream generated;
    MailGenerator(SampleOptions()).Write(generated);
    std::ifstream in(sampleData / "mail" / "amueller.nsf", std::ios::binary);
    const std::string committed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(generated.str() == committed) << "regenerate resources/sample-data/mail/amueller.nsf";
}

TEST(SampleDataTest, MailDatabaseHoldsWhatTheCalendarReaderMeets) {
    const Database db = Database::Load(sampleData / "mail" / "amueller.nsf");
    EXPECT_EQ(db.Title(), "Anna Müller");
    const Folder* calendar = db.FindFolder("($Calendar)");
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->calendar);
    EXPECT_EQ(calendar->entryCount, 300u);
    for (const char* name : {"($Meetings)", "($Inbox)", "($ToDo)", "($Journal)", "($All)", "My Contacts",
                             "Projects\\2026\\Orbalin", "Reisen\\Zürich"})
        EXPECT_GT(db.FindFolder(name)->entryCount, 0u) << name;
    EXPECT_EQ(db.FindFolder("Projects\\Empty")->entryCount, 0u);

    size_t allDay = 0, repeating = 0, withAttachments = 0, rtf = 0, textListBodies = 0, nonAscii = 0;
    for (size_t i = 0; i < calendar->entryCount; ++i) {
        const Note& note = db.EntryNote(*calendar, i);
        ASSERT_NE(db.FindItem(note, "Location"), nullptr);
        const auto start = db.FindItem(note, "STARTDATETIME")->Datetimes();
        ASSERT_FALSE(start.empty());
        allDay += !start[0].hasTime;
        repeating += start.size() > 1;
        withAttachments += !db.Attachments(note).empty();
        const Item* body = db.FindItem(note, "Body");
        rtf += body->hasRtf;
        textListBodies += body->Is(ItemType::TextList);
        const std::string subject = db.FindItem(note, "Subject")->Texts()[0];
        nonAscii += std::any_of(subject.begin(), subject.end(), [](char c) { return c & 0x80; });
    }
    EXPECT_GT(allDay, 10u);
    EXPECT_GT(repeating, 5u);
    EXPECT_GT(withAttachments, 20u);
    EXPECT_GT(rtf, 200u);
    EXPECT_GT(textListBodies, 0u);
    EXPECT_GT(nonAscii, 50u);
}

TEST(SampleDataTest, DataDirectoryListsTwoServersWithADatabaseEach) {
    const DataDirectory dir = DataDirectory::Open(sampleData);
    ASSERT_EQ(dir.Servers().size(), 2u);
    for (const Server& server : dir.Servers()) {
        const auto files = dir.Databases(server);
        ASSERT_EQ(files.size(), 1u) << server.name;
        const Database db = Database::Load(files[0].file);
        EXPECT_FALSE(db.Title().empty());
        EXPECT_EQ(Database::LoadTitle(dir.Resolve(server.name, files[0].path)), db.Title());
    }
    EXPECT_EQ(dir.Databases(*dir.FindServer("Mail01/Acme"))[0].path, "mail\\bsmith.nsf");
    const Database failures = Database::Load(dir.Resolve("", "mail\\failures.nsf"));
    EXPECT_TRUE(failures.Failure(failures.FindFolder("Cannot open")->fails, Operation::Open));
}

}  // namespace
}  // namespace notesdb
