// What recpack-inspect tells about a record: an ordered tree of named values, written as
// aligned text lines or as one JSON object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace recpack::inspect {

class Node {
public:
    enum class Kind { number, hex, text, date, flags, object, array };

    static Node number(std::uint64_t value);
    static Node hex(std::uint64_t value, int digits);
    static Node text(std::string_view bytes);
    // A stored date: seconds since 1904-01-01 plus 86, shown with the UTC time it stands for.
    static Node date(std::uint32_t raw);
    static Node flags(std::uint8_t value, std::vector<std::string> names);
    static Node object();
    static Node array();

    // Adds a member to an object; returns the node added.
    Node& add(std::string key, Node value);
    // Adds an item to an array; returns the node added.
    Node& append(Node value);

    [[nodiscard]] std::string toText() const;
    [[nodiscard]] std::string toJson() const;

private:
    explicit Node(Kind kind) : kind_(kind) {}
    void collectLines(const std::string& path, std::vector<std::pair<std::string, std::string>>& lines) const;
    void writeJson(std::string& out) const;
    [[nodiscard]] std::string leafText() const;

    Kind kind_;
    std::uint64_t number_ = 0;
    int digits_ = 0;
    std::string bytes_;
    std::vector<std::string> names_;
    std::vector<std::pair<std::string, Node>> members_;
    std::vector<Node> items_;
};

// The UTC date and time that a stored date stands for, as "YYYY-MM-DD HH:MM:SS".
std::string utcTimeOf(std::uint32_t raw);

}  // namespace recpack::inspect
