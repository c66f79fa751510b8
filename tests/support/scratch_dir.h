// A temporary directory for one test, removed with everything in it when the test ends,
// and the file helpers the end-to-end tests use on it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace recpack::testing {

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    void write(std::string_view name, std::string_view bytes) const;
    [[nodiscard]] std::string read(std::string_view name) const;
    [[nodiscard]] bool exists(std::string_view name) const;

private:
    std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& path, std::string_view bytes);
std::string readFile(const std::filesystem::path& path);

// Bytes from hexadecimal pairs, spaces ignored: hex("50 4D 72 63") is "PMrc".
std::string hex(std::string_view pairs);

}  // namespace recpack::testing
