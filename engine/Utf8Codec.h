#pragma once
// UTF-8 for the CSV file: what the writer stores, and what the loader accepts.
#include <string>
#include <string_view>

#include "Framework.h"

class Utf8Codec
{
public:
    static std::string Encode(const CString& text);
    // False when the bytes are not valid UTF-8.
    static bool Decode(std::string_view bytes, CString& text);
};
