#include "frontend/option_table.h"

#include <gtest/gtest.h>

namespace recpack {
namespace {

TEST(OptionTable, LastValueWinsAndEmptyValuesArePresent)
{
    OptionTable table;
    table.store("-o", "first");
    table.store("-o", "second");
    table.store("-name", "");
    EXPECT_EQ(table.valueOf("-o"), "second");
    EXPECT_TRUE(table.contains("-name"));
    EXPECT_EQ(table.valueOf("-name"), "");
}

TEST(OptionTable, NamesAreWholeByteStrings)
{
    OptionTable table;
    table.store("", "empty name");
    table.store("-\xff", "high byte");
    table.store("-\x01", "low byte");
    EXPECT_EQ(table.valueOf(""), "empty name");
    EXPECT_EQ(table.valueOf("-\xff"), "high byte");
    EXPECT_EQ(table.valueOf("-\x01"), "low byte");
    EXPECT_FALSE(table.contains("-Type"));
    EXPECT_FALSE(table.contains("-"));
}

TEST(OptionTable, LookingUpAnAbsentNameAddsNothing)
{
    OptionTable table;
    EXPECT_EQ(table.valueOf("-menu"), "");
    EXPECT_FALSE(table.contains("-menu"));
}

}  // namespace
}  // namespace recpack
