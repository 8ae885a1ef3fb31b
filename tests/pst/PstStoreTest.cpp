#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

#include "PstBytes.h"
#include "PstCrc.h"
#include "PstError.h"
#include "PstReaderCheck.h"
#include "PstStore.h"
#include "PstTableContext.h"
#include "PstText.h"

extern "C" int fsync(int fd);

namespace fs = std::filesystem;
using pst::PstMessage;
using pst::PstStore;

namespace {

constexpr uint64_t kStart = 133000000000000000ull;   // Jun 18, 2022 04:26:40 UTC
constexpr uint64_t kHour = 36000000000ull;
constexpr uint64_t kDay = 24 * kHour;
const std::string kRtf = "{\\rtf1\\ansi Staff {\\b meeting}\\par}";

std::string outputDir(const std::string& name)
{
    const fs::path dir = fs::path(ORBALIN_TEST_OUTPUT_DIR) / "pst" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string formatTime(uint64_t filetime, const char* format)
{
    const std::time_t t = static_cast<std::time_t>(filetime / 10000000ull - 11644473600ull);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buffer[64];
    std::strftime(buffer, sizeof buffer, format, &tm);
    return buffer;
}

void writeFile(const std::string& path, const std::vector<uint8_t>& data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

// pffexport and readpst both find count items in the calendar folder.
void ExpectReadersFindInCalendar(const std::string& file, const std::string& dir, int count)
{
    if (!PstReaderCheck::available("pffexport") || !PstReaderCheck::available("readpst"))
        GTEST_SKIP() << "pff-tools or pst-utils are not installed";
    const PstReaderCheck::Export ex = PstReaderCheck::pffexport(file, dir);
    EXPECT_EQ(ex.status, 0) << ex.log;
    EXPECT_EQ(ex.itemsPerFolder()["Top of Personal Folders/Calendar"], count);
    PstReaderCheck::ReadPst rp = PstReaderCheck::readpst(file, dir);
    EXPECT_EQ(rp.status, 0);
    EXPECT_EQ(rp.done["Calendar"], count) << rp.log;
}

// The bytes of one property in pffexport's ItemValues.txt dump.
std::vector<uint8_t> dumpedValue(const std::string& dump, uint32_t id)
{
    char header[64];
    std::snprintf(header, sizeof header, "Entry type:\t\t\t0x%08x", id);
    const size_t at = dump.find(header);
    std::vector<uint8_t> out;
    if (at == std::string::npos)
        return out;
    size_t line = dump.find("Value:\n", at);
    if (line == std::string::npos)
        return out;
    line += 7;
    static const std::regex hexLine("0x[0-9a-f]{8}: ((?:[0-9a-f]{2} {1,2})+).*");
    while (line < dump.size() && dump[line] != '\n') {
        const size_t end = dump.find('\n', line);
        const std::string text = dump.substr(line, end - line);
        std::smatch m;
        if (!std::regex_match(text, m, hexLine))
            break;
        std::istringstream bytes(m[1]);
        std::string b;
        while (bytes >> b)
            out.push_back(static_cast<uint8_t>(std::stoi(b, nullptr, 16)));
        line = end + 1;
    }
    return out;
}

struct Appointment {
    std::string subject, body, location;
    uint64_t start, end;
    std::vector<PstMessage::Attachment> attachments;
};

std::vector<Appointment> sampleAppointments()
{
    std::vector<uint8_t> big(20000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<uint8_t>(i * 7 + 3);
    return {
        {"Staff meeting", "Agenda: budget", "Room 1", kStart, kStart + kHour, {}},
        {"Réunion d'équipe €", std::string(9000, 'b') + " end", "Salle B", kStart + kDay, kStart + kDay + 2 * kHour,
         {{"minutes.txt", std::vector<uint8_t>{'h', 'i'}}, {"scan.bin", big}}},
        {"All day", "", "", kStart + 2 * kDay, kStart + 3 * kDay, {}},
    };
}

PstMessage makeAppointment(const PstStore& store, const Appointment& a)
{
    PstMessage m = store.newMessage("IPM.Appointment");
    m.setString(0x0037, a.subject);
    m.setString(0x1000, a.body);
    m.setNamed(pst::kPsetidAppointment, 0x820D, pst::PropertyValue::integer(pst::kPtSysTime, a.start, 8));
    m.setNamed(pst::kPsetidAppointment, 0x820E, pst::PropertyValue::integer(pst::kPtSysTime, a.end, 8));
    m.setNamed(pst::kPsetidAppointment, 0x8208, m.textValue(a.location));
    m.setString(0x0C1A, "Sam Sender");
    m.recipients.push_back({"Ann Example", "ann@example.com"});
    m.attachments = a.attachments;
    return m;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Stands for the disk under a power cut: each flush records what the file holds at that
// moment, which is all the disk is sure to keep until the next one.
struct FlushRecorder {
    std::string path;
    std::vector<std::string> images;
};
FlushRecorder* flushRecorder = nullptr;

std::string named(const PstMessage& m, uint32_t lid)
{
    const pst::PropertyValue* v = m.getNamed(pst::kPsetidAppointment, lid);
    return v ? pst::PstText::decode(v->data, v->type == pst::kPtUnicode) : std::string();
}

// Checks what the three readers list against the appointments written in `folderPath`.
void expectReadersSee(const std::string& file, const std::string& work, const std::string& folderPath,
                      const std::vector<Appointment>& expected)
{
    if (!PstReaderCheck::available("pffinfo") || !PstReaderCheck::available("readpst"))
        GTEST_SKIP() << "pff-tools or pst-utils are not installed";
    int status = 0;
    const std::string info = PstReaderCheck::run("pffinfo '" + file + "'", status);
    EXPECT_EQ(status, 0) << info;
    EXPECT_NE(info.find("Subtree, Wastbox, Finder"), std::string::npos) << info;

    const PstReaderCheck::Export ex = PstReaderCheck::pffexport(file, work);
    ASSERT_EQ(ex.status, 0) << ex.log;
    EXPECT_EQ(ex.itemsPerFolder()[folderPath], static_cast<int>(expected.size()));
    std::set<std::string> seen;
    for (size_t i = 1; i <= expected.size(); ++i) {
        char item[32];
        std::snprintf(item, sizeof item, "/Appointment%05zu/", i);
        const std::string text = ex.text(folderPath + item + "Appointment.txt");
        ASSERT_FALSE(text.empty()) << folderPath << item;
        const auto match = std::find_if(expected.begin(), expected.end(), [&](const Appointment& a) {
            return text.find("Subject:\t\t\t\t" + a.subject + "\n") != std::string::npos;
        });
        ASSERT_NE(match, expected.end()) << text;
        seen.insert(match->subject);
        EXPECT_NE(text.find("Start time:\t\t\t\t" + formatTime(match->start, "%b %d, %Y %H:%M:%S")), std::string::npos) << text;
        EXPECT_NE(text.find("End time:\t\t\t\t" + formatTime(match->end, "%b %d, %Y %H:%M:%S")), std::string::npos) << text;
        if (!match->location.empty())
            EXPECT_NE(text.find("Location:\t\t\t\t" + match->location + "\n"), std::string::npos) << text;
        for (size_t k = 0; k < match->attachments.size(); ++k) {
            const std::string path = folderPath + item + "Attachments/" + std::to_string(k + 1) + "_" + match->attachments[k].name;
            ASSERT_TRUE(ex.files.count(path)) << path;
            EXPECT_EQ(ex.files.at(path), match->attachments[k].data) << path;
        }
    }
    EXPECT_EQ(seen.size(), expected.size());

    const PstReaderCheck::ReadPst rp = PstReaderCheck::readpst(file, work);
    ASSERT_EQ(rp.status, 0) << rp.log;
    const std::string folderName = folderPath.substr(folderPath.rfind('/') + 1);
    EXPECT_EQ(rp.done.count(folderName) ? rp.done.at(folderName) : -1, static_cast<int>(expected.size())) << rp.log;
    for (const Appointment& a : expected) {
        EXPECT_NE(rp.output.find("SUMMARY:" + a.subject), std::string::npos) << a.subject;
        EXPECT_NE(rp.output.find("DTSTART;VALUE=DATE-TIME:" + formatTime(a.start, "%Y%m%dT%H%M%SZ")), std::string::npos);
        EXPECT_NE(rp.output.find("DTEND;VALUE=DATE-TIME:" + formatTime(a.end, "%Y%m%dT%H%M%SZ")), std::string::npos);
        if (!a.location.empty())
            EXPECT_NE(rp.output.find("LOCATION:" + a.location), std::string::npos);
        if (!a.body.empty() && a.body.size() < 60)
            EXPECT_NE(rp.output.find("DESCRIPTION:" + a.body), std::string::npos);
    }
}

class PstFormatTest : public ::testing::TestWithParam<PstStore::Format> {
protected:
    bool unicode() const { return GetParam() == PstStore::Format::Unicode; }
    std::string name() const { return unicode() ? "unicode" : "ansi"; }
};

}

TEST(PstTemplates, GeneratorRewritesTheShippedBlankFilesByteForByte)
{
    const std::string dir = outputDir("templates");
    const std::string unicode = dir + "/blank-unicode.pst", ansi = dir + "/blank-ansi.pst";
    int status = 0;
    const std::string log = PstReaderCheck::run(std::string("'") + PST_TEMPLATE_GENERATOR + "' '" + unicode + "' '" + ansi + "'", status);
    ASSERT_EQ(status, 0) << log;
    const std::string shipped = std::string(ORBALIN_TEST_SOURCE_DIR) + "/resources/pst/";
    for (const auto& [made, kept] : {std::pair{unicode, shipped + "blank-unicode.pst"}, std::pair{ansi, shipped + "blank-ansi.pst"}}) {
        const std::vector<uint8_t> bytes = PstReaderCheck::readFile(made);
        EXPECT_EQ(bytes.size(), 271360u);
        EXPECT_TRUE(bytes == PstReaderCheck::readFile(kept)) << kept << " differs from a fresh generation";

        const auto store = PstStore::open(made);
        std::vector<std::string> names;
        for (uint32_t f : store->subfolders(store->ipmSubtree()))
            names.push_back(store->folder(f).name);
        EXPECT_EQ(names, std::vector<std::string>{"Deleted Items"});
        EXPECT_EQ(store->folder(store->ipmSubtree()).name, "Top of Personal Folders");
        if (PstReaderCheck::available("pffinfo") && PstReaderCheck::available("readpst")) {
            const std::string info = PstReaderCheck::run("pffinfo '" + made + "'", status);
            EXPECT_EQ(status, 0) << info;
            const PstReaderCheck::ReadPst rp = PstReaderCheck::readpst(made, dir);
            EXPECT_EQ(rp.status, 0) << rp.log;
            EXPECT_NE(rp.log.find("Processing Folder \"Deleted Items\""), std::string::npos) << rp.log;
        }
    }
}

TEST_P(PstFormatTest, AppointmentsAreListedByOurReaderAndTheIndependentOnes)
{
    const std::string dir = outputDir("write-" + name());
    const std::string file = dir + "/calendar.pst";
    const std::vector<Appointment> appointments = sampleAppointments();
    {
        auto store = PstStore::create(file, GetParam());
        store->setDisplayName("Notes calendar");
        const uint32_t calendar = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
        store->createFolder(store->ipmSubtree(), "Empty", "IPF.Note");
        for (const Appointment& a : appointments) {
            PstMessage m = makeAppointment(*store, a);
            if (&a == &appointments.front())
                m.setRtfBody(kRtf);
            store->saveMessage(calendar, m);
        }
        store->commit();
    }
    const auto store = PstStore::open(file);
    EXPECT_EQ(store->displayName(), "Notes calendar");
    std::map<std::string, pst::PstFolderInfo> folders;
    for (uint32_t f : store->subfolders(store->ipmSubtree()))
        folders[store->folder(f).name] = store->folder(f);
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders["Calendar"].containerClass, "IPF.Appointment");
    EXPECT_EQ(folders["Calendar"].contentCount, 3u);
    EXPECT_EQ(folders["Empty"].containerClass, "IPF.Note");
    EXPECT_EQ(folders["Empty"].contentCount, 0u);
    const std::vector<uint32_t> items = store->messages(folders["Calendar"].nid);
    ASSERT_EQ(items.size(), 3u);
    for (size_t i = 0; i < items.size(); ++i) {
        const PstMessage m = store->readMessage(items[i]);
        EXPECT_EQ(m.getString(0x001A), "IPM.Appointment");
        EXPECT_EQ(m.getString(0x0037), appointments[i].subject);
        EXPECT_EQ(m.getString(0x1000), appointments[i].body);
        EXPECT_EQ(m.rtfBody(), i == 0 ? kRtf : "");
        EXPECT_EQ(named(m, 0x8208), appointments[i].location);
        ASSERT_NE(m.getNamed(pst::kPsetidAppointment, 0x820D), nullptr);
        EXPECT_EQ(m.getNamed(pst::kPsetidAppointment, 0x820D)->asInteger(), appointments[i].start);
        EXPECT_EQ(m.getNamed(pst::kPsetidAppointment, 0x820E)->asInteger(), appointments[i].end);
        ASSERT_EQ(m.recipients.size(), 1u);
        EXPECT_EQ(m.recipients[0].address, "ann@example.com");
        ASSERT_EQ(m.attachments.size(), appointments[i].attachments.size());
        for (size_t k = 0; k < m.attachments.size(); ++k) {
            EXPECT_EQ(m.attachments[k].name, appointments[i].attachments[k].name);
            EXPECT_EQ(m.attachments[k].data, appointments[i].attachments[k].data);
        }
    }
    expectReadersSee(file, dir, "Top of Personal Folders/Calendar", appointments);

    // The long body is checked through pffexport's value dump.
    if (PstReaderCheck::available("pffexport")) {
        int status = 0;
        PstReaderCheck::run("rm -rf '" + dir + "/dump.export' && pffexport -q -d -t '" + dir + "/dump' '" + file + "'", status);
        ASSERT_EQ(status, 0);
        bool found = false, rtfFound = false;
        for (int i = 1; i <= 3; ++i) {
            char path[128];
            std::snprintf(path, sizeof path, "/dump.export/Top of Personal Folders/Calendar/Appointment%05d/ItemValues.txt", i);
            const std::vector<uint8_t> dump = PstReaderCheck::readFile(dir + path);
            const std::vector<uint8_t> body = dumpedValue(std::string(dump.begin(), dump.end()), 0x1000);
            found = found || body == pst::PstText::encode(appointments[1].body, unicode());
            const std::vector<uint8_t> rtf = dumpedValue(std::string(dump.begin(), dump.end()), 0x1009);
            rtfFound = rtfFound || (rtf.size() > 16 && std::string(rtf.begin() + 16, rtf.end()) == kRtf);
        }
        EXPECT_TRUE(found) << "pffexport does not show the 9 KB body";
        EXPECT_TRUE(rtfFound) << "pffexport does not show the RTF body";
    }
}

TEST_P(PstFormatTest, ReopenedFileTakesMoreItemsAndKeepsTheOldOnes)
{
    const std::string dir = outputDir("reopen-" + name());
    const std::string file = dir + "/calendar.pst";
    std::vector<Appointment> appointments = sampleAppointments();
    uint32_t calendar = 0;
    {
        auto store = PstStore::create(file, GetParam());
        calendar = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
        store->saveMessage(calendar, makeAppointment(*store, appointments[0]));
        store->commit();
    }
    {
        auto store = PstStore::open(file);
        store->saveMessage(calendar, makeAppointment(*store, appointments[1]));
        store->saveMessage(calendar, makeAppointment(*store, appointments[2]));
        store->commit();
    }
    const auto store = PstStore::open(file);
    EXPECT_EQ(store->folder(calendar).contentCount, 3u);
    EXPECT_EQ(store->messages(calendar).size(), 3u);
    EXPECT_EQ(store->findSubfolder(store->ipmSubtree(), "Calendar"), std::optional<uint32_t>(calendar));
    EXPECT_FALSE(store->findSubfolder(store->ipmSubtree(), "Nothing"));
    const std::vector<uint8_t> id = store->entryId(calendar);
    ASSERT_EQ(id.size(), 24u);
    EXPECT_EQ(id[20] | id[21] << 8 | id[22] << 16 | id[23] << 24, static_cast<int>(calendar));
    {
        // The parent's hierarchy table carries the same count as the folder.
        const auto db = pst::PstNodeDatabase::open(file);
        const pst::NodeEntry* table = db->node((store->ipmSubtree() & ~0x1Fu) | pst::kNidHierarchyTable);
        ASSERT_NE(table, nullptr);
        const auto rows = pst::PstTableContext::read(*db, table->bidData, db->readSubnodes(table->bidSub)).rows;
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const pst::TableRow& r) { return r.id == calendar; });
        ASSERT_NE(row, rows.end());
        EXPECT_EQ(row->values.at(0x3602).asInteger(), 3u);
    }
    expectReadersSee(file, dir, "Top of Personal Folders/Calendar", appointments);
}

TEST_P(PstFormatTest, ManyItemsAndLargeTablesStayReadable)
{
    // Enough rows that the contents table and its index leave the heap for their own blocks.
    const std::string dir = outputDir("many-" + name());
    const std::string file = dir + "/many.pst";
    constexpr int kCount = 700;
    {
        auto store = PstStore::create(file, GetParam());
        const uint32_t calendar = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
        for (int i = 0; i < kCount; ++i) {
            Appointment a{"Item " + std::to_string(i), "Body " + std::to_string(i), "L" + std::to_string(i),
                          kStart + i * kHour, kStart + i * kHour + kHour / 2, {}};
            store->saveMessage(calendar, makeAppointment(*store, a));
        }
        store->commit();
    }
    const auto store = PstStore::open(file);
    const uint32_t calendar = store->subfolders(store->ipmSubtree()).back();
    EXPECT_EQ(store->folder(calendar).contentCount, static_cast<uint32_t>(kCount));
    const std::vector<uint32_t> items = store->messages(calendar);
    ASSERT_EQ(items.size(), static_cast<size_t>(kCount));
    EXPECT_EQ(store->readMessage(items[kCount - 1]).getString(0x0037), "Item " + std::to_string(kCount - 1));
    ExpectReadersFindInCalendar(file, dir, kCount);
}

// An e-mail attached to a message (attachment method 5) is a message of its own, nested
// in the attachment; it is read back as a message, as pffexport exports it.
TEST_P(PstFormatTest, AttachedItemIsReadAsAMessage)
{
    const std::string dir = outputDir("attached-item-" + name());
    const std::string file = dir + "/attached.pst";
    uint32_t folder = 0;
    {
        auto store = PstStore::create(file, GetParam());
        folder = store->createFolder(store->ipmSubtree(), "Forwarded", "IPF.Note");
        PstMessage inner = store->newMessage("IPM.Note");
        inner.setString(0x0037, "Inner subject");
        inner.setString(0x1000, "Inner body");
        inner.recipients.push_back({"Bob Example", "bob@example.com"});
        inner.attachments.push_back({"deep.txt", {'d', 'e', 'e', 'p'}, nullptr});
        PstMessage outer = store->newMessage("IPM.Note");
        outer.setString(0x0037, "Outer subject");
        outer.setString(0x1000, "Outer body");
        outer.attachments.push_back({"Inner subject", {}, std::make_shared<PstMessage>(inner)});
        outer.attachments.push_back({"plain.txt", {'p'}, nullptr});
        store->saveMessage(folder, outer);
        store->commit();
    }
    {
        const auto store = PstStore::open(file);
        const std::vector<uint32_t> messages = store->messages(folder);
        ASSERT_EQ(messages.size(), 1u);
        const PstMessage outer = store->readMessage(messages[0]);
        ASSERT_EQ(outer.attachments.size(), 2u);
        const PstMessage::Attachment& attached = outer.attachments[0];
        ASSERT_TRUE(attached.message) << "read as " << attached.data.size() << " bytes";
        EXPECT_TRUE(attached.data.empty());
        EXPECT_EQ(attached.message->getString(0x0037), "Inner subject");
        EXPECT_EQ(attached.message->getString(0x1000), "Inner body");
        ASSERT_EQ(attached.message->recipients.size(), 1u);
        EXPECT_EQ(attached.message->recipients[0].address, "bob@example.com");
        ASSERT_EQ(attached.message->attachments.size(), 1u);
        EXPECT_EQ(attached.message->attachments[0].data, (std::vector<uint8_t>{'d', 'e', 'e', 'p'}));
        EXPECT_FALSE(outer.attachments[1].message);
        EXPECT_EQ(outer.attachments[1].data, std::vector<uint8_t>{'p'});
    }
    if (!PstReaderCheck::available("pffexport") || !PstReaderCheck::available("readpst"))
        GTEST_SKIP() << "pff-tools or pst-utils are not installed";
    const PstReaderCheck::Export ex = PstReaderCheck::pffexport(file, dir);
    ASSERT_EQ(ex.status, 0) << ex.log;
    std::string files;
    for (const auto& [path, data] : ex.files)
        files += path + "\n";
    const std::string item = "Top of Personal Folders/Forwarded/Message00001/";
    const std::string attached = item + "Attachments/Attachment00001/Message00001/";
    EXPECT_NE(ex.text(attached + "OutlookHeaders.txt").find("Subject:\t\t\t\tInner subject\n"), std::string::npos) << files;
    EXPECT_NE(ex.text(attached + "Message.txt").find("Inner body"), std::string::npos) << files;
    EXPECT_EQ(ex.files.count(attached + "Attachments/1_deep.txt"), 1u) << files;
    EXPECT_EQ(ex.files.count(item + "Attachments/2_plain.txt"), 1u) << files;
    // readpst writes the attached item as a message/rfc822 part of the outer message.
    const PstReaderCheck::ReadPst rp = PstReaderCheck::readpst(file, dir);
    ASSERT_EQ(rp.status, 0) << rp.log;
    const size_t part = rp.output.find("Content-Type: message/rfc822");
    ASSERT_NE(part, std::string::npos) << rp.output;
    for (const char* want : {"Subject: Inner subject", "Inner body", "filename=\"deep.txt\""})
        EXPECT_NE(rp.output.find(want, part), std::string::npos) << want << "\n" << rp.output;
}

// Pages of the file that differ between two states of it (pages only one has count too).
size_t changedPages(const std::string& before, const std::string& after)
{
    std::ifstream a(before, std::ios::binary), b(after, std::ios::binary);
    const std::string x((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
    const std::string y((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
    size_t changed = 0;
    for (size_t at = 0; at < std::max(x.size(), y.size()); at += 512)
        if (x.compare(std::min(at, x.size()), 512, y, std::min(at, y.size()), 512) != 0)
            ++changed;
    return changed;
}

TEST_P(PstFormatTest, CommitAfterEveryItemWritesWhatChangedAndKeepsTheTablesWhole)
{
    // A save commits after every item: the commit must cost what the item added, not what
    // the file holds, and every commit must leave whole tables behind.
    const std::string dir = outputDir("commits-" + name());
    const std::string file = dir + "/commits.pst", before = dir + "/before.pst";
    constexpr int kCount = 800, kEarly = 60, kLate = 780;
    std::map<int, size_t> changed;
    uint32_t calendar = 0;
    {
        auto store = PstStore::create(file, GetParam());
        calendar = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
        for (int i = 0; i < kCount; ++i) {
            Appointment a{"Item " + std::to_string(i), "Body " + std::to_string(i), "L" + std::to_string(i),
                          kStart + i * kHour, kStart + i * kHour + kHour / 2, {}};
            store->saveMessage(calendar, makeAppointment(*store, a));
            if (i == kEarly || i == kLate) {
                fs::copy_file(file, before, fs::copy_options::overwrite_existing);
                store->commit();
                changed[i] = changedPages(before, file);
            } else {
                store->commit();
            }
            if (i == kEarly) {
                // What a kill after this commit leaves: our reader and the others open it.
                fs::copy_file(file, before, fs::copy_options::overwrite_existing);
                EXPECT_EQ(PstStore::open(before)->messages(calendar).size(), static_cast<size_t>(kEarly + 1));
            }
        }
    }
    // Thirteen times the items, about the same cost (a full rewrite of the tables and trees
    // would have cost several times more).
    EXPECT_LT(changed[kLate], 2 * changed[kEarly] + 24) << changed[kEarly] << " pages then " << changed[kLate];

    const auto store = PstStore::open(file);
    const std::vector<uint32_t> items = store->messages(calendar);
    ASSERT_EQ(items.size(), static_cast<size_t>(kCount));
    EXPECT_EQ(store->folder(calendar).contentCount, static_cast<uint32_t>(kCount));
    const auto db = pst::PstNodeDatabase::open(file);
    const pst::NodeEntry* contents = db->node((calendar & ~0x1Fu) | pst::kNidContentsTable);
    ASSERT_NE(contents, nullptr);
    const auto table = pst::PstTableContext::read(*db, contents->bidData, db->readSubnodes(contents->bidSub));
    ASSERT_EQ(table.rows.size(), static_cast<size_t>(kCount));
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(table.rows[i].id, items[i]);
        const auto subject = table.rows[i].values.find(0x0037);
        ASSERT_NE(subject, table.rows[i].values.end());
        EXPECT_EQ(pst::PstText::decode(subject->second.data, subject->second.type == pst::kPtUnicode),
                  "Item " + std::to_string(i));
    }
    ExpectReadersFindInCalendar(file, dir, kCount);
}

INSTANTIATE_TEST_SUITE_P(Formats, PstFormatTest, ::testing::Values(PstStore::Format::Unicode, PstStore::Format::Ansi),
                         [](const auto& info) { return info.param == PstStore::Format::Unicode ? "Unicode" : "Ansi"; });

// The files Outlook wrote: listed as pffexport lists them, and a folder with an appointment
// added to a copy leaves every original item as it was.
class PstOutlookFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(PstOutlookFileTest, ListsAndExtendsOutlookFiles)
{
    const std::string source = std::string(ORBALIN_TEST_SOURCE_DIR) + "/../shared/data/pst/" + GetParam() + ".pst";
    if (!fs::exists(source))
        GTEST_SKIP() << source << " is not there";
    const std::string dir = outputDir(std::string("outlook-") + GetParam());
    const std::string copy = dir + "/copy.pst";
    fs::copy_file(source, copy);
    fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add);

    std::map<std::string, std::vector<std::string>> ours;   // folder path -> subjects
    std::string storeName;
    {
        const auto store = PstStore::open(copy);
        storeName = store->displayName();
        std::vector<std::pair<uint32_t, std::string>> pending{{store->ipmSubtree(), store->folder(store->ipmSubtree()).name}};
        for (size_t i = 0; i < pending.size(); ++i) {
            auto& subjects = ours[pending[i].second];
            for (uint32_t m : store->messages(pending[i].first)) {
                // Outlook may start a subject with 0x01 and the length of its prefix ("RE: ").
                std::string subject = store->readMessage(m).getString(0x0037);
                if (subject.size() >= 2 && subject[0] == '\x01')
                    subject.erase(0, 2);
                subjects.push_back(subject);
            }
            for (uint32_t f : store->subfolders(pending[i].first))
                pending.push_back({f, pending[i].second + "/" + store->folder(f).name});
        }
    }
    if (!PstReaderCheck::available("pffexport") || !PstReaderCheck::available("readpst"))
        GTEST_SKIP() << "pff-tools or pst-utils are not installed";
    // Every folder below the root, search folders included, by path as pffexport names them.
    std::set<std::string> everyFolder;
    int searchFolders = 0;
    {
        const auto store = PstStore::open(copy);
        std::vector<std::pair<uint32_t, std::string>> pending;
        for (uint32_t f : store->subfolders(store->rootFolder()))
            pending.push_back({f, store->folder(f).name});
        for (size_t i = 0; i < pending.size(); ++i) {
            everyFolder.insert(pending[i].second);
            searchFolders += store->folder(pending[i].first).search;
            for (uint32_t f : store->subfolders(pending[i].first))
                pending.push_back({f, pending[i].second + "/" + store->folder(f).name});
        }
    }
    const PstReaderCheck::Export before = PstReaderCheck::pffexport(copy, dir);
    ASSERT_EQ(before.status, 0) << before.log;
    EXPECT_EQ(everyFolder, before.folders);
    // Each of these files has Outlook's "SPAM Search Folder 2".
    EXPECT_GE(searchFolders, 1);
    for (const auto& folder : before.folders)
        if (folder.rfind(ours.begin()->first, 0) == 0)
            EXPECT_TRUE(ours.count(folder)) << "we do not list " << folder;
    for (const auto& [folder, subjects] : ours)
        EXPECT_TRUE(before.folders.count(folder)) << "pffexport does not list " << folder;
    for (const auto& [folder, count] : before.itemsPerFolder())
        EXPECT_EQ(ours[folder].size(), static_cast<size_t>(count)) << folder;
    for (const auto& [path, data] : before.files) {
        if (path.size() > 18 && path.substr(path.size() - 19) == "/OutlookHeaders.txt") {
            const std::string text(data.begin(), data.end());
            const std::string folder = path.substr(0, path.find("/Message0"));
            const auto& subjects = ours[folder];
            EXPECT_TRUE(std::any_of(subjects.begin(), subjects.end(), [&](const std::string& s) {
                return text.find("Subject:\t\t\t\t" + s + "\n") != std::string::npos;
            })) << text;
        }
    }
    const PstReaderCheck::ReadPst readBefore = PstReaderCheck::readpst(copy, dir + "/before");

    const Appointment added{"Added here", "Body", "Office", kStart, kStart + kHour, {{"a.txt", {'x'}}}};
    {
        auto store = PstStore::open(copy);
        const uint32_t folder = store->createFolder(store->ipmSubtree(), "Notes import", "IPF.Appointment");
        store->saveMessage(folder, makeAppointment(*store, added));
        store->commit();
    }
    const PstReaderCheck::Export after = PstReaderCheck::pffexport(copy, dir);
    ASSERT_EQ(after.status, 0) << after.log;
    for (const auto& [path, data] : before.files) {
        ASSERT_TRUE(after.files.count(path)) << path << " is gone";
        EXPECT_EQ(after.files.at(path), data) << path << " changed";
    }
    PstReaderCheck::ReadPst readAfter = PstReaderCheck::readpst(copy, dir + "/after");
    EXPECT_EQ(readAfter.status, 0) << readAfter.log;
    // readpst counts subfolders with the items of the top folder, which is named after the store.
    for (const auto& [folder, count] : readBefore.done)
        if (folder != storeName)
            EXPECT_EQ(readAfter.done[folder], count) << folder;
    expectReadersSee(copy, dir, ours.begin()->first + "/Notes import", {added});
}

INSTANTIATE_TEST_SUITE_P(Samples, PstOutlookFileTest, ::testing::Values("sample1", "test_ansi", "test_unicode"));

TEST(PstBadInput, DamagedFilesFailClearlyAndStayUnchanged)
{
    const std::string dir = outputDir("bad");
    const std::string good = dir + "/good.pst";
    PstStore::create(good, PstStore::Format::Unicode);
    const std::vector<uint8_t> blank = PstReaderCheck::readFile(good);
    const auto flip = [&](size_t at) {
        std::vector<uint8_t> b = blank;
        b[at] ^= 0x5A;
        return b;
    };
    uint64_t nbt = 0;
    for (int i = 7; i >= 0; --i)
        nbt = (nbt << 8) | blank[224 + i];
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* message;
    } cases[] = {
        {"empty", {}, "not a PST file"},
        {"text", std::vector<uint8_t>(300000, 'x'), "not a PST file"},
        {"truncated", std::vector<uint8_t>(blank.begin(), blank.begin() + 200000), "damaged"},
        {"header", flip(300), "damaged"},
        {"btree", flip(nbt + 10), "damaged"},
        {"version", flip(10), "version"},
    };
    for (const auto& c : cases) {
        const std::string path = dir + "/" + c.name + ".pst";
        writeFile(path, c.bytes);
        try {
            PstStore::open(path);
            ADD_FAILURE() << c.name << " opened";
        } catch (const pst::PstError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
        }
        EXPECT_EQ(PstReaderCheck::readFile(path), c.bytes) << c.name << " was changed";
    }
}

TEST(PstBadInput, CorruptBlockIsReportedWhenRead)
{
    const std::string dir = outputDir("bad-block");
    const std::string file = dir + "/one.pst";
    uint32_t nid = 0;
    {
        auto store = PstStore::create(file, PstStore::Format::Unicode);
        const uint32_t folder = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
        nid = store->saveMessage(folder, makeAppointment(*store, {"Marker subject", "x", "y", kStart, kStart, {}}));
        store->commit();
    }
    std::vector<uint8_t> bytes = PstReaderCheck::readFile(file);
    const std::vector<uint8_t> marker = pst::PstText::encode("Marker subject", true);
    const auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    ASSERT_NE(at, bytes.end());
    *at ^= 1;
    writeFile(file, bytes);
    const auto store = PstStore::open(file);
    EXPECT_THROW(store->readMessage(nid), pst::PstError);
    EXPECT_THROW(store->saveMessage(0x12345, store->newMessage("IPM.Appointment")), pst::PstError);
}

TEST(PstLargeValues, AttachmentOfSeveralMegabytesUsesATwoLevelDataTree)
{
    const std::string dir = outputDir("huge");
    const std::string file = dir + "/huge.pst";
    std::vector<uint8_t> data(9 * 1024 * 1024);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
    const Appointment a{"Big file", "See attachment", "Here", kStart, kStart + kHour, {{"big.bin", data}}};
    {
        auto store = PstStore::create(file, PstStore::Format::Unicode);
        const uint32_t calendar = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
        store->saveMessage(calendar, makeAppointment(*store, a));
        store->commit();
    }
    const auto store = PstStore::open(file);
    const uint32_t calendar = store->subfolders(store->ipmSubtree()).back();
    const PstMessage m = store->readMessage(store->messages(calendar).at(0));
    ASSERT_EQ(m.attachments.size(), 1u);
    EXPECT_TRUE(m.attachments[0].data == data);
    expectReadersSee(file, dir, "Top of Personal Folders/Calendar", {a});
}

TEST(PstCommit, WorkNotYetCommittedLeavesTheCommittedStateReadable)
{
    // A copy taken between commits stands for a program that stopped before saving the store.
    const std::string dir = outputDir("uncommitted");
    const std::string file = dir + "/live.pst", snapshot = dir + "/snapshot.pst";
    const std::vector<Appointment> first{sampleAppointments()[0]};
    auto store = PstStore::create(file, PstStore::Format::Unicode);
    const uint32_t calendar = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
    store->saveMessage(calendar, makeAppointment(*store, first[0]));
    store->commit();
    store->createFolder(calendar, "Later", "IPF.Note");
    for (int i = 0; i < 50; ++i)
        store->saveMessage(calendar, makeAppointment(*store, sampleAppointments()[1]));
    fs::copy_file(file, snapshot);
    {
        const auto old = PstStore::open(snapshot);
        EXPECT_EQ(old->messages(calendar).size(), 1u);
        EXPECT_TRUE(old->subfolders(calendar).empty());
    }
    expectReadersSee(snapshot, dir, "Top of Personal Folders/Calendar", first);
    store->commit();
    EXPECT_EQ(PstStore::open(file)->messages(calendar).size(), 51u);
}

TEST(PstCommit, MapsAreMarkedInvalidBetweenCommitsAndWrittenWholeAtClose)
{
    // Commits leave the allocation map pages to close: until then the header must say that
    // the maps are not valid, and close must write every page of a file that grew over
    // several regions, each one whole.
    const std::string file = outputDir("maps") + "/maps.pst";
    constexpr size_t kValidFlag = 248, kFirstMap = 0x4400, kRegion = 496 * 8 * 64;
    auto store = PstStore::create(file, PstStore::Format::Unicode);
    const uint32_t calendar = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
    for (int i = 0; i < 120; ++i) {
        store->saveMessage(calendar, makeAppointment(*store, {"Item " + std::to_string(i), std::string(3000, 'b'), "",
                                                              kStart, kStart, {}}));
        store->commit();
    }
    EXPECT_EQ(static_cast<uint8_t>(readAll(file)[kValidFlag]), 0);
    store->close();
    const std::string bytes = readAll(file);
    EXPECT_EQ(static_cast<uint8_t>(bytes[kValidFlag]), 2);
    ASSERT_GT(bytes.size(), kFirstMap + 2 * kRegion);
    for (size_t at = kFirstMap; at < bytes.size(); at += kRegion) {
        SCOPED_TRACE("map at " + std::to_string(at));
        const auto* page = reinterpret_cast<const uint8_t*>(bytes.data() + at);
        EXPECT_EQ(page[496], 0x84);
        EXPECT_EQ(page[497], 0x84);
        EXPECT_EQ(pst::PstCrc::compute(page, 496), pst::PstBytes::get(page + 500, 4));
        EXPECT_EQ(pst::PstBytes::get(page + 504, 8), at);
        // The map's first unit is the map page itself.
        EXPECT_EQ(page[0] & 0x80, 0x80);
    }
    EXPECT_EQ(PstStore::open(file)->messages(calendar).size(), 120u);
}

extern "C" int fsync(int fd)
{
    using Fsync = int (*)(int);
    static const Fsync real = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    if (flushRecorder)
        flushRecorder->images.push_back(readAll(flushRecorder->path));
    return real(fd);
}

TEST(PstCommit, PowerCutBetweenAnyTwoFlushesLeavesAWholeState)
{
    // Between two flushes the disk may hold any part of what was written since the first:
    // the header the last commit wrote may be lost, and pages written since may have
    // arrived. Either header must then find its state whole, so space is written over only
    // once no header that may survive points at it. One flush per commit; close flushes.
    const std::string dir = outputDir("power-cut");
    const std::string file = dir + "/cut.pst", image = dir + "/image.pst";
    constexpr int kCount = 80;
    FlushRecorder recorder{file, {}};
    flushRecorder = &recorder;
    uint32_t calendar = 0;
    {
        auto store = PstStore::create(file, PstStore::Format::Unicode);
        calendar = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
        for (int i = 0; i < kCount; ++i) {
            store->saveMessage(calendar, makeAppointment(*store, {"Item " + std::to_string(i),
                                                                  std::string(2000, 'a' + i % 26), "", kStart, kStart, {}}));
            store->commit();
        }
        EXPECT_EQ(recorder.images.size(), static_cast<size_t>(kCount + 1));
        store->close();
    }
    flushRecorder = nullptr;
    ASSERT_GE(recorder.images.size(), static_cast<size_t>(kCount + 2));
    EXPECT_TRUE(recorder.images.back() == readAll(file)) << "close left writes unflushed";

    const auto expectItems = [&](const std::string& bytes, int count) {
        std::ofstream(image, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        try {
            const auto store = PstStore::open(image);
            const std::vector<uint32_t> items = store->messages(calendar);
            ASSERT_EQ(items.size(), static_cast<size_t>(count));
            for (int i = 0; i < count; ++i)
                EXPECT_EQ(store->readMessage(items[i]).getString(0x0037), "Item " + std::to_string(i));
            const auto db = pst::PstNodeDatabase::open(image);
            const pst::NodeEntry* contents = db->node((calendar & ~0x1Fu) | pst::kNidContentsTable);
            ASSERT_NE(contents, nullptr);
            EXPECT_EQ(pst::PstTableContext::read(*db, contents->bidData, db->readSubnodes(contents->bidSub)).rows.size(),
                      static_cast<size_t>(count));
        } catch (const pst::PstError& e) {
            ADD_FAILURE() << e.what();
        }
    };
    expectItems(readAll(file), kCount);
    // Flush n + 1 finds the header of commit n written after flush n, and the header of
    // commit n - 1 on the disk; commit n holds n items (commit 0 made the empty file).
    constexpr size_t kHeader = 564;
    for (size_t n = 2; n <= kCount; ++n) {
        SCOPED_TRACE("flush " + std::to_string(n + 1));
        const std::string& cut = recorder.images[n + 1];
        expectItems(cut, static_cast<int>(n));
        expectItems(recorder.images[n].substr(0, kHeader) + cut.substr(kHeader), static_cast<int>(n - 1));
        if (HasFailure())
            break;
    }
}
