// The packers' files: opening the output and the input with their failure messages, the
// same-file guard, and streaming the input behind the packer's own bytes in constant memory.
// Every failure ends the run through fatalError, naming the path as the user gave it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace recpack {

class InputFile {
public:
    InputFile(int fd, std::string_view path) : fd_(fd), path_(path) {}
    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&&) = delete;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // Reads up to size bytes; 0 at the input's end. A read error ends the run.
    std::size_t read(void* buffer, std::size_t size);
    void close();

    [[nodiscard]] int fd() const { return fd_; }
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

class OutputFile {
public:
    OutputFile(int fd, std::string_view path) : fd_(fd), path_(path) {}
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // Writes every byte or ends the run.
    void write(std::string_view bytes);
    // Closes the file; a failed close (data that never reached the disk) ends the run.
    void close();

    [[nodiscard]] int fd() const { return fd_; }
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    int fd_;
    std::string path_;
};

// Ends the run when both paths name one existing regular file (by device and inode), before
// the output would be emptied and the input lost with it.
void refuseSameFile(std::string_view inputPath, std::string_view outputPath);

// Creates the file, or empties an existing one.
OutputFile openOutputFile(std::string_view path);
// Opens the file for reading at its first byte; a directory counts as a file that can't be opened.
InputFile openInputFile(std::string_view path);

// Appends the rest of the input to the output.
void copyToEnd(InputFile& input, OutputFile& output);
// Appends at most limit bytes of the input; returns how many were copied.
std::uint64_t copyAtMost(InputFile& input, OutputFile& output, std::uint64_t limit);
// Reads the input to its end and returns its length, or stops and returns as soon as the
// count exceeds limit.
std::uint64_t measureToEnd(InputFile& input, std::uint64_t limit);
// The size the file system gives for a regular file; 0 for anything else.
std::uint64_t statedSize(const InputFile& input);
// True when the input has no byte left.
bool atEnd(InputFile& input);

}  // namespace recpack
