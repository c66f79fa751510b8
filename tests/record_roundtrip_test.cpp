// Property: for random inputs and option values, reading each record back by its format
// recovers the exact input bytes, the name and the strings. The readers here are written
// from the format tables alone, independently of the code that builds the records.
#include "support/process_runner.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace recpack::testing {
namespace {

class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}

    std::size_t below(std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound - 1)(engine_); }

    // Bytes 1 to 255: a command-line argument holds no 0 byte.
    std::string argument(std::size_t maxLength)
    {
        std::string text(below(maxLength + 1), '\0');
        for (char& c : text) {
            c = static_cast<char>(1 + below(255));
        }
        return text;
    }

    std::string fileName(std::size_t maxLength)
    {
        static const std::string alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._";
        std::string name(1 + below(maxLength), '\0');
        for (char& c : name) {
            c = alphabet[below(alphabet.size())];
        }
        return name;
    }

    std::string bytes(std::size_t size)
    {
        std::string data(size, '\0');
        for (char& c : data) {
            c = static_cast<char>(below(256));
        }
        return data;
    }

private:
    std::mt19937 engine_;
};

std::uint32_t bigEndian(const std::string& bytes, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

std::uint32_t littleEndian16(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes.at(at)) | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(at + 1))) << 8;
}

std::string zeroTerminated(const std::string& bytes, std::size_t at)
{
    const std::size_t end = bytes.find('\0', at);
    EXPECT_NE(end, std::string::npos) << "no terminator after offset " << at;
    return bytes.substr(at, end - at);
}

std::vector<std::size_t> inputSizes(Random& random)
{
    return {0, 1, 65279, 65280, 65281, 2 * 65280, random.below(4 << 20), random.below(4 << 20)};
}

TEST(RecordRoundTrip, MidiRecordsGiveBackNameAndData)
{
    Random random(20261211);
    for (const std::size_t size : inputSizes(random)) {
        ScratchDir dir;
        const std::string data = random.bytes(size);
        const std::string name = random.argument(248);
        dir.write("in.mid", data);
        ASSERT_EQ(run({"-type", "midi", "-name", name, "-midFile", "in.mid", "-o", "out.rec"}, dir.path()).exitCode, 0);

        const std::string record = dir.read("out.rec");
        ASSERT_GE(record.size(), 7U);
        EXPECT_EQ(record.substr(0, 4), "PMrc");
        EXPECT_EQ(record[5], '\0');
        EXPECT_EQ(zeroTerminated(record, 6), name);
        const std::size_t dataOffset = static_cast<unsigned char>(record[4]);
        EXPECT_EQ(dataOffset, 7 + name.size());
        EXPECT_EQ(record.substr(dataOffset), data) << "input of " << size << " bytes";
    }
}

TEST(RecordRoundTrip, SoundDatabasesGiveBackNameAndData)
{
    Random random(65280);
    for (const std::size_t size : inputSizes(random)) {
        ScratchDir dir;
        const std::string data = random.bytes(size);
        const std::string name = random.fileName(31);
        dir.write(name, data);
        ASSERT_EQ(run({"-type", "wave", "-file", name, "-o", "out.pdb"}, dir.path()).exitCode, 0);

        const std::string file = dir.read("out.pdb");
        ASSERT_GE(file.size(), 86U);
        EXPECT_EQ(zeroTerminated(file, 0), name);
        EXPECT_EQ(file.substr(60, 8), "datahWAV");
        const std::uint32_t records = bigEndian(file, 76, 2);
        EXPECT_EQ(records, size / 65280 + 1);
        std::string recovered;
        for (std::uint32_t i = 0; i < records; ++i) {
            const std::size_t entry = 78 + 8 * i;
            const std::size_t begin = bigEndian(file, entry, 4);
            const std::size_t end = i + 1 < records ? bigEndian(file, entry + 8, 4) : file.size();
            EXPECT_EQ(static_cast<unsigned char>(file[entry + 4]), 0x40);
            EXPECT_EQ(bigEndian(file, entry + 5, 3), 0x6F8000 + i);
            ASSERT_LE(begin, end);
            EXPECT_LE(end - begin, 65280U);
            recovered += file.substr(begin, end - begin);
        }
        EXPECT_EQ(bigEndian(file, 78, 4), 78 + 8 * records);
        EXPECT_EQ(recovered, data) << "input of " << size << " bytes";
    }
}

TEST(RecordRoundTrip, TipsPagesGiveBackStringsFlagsAndContent)
{
    Random random(402);
    for (const std::size_t size : inputSizes(random)) {
        ScratchDir dir;
        const std::string content = random.bytes(size);
        dir.write("page.html", content);
        struct Stored {
            const char* option;
            std::uint8_t flag;
            std::size_t offsetField;
            std::string value;
        };
        std::vector<Stored> strings = {{"-next", 0x80, 6, ""}, {"-prev", 0x40, 8, ""},
                                       {"-status", 0x20, 4, ""}, {"-menu", 0x10, 2, ""}};
        std::vector<std::string> arguments = {"-type", "tips", "-content", "page.html", "-o", "page.rec"};
        unsigned expectedFlags = 0;
        for (Stored& stored : strings) {
            stored.value = random.below(3) == 0 ? "" : random.argument(300);
            arguments.insert(arguments.end(), {stored.option, stored.value});
            expectedFlags |= stored.value.empty() ? 0U : stored.flag;
        }
        for (const auto& [option, flag] : {std::pair{"-done", 0x08}, std::pair{"-nav", 0x04}, std::pair{"-base", 0x02}}) {
            const std::string value = random.below(2) == 0 ? "" : random.argument(3);
            arguments.insert(arguments.end(), {option, value});
            expectedFlags |= value.empty() ? 0U : static_cast<unsigned>(flag);
        }
        ASSERT_EQ(run(arguments, dir.path()).exitCode, 0);

        const std::string record = dir.read("page.rec");
        ASSERT_GE(record.size(), 12U);
        EXPECT_EQ(record[0], '\0');
        EXPECT_EQ(static_cast<unsigned char>(record[1]), expectedFlags);
        const std::size_t areaLength = littleEndian16(record, 10);
        const std::string area = record.substr(12, areaLength);
        std::size_t expectedLength = 0;
        for (const Stored& stored : strings) {
            const std::size_t offset = littleEndian16(record, stored.offsetField);
            if (stored.value.empty()) {
                EXPECT_EQ(offset, 0U);
                continue;
            }
            EXPECT_EQ(zeroTerminated(area, offset), stored.value) << stored.option;
            expectedLength += stored.value.size() + 1;
        }
        EXPECT_EQ(areaLength, expectedLength);
        EXPECT_EQ(record.substr(12 + areaLength), content) << "content of " << size << " bytes";
    }
}

}  // namespace
}  // namespace recpack::testing
