// Building the sound database header and record list entries: pure functions of the name,
// the record count and the time.
#include "packers/sound_database.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace recpack {
namespace {

using testing::hex;

std::string headerBytes(std::string_view name, std::uint32_t records, std::int64_t time)
{
    return std::string(bytesOf(buildSoundDatabaseHeader(name, records, time)));
}

TEST(SoundDatabaseHeader, MatchesTheFormatByteForByte)
{
    EXPECT_EQ(headerBytes("a.wav", 1, 0), hex("61 2E 77 61 76") + std::string(27, '\0') +
                                              hex("0000 0000"                 // attributes, version
                                                  "7C25B0D6 7C25B0D6"         // creation, modification
                                                  "00000000 00000000"         // last backup, modification number
                                                  "00000000 00000000"         // app info, sort info
                                                  "64617461 68574156"         // data, hWAV
                                                  "00000000 00000000 0001"));  // seed, next list, count
}

TEST(SoundDatabaseHeader, StoresTheDateOfTheGivenTime)
{
    struct Case {
        std::int64_t time;
        std::string date;
    };
    for (const Case& c : {Case{0, hex("7C25B0D6")}, Case{1000000000, hex("B7C07AD6")},
                          // The sum wraps past 2^32.
                          Case{4294967296LL - 2082844886 + 5, hex("00000005")},
                          Case{4294967296LL - 2082844886 - 1, hex("FFFFFFFF")}}) {
        const std::string header = headerBytes("x", 1, c.time);
        EXPECT_EQ(header.substr(36, 4), c.date) << c.time;
        EXPECT_EQ(header.substr(40, 4), c.date) << c.time;
    }
}

TEST(SoundDatabaseHeader, NameFieldHoldsThirtyOneBytesAndAZero)
{
    const std::string name(31, 'N');
    const std::string header = headerBytes(name, 2, 0);
    EXPECT_EQ(header.substr(0, 32), name + std::string(1, '\0'));
    EXPECT_EQ(header.substr(76, 2), hex("0002"));
}

TEST(SoundDatabase, RecordCountIsTheQuotientPlusOne)
{
    EXPECT_EQ(recordCount(0), 1U);
    EXPECT_EQ(recordCount(65279), 1U);
    EXPECT_EQ(recordCount(65280), 2U);
    EXPECT_EQ(recordCount(65281), 2U);
    EXPECT_EQ(recordCount(kMaxWaveInputBytes), 65535U);
    EXPECT_EQ(kMaxWaveInputBytes, 4278124799U);
}

TEST(RecordListEntry, LocatesEachRecordAfterTheList)
{
    EXPECT_EQ(std::string(bytesOf(buildRecordListEntry(1, 0))), hex("00000056 406F8000"));
    EXPECT_EQ(std::string(bytesOf(buildRecordListEntry(2, 0))), hex("0000005E 406F8000"));
    EXPECT_EQ(std::string(bytesOf(buildRecordListEntry(2, 1))), hex("0000FF5E 406F8001"));
    // The last entry of the largest database: 78 + 8 * 65535 + 65280 * 65534.
    EXPECT_EQ(std::string(bytesOf(buildRecordListEntry(65535, 65534))), hex("FF060246 40707FFE"));
}

}  // namespace
}  // namespace recpack
