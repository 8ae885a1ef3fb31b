#include "notesdb/DatabaseWriter.h"

#include <gtest/gtest.h>

#include <sstream>

#include "notesdb/Database.h"

namespace notesdb {
namespace {

TEST(DatabaseWriterTest, WhatItWritesReadsBackUnchanged) {
    const std::string awkward = "tab\there \"quoted\" back\\slash\r\nCR LF\x01 Ünïcödé 🎉";
    const std::string multiLine = "first\nEND\n  END1  \nlast\n";  // lines that look like block tags
    std::string binary;
    for (int i = 0; i < 300; ++i) binary += static_cast<char>(i);
    const std::vector<std::string> list = {"a;b", "", "CN=X/O=Y"};
    const std::vector<DateTime> dates = {*DateTime::Parse("2026-01-02"), *DateTime::Parse("2026-01-02T03:04:05.06-07:00")};

    std::ostringstream out;
    DatabaseWriter w(out);
    w.Title(awkward);
    w.Fail(Operation::Open, 0xD000014F);
    w.Folder("A\\B \"c\"", true);
    const std::vector<uint32_t> ids = {5, 9};
    w.Entries(ids);
    w.Note(5, "0123456789ABCDEF0123456789ABCDEF");
    w.Text("Subject", awkward);
    w.TextList("SendTo", list);
    w.Number("N", 0.1);
    w.Datetime("Start", dates[1]);
    w.DatetimeList("Dates", dates);
    w.RichText("Body", multiLine, std::string_view("{\\rtf1\n\\par}"));
    w.Fail(Operation::Export, 7);
    w.Attachment("bin", binary);
    w.Attachment("small", "xy");
    w.Note(9);
    w.RichText("Body", "ends in CR\r", std::nullopt);

    const Database db = Database::Parse(out.str(), "written.nsf");
    EXPECT_EQ(db.Title(), awkward);
    EXPECT_EQ(db.Failure(db.Fails(), Operation::Open), 0xD000014Fu);
    const Folder& folder = db.Folders()[0];
    EXPECT_EQ(folder.name, "A\\B \"c\"");
    EXPECT_TRUE(folder.calendar);
    EXPECT_EQ(db.EntryNote(folder, 1).id, 9u);
    const Note& note = *db.FindNote(5);
    EXPECT_EQ(db.FindItem(note, "Subject")->Texts()[0], awkward);
    EXPECT_EQ(db.FindItem(note, "SendTo")->Texts(), list);
    EXPECT_EQ(db.FindItem(note, "N")->Numbers()[0], 0.1);
    EXPECT_EQ(db.FindItem(note, "Start")->Datetimes()[0], dates[1]);
    EXPECT_EQ(db.FindItem(note, "Dates")->Datetimes(), dates);
    const Item* body = db.FindItem(note, "Body");
    EXPECT_EQ(body->PlainText(), multiLine);
    EXPECT_EQ(body->Rtf(), "{\\rtf1\n\\par}");
    EXPECT_EQ(db.Failure(body->fails, Operation::Export), 7u);
    EXPECT_EQ(db.Attachments(note)[0].Content(), binary);
    EXPECT_EQ(db.Attachments(note)[1].Content(), "xy");
    EXPECT_EQ(db.FindItem(*db.FindNote(9), "Body")->PlainText(), "ends in CR\r");
}

}  // namespace
}  // namespace notesdb

namespace notesdb {
namespace {

TEST(DatabaseWriterTest, WritesNamesBareOnlyWhenTheyReadBackAsOneWord) {
    EXPECT_EQ(DatabaseWriter::Word("($Meetings)"), "($Meetings)");
    EXPECT_EQ(DatabaseWriter::Word("Projects\\2026"), "Projects\\2026");
    EXPECT_EQ(DatabaseWriter::Word("My Contacts"), "\"My Contacts\"");
    EXPECT_EQ(DatabaseWriter::Word("\"x"), "\"\\\"x\"");
    EXPECT_EQ(DatabaseWriter::Word("<<END"), "\"<<END\"");
    EXPECT_EQ(DatabaseWriter::Word(""), "\"\"");
}

}  // namespace
}  // namespace notesdb
