#include "support/scratch_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace recpack::testing {

ScratchDir::ScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "recpack-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = buffer.data();
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void ScratchDir::write(std::string_view name, std::string_view bytes) const
{
    writeFile(path_ / name, bytes);
}

std::string ScratchDir::read(std::string_view name) const
{
    return readFile(path_ / name);
}

bool ScratchDir::exists(std::string_view name) const
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path_ / name, ignored));
}

void writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string hex(std::string_view pairs)
{
    std::string bytes;
    int high = -1;
    for (char c : pairs) {
        if (c == ' ' || c == '\n') {
            continue;
        }
        const int digit = std::stoi(std::string(1, c), nullptr, 16);
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<char>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0) {
        throw std::invalid_argument("odd number of hex digits");
    }
    return bytes;
}

}  // namespace recpack::testing
