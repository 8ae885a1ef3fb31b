#include "Utf8Codec.h"

std::string Utf8Codec::Encode(const CString& text)
{
    if (text.IsEmpty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.GetString(), text.GetLength(), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.GetString(), text.GetLength(), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

bool Utf8Codec::Decode(std::string_view bytes, CString& text)
{
    text.Empty();
    if (bytes.empty())
        return true;
    const int count = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), count, nullptr, 0);
    if (size <= 0)
        return false;
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), count, text.GetBuffer(size), size);
    text.ReleaseBufferSetLength(size);
    return true;
}
