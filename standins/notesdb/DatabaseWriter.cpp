#include "DatabaseWriter.h"

#include <algorithm>
#include <charconv>

#include "ByteCodec.h"

namespace notesdb {

namespace {

// A tag that no line of the text equals, blanks around it ignored.
std::string BlockTag(std::string_view text) {
    for (int n = 0;; ++n) {
        const std::string tag = n ? "END" + std::to_string(n) : "END";
        bool clash = false;
        size_t start = 0;
        while (!clash && start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
            while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.remove_suffix(1);
            clash = line == tag;
            start = end + 1;
        }
        if (!clash) return tag;
    }
}

}  // namespace

DatabaseWriter::DatabaseWriter(std::ostream& out) : out_(out) { out_ << "notesdb 1\n"; }

std::string DatabaseWriter::Quote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789ABCDEF";
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string DatabaseWriter::Word(std::string_view text) {
    const bool bare = !text.empty() && text.front() != '"' && !text.starts_with("<<") &&
                      std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    return bare ? std::string(text) : Quote(text);
}

void DatabaseWriter::WriteValue(std::string_view text) {
    // A block keeps long texts readable; it cannot end in a CR, which the reader drops.
    if (text.find('\n') == std::string_view::npos || text.ends_with('\r')) {
        out_ << Quote(text) << '\n';
        return;
    }
    const std::string tag = BlockTag(text);
    out_ << "<<" << tag << '\n' << text << '\n' << tag << '\n';
}

void DatabaseWriter::Comment(std::string_view text) { out_ << "# " << text << '\n'; }

void DatabaseWriter::Title(std::string_view title) { out_ << "title " << Quote(title) << '\n'; }

void DatabaseWriter::Fail(Operation operation, uint32_t status) {
    char hex[16];
    const auto end = std::to_chars(hex, hex + sizeof hex, status, 16).ptr;
    out_ << "fail " << OperationName(operation) << " 0x" << std::string_view(hex, static_cast<size_t>(end - hex)) << '\n';
}

void DatabaseWriter::Folder(std::string_view name, bool calendar) {
    out_ << "\nfolder " << Word(name) << (calendar ? " calendar\n" : "\n");
}

void DatabaseWriter::Entries(std::span<const uint32_t> noteIds) {
    constexpr size_t perLine = 16;
    for (size_t i = 0; i < noteIds.size(); i += perLine) {
        out_ << "entries";
        for (const uint32_t id : noteIds.subspan(i, std::min(perLine, noteIds.size() - i))) out_ << ' ' << id;
        out_ << '\n';
    }
}

void DatabaseWriter::Note(uint32_t id, std::string_view unid) {
    out_ << "\nnote " << id << '\n';
    if (!unid.empty()) out_ << "unid " << unid << '\n';
}

void DatabaseWriter::Text(std::string_view name, std::string_view text) {
    out_ << "item " << Word(name) << " text ";
    WriteValue(text);
}

void DatabaseWriter::TextList(std::string_view name, std::span<const std::string> texts) {
    out_ << "item " << Word(name) << " textlist";
    for (const std::string& text : texts) out_ << ' ' << Quote(text);
    out_ << '\n';
}

void DatabaseWriter::Number(std::string_view name, double number) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, number).ptr;
    out_ << "item " << Word(name) << " number " << std::string_view(buf, static_cast<size_t>(end - buf)) << '\n';
}

void DatabaseWriter::Datetime(std::string_view name, const DateTime& value) {
    out_ << "item " << Word(name) << " datetime " << value.ToString() << '\n';
}

void DatabaseWriter::DatetimeList(std::string_view name, std::span<const DateTime> values) {
    out_ << "item " << Word(name) << " datetimelist";
    for (const DateTime& value : values) out_ << ' ' << value.ToString();
    out_ << '\n';
}

void DatabaseWriter::RichText(std::string_view name, std::string_view plainText, std::optional<std::string_view> rtf) {
    out_ << "item " << Word(name) << " richtext ";
    WriteValue(plainText);
    if (rtf) {
        out_ << "rtf ";
        WriteValue(*rtf);
    }
}

void DatabaseWriter::Attachment(std::string_view name, std::string_view bytes) {
    const std::string encoded = ByteCodec::EncodeBase64(bytes);
    constexpr size_t lineLength = 76;
    if (encoded.size() <= lineLength) {
        out_ << "attachment " << Word(name) << " base64 \"" << encoded << "\"\n";
        return;
    }
    out_ << "attachment " << Word(name) << " base64 <<END\n";
    for (size_t i = 0; i < encoded.size(); i += lineLength) out_ << std::string_view(encoded).substr(i, lineLength) << '\n';
    out_ << "END\n";
}

}  // namespace notesdb
