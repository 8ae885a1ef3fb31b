#include "Item.h"

#include <charconv>

namespace notesdb {

std::vector<std::string> Item::Texts() const {
    if (Is(ItemType::Text) || Is(ItemType::TextList)) return values.Texts();
    if (Is(ItemType::RichText)) return {PlainText()};
    return {};
}

std::vector<double> Item::Numbers() const {
    std::vector<double> numbers;
    if (!Is(ItemType::Number) && !Is(ItemType::NumberList)) return numbers;
    for (const std::string& text : values.Texts()) {
        double v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v);
        numbers.push_back(v);
    }
    return numbers;
}

std::vector<DateTime> Item::Datetimes() const {
    std::vector<DateTime> result;
    if (!Is(ItemType::Datetime) && !Is(ItemType::DatetimeList)) return result;
    for (const std::string& text : values.Texts())
        if (auto dt = DateTime::Parse(text)) result.push_back(*dt);
    return result;
}

std::string Item::PlainText() const { return Is(ItemType::RichText) ? values.FirstText() : std::string(); }

std::string Item::Rtf() const { return hasRtf ? rtf.FirstText() : std::string(); }

}  // namespace notesdb
