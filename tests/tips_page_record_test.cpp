// Building the tips page header and string area: a pure function of the option values.
#include "packers/tips_page_record.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

namespace recpack {
namespace {

using testing::hex;

TEST(TipsPageHeader, NoOptionalValuesGiveTwelveZeroBytes)
{
    EXPECT_EQ(buildTipsPagePrefix({}), std::string(12, '\0'));
}

TEST(TipsPageHeader, LocatesTheStringsInTheirOwnOrder)
{
    const TipsPage page{.next = "N", .prev = "PP", .status = "SSS", .menu = "MMMM", .done = "1", .nav = "1"};
    EXPECT_EQ(buildTipsPagePrefix(page), hex("00 FC 09 00 05 00 00 00 02 00 0E 00"
                                             "4E 00 50 50 00 53 53 53 00 4D 4D 4D 4D 00"));
    EXPECT_EQ(stringAreaLength(page), 14U);
}

TEST(TipsPageHeader, TheFirstStoredStringTakesOffsetZero)
{
    const TipsPage menuOnly{.menu = "MMMM", .base = "x"};
    EXPECT_EQ(buildTipsPagePrefix(menuOnly), hex("00 12 00 00 00 00 00 00 00 00 05 00 4D 4D 4D 4D 00"));
    const TipsPage emptyNext{.next = "", .prev = "P", .status = "S"};
    EXPECT_EQ(buildTipsPagePrefix(emptyNext), hex("00 60 00 00 02 00 00 00 00 00 04 00 50 00 53 00"));
}

TEST(TipsPageHeader, FlagsAreSetByAnyNonEmptyValue)
{
    const TipsPage all{.next = "n", .prev = "p", .status = "s", .menu = "m", .done = "0", .nav = "0", .base = "no"};
    EXPECT_EQ(buildTipsPageHeader(all).flags, 0xFE);
    EXPECT_EQ(buildTipsPageHeader({.nav = "0"}).flags, 0x04);
    EXPECT_EQ(buildTipsPageHeader({.done = "yes"}).flags, 0x08);
    EXPECT_EQ(buildTipsPageHeader({.nav = ""}).flags, 0x00);
}

}  // namespace
}  // namespace recpack
