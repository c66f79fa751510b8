// What recpack-inspect tells about a record: an ordered tree of named values, written as
// aligned text lines or as one JSON object.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace recpack::inspect {

// Where a report is written, piece by piece.
using Write = std::function<void(std::string_view)>;

// A column of a table: its name, and the hexadecimal digits its values are shown with in
// text (0 for decimal).
struct Column {
    std::string name;
    int hexDigits;
};

// Calls its argument once per row, in order, with one value per column.
using RowSource = std::function<void(const std::function<void(const std::vector<std::uint64_t>&)>&)>;

class Node {
public:
    enum class Kind { number, hex, text, date, flags, object, array, table };

    static Node number(std::uint64_t value);
    static Node hex(std::uint64_t value, int digits);
    static Node text(std::string_view bytes);
    // A stored date: seconds since 1904-01-01 plus 86, shown with the UTC time it stands for.
    static Node date(std::uint32_t raw);
    static Node flags(std::uint8_t value, std::vector<std::string> names);
    static Node object();
    static Node array();
    // An array of objects with the same numeric members, whose rows are produced only while
    // the report is written, so that a long table is never held in memory.
    static Node table(std::vector<Column> columns, std::uint64_t rows, RowSource source);

    // Adds a member to an object; returns the node added.
    Node& add(std::string key, Node value);
    // Adds an item to an array; returns the node added.
    Node& append(Node value);

    // One field a line, the values aligned.
    void writeText(const Write& write) const;
    // One JSON object on one line.
    void writeJson(const Write& write) const;

private:
    explicit Node(Kind kind) : kind_(kind) {}
    [[nodiscard]] std::size_t widestPath(std::size_t prefix) const;
    void writeLines(const std::string& path, std::size_t width, const Write& write) const;
    [[nodiscard]] std::string leafText() const;

    Kind kind_;
    std::uint64_t number_ = 0;
    int digits_ = 0;
    std::string bytes_;
    std::vector<std::string> names_;
    std::vector<std::pair<std::string, Node>> members_;
    std::vector<Node> items_;
    std::vector<Column> columns_;
    RowSource rows_;
};

// The UTC date and time that a stored date stands for, as "YYYY-MM-DD HH:MM:SS".
std::string utcTimeOf(std::uint32_t raw);

}  // namespace recpack::inspect
