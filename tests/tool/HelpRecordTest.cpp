// The byte format of the root-window record shared with the help viewer.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "help/HelpRecord.hpp"

namespace {

std::int32_t word_at(const HelpRecord::Bytes& bytes, std::size_t offset)
{
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

TEST(HelpRecord, LayoutOfOneRecordAndItsDecoding)
{
    const HelpRecord::Bytes bytes = HelpRecord(67890, 0x1234567, "-c 1290 /x/qv_help.hlp\n").encode();
    ASSERT_EQ(bytes.size(), 1056u);
    EXPECT_EQ(word_at(bytes, 0), 67890);
    EXPECT_EQ(word_at(bytes, 4), 0);
    EXPECT_EQ(word_at(bytes, 8), 0x1234567);
    for (std::size_t i = 12; i < 32; ++i)
        EXPECT_EQ(bytes[i], 0) << "byte " << i;
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes.data() + 32), "-c 1290 /x/qv_help.hlp\n");

    const HelpRecord back = HelpRecord::decode(bytes.data());
    EXPECT_EQ(back.key, 67890);
    EXPECT_EQ(back.window, 0x1234567u);
    EXPECT_EQ(back.command, "-c 1290 /x/qv_help.hlp\n");
}

TEST(HelpRecord, LongCommandIsCutAndStaysTerminated)
{
    const HelpRecord::Bytes bytes = HelpRecord(1, 0, std::string(2000, 'x')).encode();
    EXPECT_EQ(bytes[1055], 0);
    EXPECT_EQ(HelpRecord::decode(bytes.data()).command.size(), 1023u);
}

TEST(HelpRecord, FindsTheFirstWholeRecordWithTheKey)
{
    std::vector<unsigned char> property;
    for (const HelpRecord& record : {HelpRecord(11, 1, "a"), HelpRecord(67890, 2, "b"), HelpRecord(67890, 3, "c")}) {
        const HelpRecord::Bytes bytes = record.encode();
        property.insert(property.end(), bytes.begin(), bytes.end());
    }
    EXPECT_EQ(HelpRecord::find(property, 67890), 1);
    EXPECT_EQ(HelpRecord::find(property, 11), 0);
    EXPECT_EQ(HelpRecord::find(property, 5), -1);
    EXPECT_EQ(HelpRecord::find({}, 67890), -1);
    property.resize(1056 + 100);  // the key's record cut short
    EXPECT_EQ(HelpRecord::find(property, 67890), -1);
}

}  // namespace
