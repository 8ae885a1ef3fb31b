#include <gtest/gtest.h>

#include <fstream>

#include "notesdb/Database.h"
#include "notesdb/ParseError.h"

namespace notesdb {
namespace {

const char* const sample = R"(notesdb 1
# a small mail file
title "Mail of Anna \"AM\" Müller"
fail folders 0x1234

folder ($Meetings) calendar
entries 8 4
folder "Projects\\2026"
fail open 0x0111
entries 4
folder Empty

note 4
unid 0123456789ABCDEF0123456789abcdef
item Subject text "Budget: Überblick 🎉"
item SendTo textlist "CN=Bob Smith/O=Acme" Claire "a;b"
item Location text Room
item STARTDATETIME datetime 2026-03-15T09:30:00+01:00
item EndDateTime datetimelist 2026-03-15T10:30:00+01:00 2026-03-22
item SequenceNum number -2.5e1
item $Sig other 0x0600
item Body richtext <<END
Line one
  END is not alone here
END
rtf "{\\rtf1 hi}"
fail export 0xD000014F
attachment "Agenda.txt" text "hello\nworld"
attachment data.bin base64 "AAEC/w=="
fail detach 0x0203
attachment blob hex <<X
00 01
ff
  X

note 8
fail open 0x0222
item Body textlist one two
item Empty textlist
item Plain richtext
)";

Database ParseSample() { return Database::Parse(sample, "anna.nsf"); }

TEST(DatabaseParserTest, ReadsFoldersInFileOrderWithEntriesInTheirOrder) {
    const Database db = ParseSample();
    EXPECT_EQ(db.Title(), "Mail of Anna \"AM\" Müller");
    ASSERT_EQ(db.Folders().size(), 3u);
    const Folder& meetings = db.Folders()[0];
    EXPECT_EQ(meetings.name, "($Meetings)");
    EXPECT_TRUE(meetings.calendar);
    ASSERT_EQ(meetings.entryCount, 2u);
    EXPECT_EQ(db.EntryNote(meetings, 0).id, 8u);
    EXPECT_EQ(db.EntryNote(meetings, 1).id, 4u);
    const Folder* nested = db.FindFolder("Projects\\2026");
    ASSERT_NE(nested, nullptr);
    EXPECT_FALSE(nested->calendar);
    EXPECT_EQ(db.EntryIndexes(*nested).size(), 1u);
    EXPECT_EQ(db.FindFolder("Empty")->entryCount, 0u);
    EXPECT_EQ(db.FindFolder("($meetings)"), nullptr);
}

TEST(DatabaseParserTest, DecodesEveryItemType) {
    const Database db = ParseSample();
    const Note* note = db.FindNote(4);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->unid, "0123456789ABCDEF0123456789abcdef");
    EXPECT_EQ(db.Items(*note).size(), 8u);

    const Item* subject = db.FindItem(*note, "subject");  // item names are case-blind
    ASSERT_NE(subject, nullptr);
    EXPECT_TRUE(subject->Is(ItemType::Text));
    EXPECT_EQ(subject->Texts(), std::vector<std::string>{"Budget: Überblick 🎉"});

    const Item* sendTo = db.FindItem(*note, "SendTo");
    EXPECT_EQ(sendTo->typeCode, 0x501);
    EXPECT_EQ(sendTo->valueCount, 3u);
    EXPECT_EQ(sendTo->Texts(), (std::vector<std::string>{"CN=Bob Smith/O=Acme", "Claire", "a;b"}));

    const Item* start = db.FindItem(*note, "STARTDATETIME");
    EXPECT_EQ(start->typeCode, 0x400);
    ASSERT_EQ(start->Datetimes().size(), 1u);
    EXPECT_EQ(start->Datetimes()[0].ToString(), "2026-03-15T09:30:00+01:00");
    const auto ends = db.FindItem(*note, "EndDateTime")->Datetimes();
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_FALSE(ends[1].hasTime);  // all-day form

    EXPECT_EQ(db.FindItem(*note, "SequenceNum")->Numbers(), std::vector<double>{-25.0});
    const Item* other = db.FindItem(*note, "$Sig");
    EXPECT_EQ(other->typeCode, 0x600);
    EXPECT_TRUE(other->Texts().empty());

    const Item* body = db.FindItem(*note, "Body");
    EXPECT_EQ(body->typeCode, 1);
    EXPECT_EQ(body->PlainText(), "Line one\n  END is not alone here");
    EXPECT_TRUE(body->hasRtf);
    EXPECT_EQ(body->Rtf(), "{\\rtf1 hi}");
    EXPECT_EQ(db.Failure(body->fails, Operation::Export), 0xD000014Fu);
    EXPECT_FALSE(db.Failure(body->fails, Operation::Read));

    const auto attachments = db.Attachments(*note);
    ASSERT_EQ(attachments.size(), 3u);
    EXPECT_EQ(attachments[0].name, "Agenda.txt");
    EXPECT_EQ(attachments[0].Content(), "hello\nworld");
    EXPECT_EQ(attachments[0].size, 11u);
    EXPECT_EQ(attachments[1].Content(), std::string("\x00\x01\x02\xFF", 4));
    EXPECT_EQ(db.Failure(attachments[1].fails, Operation::Detach), 0x0203u);
    EXPECT_EQ(attachments[2].Content(), std::string("\x00\x01\xFF", 3));
}

TEST(DatabaseParserTest, KeepsFailMarkersOnTheRecordAboveThem) {
    const Database db = ParseSample();
    EXPECT_EQ(db.Failure(db.Fails(), Operation::Folders), 0x1234u);
    EXPECT_FALSE(db.Failure(db.Fails(), Operation::Open));
    EXPECT_EQ(db.Failure(db.FindFolder("Projects\\2026")->fails, Operation::Open), 0x0111u);
    const Note* note = db.FindNote(8);
    EXPECT_EQ(db.Failure(note->fails, Operation::Open), 0x0222u);
    EXPECT_EQ(db.FindItem(*note, "Body")->Texts(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(db.FindItem(*note, "Empty")->valueCount, 0u);
    EXPECT_EQ(db.FindItem(*note, "Plain")->PlainText(), "");
    EXPECT_FALSE(db.FindItem(*note, "Plain")->hasRtf);
    EXPECT_EQ(db.FindItem(*note, "Missing"), nullptr);
}

TEST(DatabaseParserTest, AcceptsCrLfLinesAndAByteOrderMark) {
    const std::string text =
        "\xEF\xBB\xBFnotesdb 1\r\nnote 1\r\nitem Body richtext <<END\r\nfirst\r\nsecond\r\nEND\r\nitem S text x\r\n";
    const Database db = Database::Parse(text, "crlf.nsf");
    const Note& note = db.Notes()[0];
    EXPECT_EQ(db.FindItem(note, "Body")->PlainText(), "first\r\nsecond");
    EXPECT_EQ(db.FindItem(note, "S")->Texts()[0], "x");
}

TEST(DatabaseParserTest, MalformedInputNamesTheLine) {
    const struct {
        const char* text;
        uint32_t line;
        const char* reason;
    } cases[] = {
        {"", 1, "not a notesdb database"},
        {"# only a comment\n", 1, "not a notesdb database"},
        {"notesdb 2\n", 1, "format version"},
        {"hello\n", 1, "not a notesdb database"},
        {"notesdb 1\nbogus\n", 2, "unknown record \"bogus\""},
        {"notesdb 1\n\nitem A text x\n", 3, "item belongs to a note"},
        {"notesdb 1\nnote 1\nitem A txt x\n", 3, "unknown item type \"txt\""},
        {"notesdb 1\nnote 1\nitem A text \"open\n", 3, "string is not closed"},
        {"notesdb 1\nnote 1\nitem A text \"bad \\q\"\n", 3, "unknown escape"},
        {"notesdb 1\nnote 1\nitem A text \"\\uD800\"\n", 3, "unpaired surrogate"},
        {"notesdb 1\nnote 1\nitem A text \"\\u0000\"\n", 3, "\\u0000"},
        {"notesdb 1\nnote 1\nitem A text x y\n", 3, "unexpected \"y\""},
        {"notesdb 1\nnote 1\nitem A text\n", 3, "text value is missing"},
        {"notesdb 1\nnote 1\nitem A datetime 2026-02-30\n", 3, "is not a date-time"},
        {"notesdb 1\nnote 1\nitem A datetime 2026-02-01 2026-02-02\n", 3, "exactly one value"},
        {"notesdb 1\nnote 1\nitem A number 1e999\n", 3, "is not a number"},
        {"notesdb 1\nnote 1\nitem A numberlist \"1\"\n", 3, "must not be quoted"},
        {"notesdb 1\nnote 1\nitem A other 0x0500\n", 3, "use that name"},
        {"notesdb 1\nnote 1\nitem A textlist <<E\nE\n", 3, "cannot take a block"},
        {"notesdb 1\nnote 1\nitem A text <<END\nnever closed\n", 3, "block <<END is not closed"},
        {"notesdb 1\nnote 1\nitem A text x\nrtf \"r\"\n", 4, "rtf belongs right after a richtext item"},
        {"notesdb 1\nnote 1\nitem A richtext x\nrtf a\nrtf b\n", 5, "rtf is given twice"},
        {"notesdb 1\nnote 1\nnote 1\n", 3, "note 1 is given twice"},
        {"notesdb 1\nnote 0\n", 2, "note id 0"},
        {"notesdb 1\nnote 4294967296\n", 2, "is not a number"},
        {"notesdb 1\nnote 1\nunid 1234\n", 3, "32 hex digits"},
        {"notesdb 1\nfolder A\nfolder A\n", 3, "given twice"},
        {"notesdb 1\nfolder A bold\n", 2, "unknown folder flag"},
        {"notesdb 1\nfolder A\nentries 1\nentries 7\nnote 1\n", 4, "entry 7 names no note"},
        {"notesdb 1\nnote 1\nentries 1\n", 3, "entries belong to a folder"},
        {"notesdb 1\nfolder A\ntitle x\n", 3, "title belongs before"},
        {"notesdb 1\nfail detach 5\n", 2, "\"detach\" is not an operation that can fail on a database"},
        {"notesdb 1\nnote 1\nitem A text x\nfail export 5\n", 4, "can fail on an item"},
        {"notesdb 1\nfail open 0\n", 2, "non-zero status"},
        {"notesdb 1\nfail open 1\nfail open 2\n", 3, "given twice"},
        {"notesdb 1\nnote 1\nattachment a base64 \"@@@@\"\n", 3, "is not valid base64"},
        {"notesdb 1\nnote 1\nattachment a zip x\n", 3, "unknown encoding"},
        {"notesdb 1\nnote 1\nattachment a hex <<E\n0\nE\n", 3, "is not valid hex"},
        {"notesdb 1\nnote 1\nitem A text \"x\"y\n", 3, "text follows a closing quote"},
        {"notesdb 1\nnote 1\nitem A text \"caf\xC3\"\n", 3, "not valid UTF-8"},
        {"notesdb 1\n\nnote 1\nitem A text \"a\0b\"\n", 4, "NUL byte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        // Keep embedded NUL bytes: the length comes from the literal's content.
        std::string text(c.text);
        if (std::string_view(c.reason) == "NUL byte") text = std::string("notesdb 1\n\nnote 1\nitem A text \"a\0b\"\n", 36);
        try {
            Database::Parse(text, "bad.nsf");
            ADD_FAILURE() << "parsed";
        } catch (const ParseError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            EXPECT_NE(e.Reason().find(c.reason), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("bad.nsf line ", 0), 0u) << e.what();
        }
    }
}

TEST(DatabaseParserTest, HostileSizesStayLinear) {
    // A very long line of list values and a huge number of empty notes parse quickly.
    std::string text = "notesdb 1\nnote 1\nitem L textlist";
    for (int i = 0; i < 200000; ++i) text += " \"v\"";
    text += "\n";
    for (int i = 2; i < 200000; ++i) text += "note " + std::to_string(i) + "\n";
    const Database db = Database::Parse(text, "big.nsf");
    EXPECT_EQ(db.Notes().size(), 199999u);
    EXPECT_EQ(db.Items(db.Notes()[0])[0].valueCount, 200000u);
}

TEST(DatabaseParserTest, LoadReadsFilesAndTitleReadsOnlyTheHeader) {
    const std::string path = std::string(ORBALIN_TEST_OUTPUT_DIR) + "/notesdb-load.nsf";
    {
        std::ofstream out(path, std::ios::binary);
        out << "notesdb 1\ntitle \"Team Ü\"\nfolder\tA\nentries 99\n";  // the entry fails only a full read
    }
    EXPECT_EQ(Database::LoadTitle(path), "Team Ü");
    try {
        Database::Load(path);
        ADD_FAILURE() << "loaded";
    } catch (const ParseError& e) {
        EXPECT_STREQ(e.what(), "notesdb-load.nsf line 4: entry 99 names no note");
    }
    EXPECT_THROW(Database::Load(std::string(ORBALIN_TEST_OUTPUT_DIR) + "/missing.nsf"), std::runtime_error);
    EXPECT_THROW(Database::Load(ORBALIN_TEST_OUTPUT_DIR), std::runtime_error);
    std::ofstream(path, std::ios::binary | std::ios::trunc).flush();
    EXPECT_THROW(Database::Load(path), ParseError);  // an empty file is not a database
}

TEST(DatabaseParserTest, ALoadedDatabaseStaysValidWhenMoved) {
    const std::string path = std::string(ORBALIN_TEST_OUTPUT_DIR) + "/notesdb-moved.nsf";
    std::ofstream(path, std::ios::binary) << "notesdb 1\ntitle \"T\\u00fc\"\nfolder \"a\\\\b\"\nnote 3\nitem \"S\\u0021\" text v\n";
    Database loaded = Database::Load(path);
    const Database moved = std::move(loaded);
    EXPECT_EQ(moved.Title(), "Tü");
    EXPECT_NE(moved.FindFolder("a\\b"), nullptr);
    ASSERT_NE(moved.FindItem(*moved.FindNote(3), "s!"), nullptr);
    EXPECT_EQ(moved.FindItem(*moved.FindNote(3), "s!")->Texts()[0], "v");
}

}  // namespace
}  // namespace notesdb

namespace notesdb {
namespace {

TEST(DatabaseParserTest, ExamplesOfTheFormatDocumentParse) {
    std::ifstream in(std::string(ORBALIN_TEST_SOURCE_DIR) + "/standins/notesdb/FORMAT.md", std::ios::binary);
    std::string line, example;
    int examples = 0;
    bool inExample = false;
    while (std::getline(in, line)) {
        if (line.rfind("```", 0) == 0) {
            if (inExample && example.rfind("notesdb 1\n", 0) == 0) {
                ++examples;
                EXPECT_NO_THROW(Database::Parse(example, "FORMAT.md")) << example;
            }
            inExample = !inExample;
            example.clear();
        } else if (inExample) {
            example += line + "\n";
        }
    }
    EXPECT_GE(examples, 1);
}

}  // namespace
}  // namespace notesdb
