#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DateTime.h"
#include "Failure.h"
#include "Value.h"

namespace notesdb {

// Item type codes as the Notes API reports them.
enum class ItemType : uint16_t {
    RichText = 0x0001,
    Number = 0x0300,
    NumberList = 0x0301,
    Datetime = 0x0400,
    DatetimeList = 0x0401,
    Text = 0x0500,
    TextList = 0x0501,
};

// One item of a document. Values are decoded on each call.
struct Item {
    std::string_view name;
    Value values;     // text, numbers or date-times; the plain text of rich text
    Value rtf;        // rich text only: its RTF form, when the file gives one
    uint32_t valueCount = 0;
    uint16_t typeCode = 0;  // an ItemType, or any code the file names for other types
    bool hasRtf = false;
    FailList fails;

    // Text and text-list values; the plain text of rich text; empty for other types.
    std::vector<std::string> Texts() const;
    std::vector<double> Numbers() const;
    std::vector<DateTime> Datetimes() const;
    std::string PlainText() const;  // rich text
    std::string Rtf() const;        // rich text with an RTF form
    bool Is(ItemType type) const { return typeCode == static_cast<uint16_t>(type); }
};

}  // namespace notesdb
