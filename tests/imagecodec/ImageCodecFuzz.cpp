// Any bytes through every reader of stored images: no reader may read past
// its bytes, and what a reader accepts holds together.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "imagecodec/BitmapRecordReader.h"
#include "imagecodec/BmpFile.h"
#include "imagecodec/IconFile.h"
#include "imagecodec/IconGroupDirectory.h"
#include "imagecodec/LetterBlock.h"
#include "imagecodec/ToolBarResource.h"

using namespace imagecodec;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    if (const auto bmp = BmpFile::Parse(bytes); bmp && bmp->pixels.size() != bmp->header.PixelBytes()) std::abort();
    for (int width : {0, 16, 32})
        if (const auto icon = IconFile::FindAlphaImage(bytes, width);
            icon && icon->pixels.size() != icon->header.AlphaBytes())
            std::abort();
    if (const auto icon = AlphaIconImage::Parse(bytes); icon && icon->header.bitCount != 32) std::abort();
    IconGroupDirectory::Parse(bytes);
    ToolBarResource::Parse(bytes);

    MemoryByteSource source(bytes);
    std::optional<BitmapRecord> record;
    while (BitmapRecordReader::Read(source, record) && record && source.Left())
        if (record->bits.size() != record->header.AlphaBytes()) std::abort();

    std::u16string text(size / 2, u'A');
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    if (const auto decoded = LetterBlock::Decode(text);
        decoded && LetterBlock::Decode(LetterBlock::Encode(decoded->data(), decoded->size())) != decoded)
        std::abort();
    return 0;
}
