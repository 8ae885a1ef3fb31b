#include "notesdb/ByteCodec.h"

#include <gtest/gtest.h>

namespace notesdb {
namespace {

using Encoding = ByteCodec::Encoding;

TEST(ByteCodecTest, Base64RoundTripsEveryLength) {
    std::string bytes;
    for (int i = 0; i < 70; ++i) {
        const std::string encoded = ByteCodec::EncodeBase64(bytes);
        ASSERT_EQ(ByteCodec::DecodedSize(Encoding::Base64, encoded), bytes.size());
        EXPECT_EQ(ByteCodec::Decode(Encoding::Base64, encoded), bytes);
        bytes += static_cast<char>(i * 37 + 200);
    }
}

TEST(ByteCodecTest, AcceptsLineBreaksAndMissingPaddingRejectsGarbage) {
    EXPECT_EQ(ByteCodec::Decode(Encoding::Base64, "SGVs\n  bG8=\r\n"), "Hello");
    EXPECT_EQ(ByteCodec::Decode(Encoding::Base64, "SGVsbG8"), "Hello");
    EXPECT_EQ(ByteCodec::Decode(Encoding::Hex, "48 65 6c 6C 6f"), "Hello");
    for (const char* bad : {"SGVsbG8*", "S", "SGVsbG8=A", "SGVsbG9=", "SG===", "SGVsbA=x="})
        EXPECT_FALSE(ByteCodec::DecodedSize(Encoding::Base64, bad)) << bad;
    for (const char* bad : {"486", "4G"}) EXPECT_FALSE(ByteCodec::DecodedSize(Encoding::Hex, bad)) << bad;
}

}  // namespace
}  // namespace notesdb
