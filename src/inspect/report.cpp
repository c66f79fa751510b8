#include "inspect/report.h"

#include "packers/sound_database.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>

namespace recpack::inspect {
namespace {

// Bytes as a quoted, printable string: control bytes and bytes above 0x7E as \xNN.
std::string quoted(std::string_view bytes)
{
    std::string out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            std::array<char, 5> escape{};
            std::snprintf(escape.data(), escape.size(), "\\x%02X", byte);
            out += escape.data();
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The length of a valid UTF-8 sequence starting at bytes[at], or 0.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0FU;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07U;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0U) != 0x80U) {
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3FU);
    }
    const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool invalid = codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF);
    return overlong || invalid ? 0 : length;
}

// A JSON string. Valid UTF-8 passes through; any other byte b stands as the code point
// U+00b, so that every byte string gives valid JSON.
void writeJsonString(std::string& out, std::string_view bytes)
{
    out += '"';
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
            ++i;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += static_cast<char>(byte);
            ++i;
        } else if (const std::size_t length = byte >= 0x80 ? utf8SequenceLength(bytes, i) : 0; length > 0) {
            out.append(bytes.substr(i, length));
            i += length;
        } else {
            std::array<char, 7> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04X", byte);
            out += escape.data();
            ++i;
        }
    }
    out += '"';
}

}  // namespace

std::string utcTimeOf(std::uint32_t raw)
{
    const std::time_t unixTime = static_cast<std::time_t>(raw) - static_cast<std::time_t>(kDateOffset);
    std::tm parts{};
    std::array<char, 32> formatted{};
    if (::gmtime_r(&unixTime, &parts) == nullptr ||
        std::strftime(formatted.data(), formatted.size(), "%Y-%m-%d %H:%M:%S", &parts) == 0) {
        return "?";
    }
    return formatted.data();
}

Node Node::number(std::uint64_t value)
{
    Node node(Kind::number);
    node.number_ = value;
    return node;
}

Node Node::hex(std::uint64_t value, int digits)
{
    Node node(Kind::hex);
    node.number_ = value;
    node.digits_ = digits;
    return node;
}

Node Node::text(std::string_view bytes)
{
    Node node(Kind::text);
    node.bytes_ = bytes;
    return node;
}

Node Node::date(std::uint32_t raw)
{
    Node node(Kind::date);
    node.number_ = raw;
    return node;
}

Node Node::flags(std::uint8_t value, std::vector<std::string> names)
{
    Node node(Kind::flags);
    node.number_ = value;
    node.names_ = std::move(names);
    return node;
}

Node Node::object()
{
    return Node(Kind::object);
}

Node Node::array()
{
    return Node(Kind::array);
}

Node& Node::add(std::string key, Node value)
{
    members_.emplace_back(std::move(key), std::move(value));
    return members_.back().second;
}

Node& Node::append(Node value)
{
    items_.push_back(std::move(value));
    return items_.back();
}

std::string Node::leafText() const
{
    switch (kind_) {
    case Kind::number:
        return std::to_string(number_);
    case Kind::hex: {
        std::array<char, 24> digits{};
        std::snprintf(digits.data(), digits.size(), "0x%0*llX", digits_, static_cast<unsigned long long>(number_));
        return digits.data();
    }
    case Kind::text:
        return quoted(bytes_);
    case Kind::date:
        return std::to_string(number_) + " (" + utcTimeOf(static_cast<std::uint32_t>(number_)) + " UTC)";
    case Kind::flags: {
        std::string shown = Node::hex(number_, 2).leafText() + " (";
        for (std::size_t i = 0; i < names_.size(); ++i) {
            shown += i > 0 ? " " : "";
            shown += names_[i];
        }
        return shown + ")";
    }
    default:
        return {};
    }
}

Node Node::table(std::vector<Column> columns, std::uint64_t rows, RowSource source)
{
    Node node(Kind::table);
    node.columns_ = std::move(columns);
    node.number_ = rows;
    node.rows_ = std::move(source);
    return node;
}

std::size_t Node::widestPath(std::size_t prefix) const
{
    std::size_t widest = prefix;
    if (kind_ == Kind::object) {
        for (const auto& [key, member] : members_) {
            widest = std::max(widest, member.widestPath(prefix + (prefix > 0 ? 1 : 0) + key.size()));
        }
    } else if (kind_ == Kind::array) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            widest = std::max(widest, items_[i].widestPath(prefix + std::to_string(i).size() + 2));
        }
    } else if (kind_ == Kind::table && number_ > 0) {
        for (const Column& column : columns_) {
            widest = std::max(widest, prefix + std::to_string(number_ - 1).size() + 3 + column.name.size());
        }
    }
    return widest;
}

void Node::writeLines(const std::string& path, std::size_t width, const Write& write) const
{
    const auto line = [&](const std::string& at, const std::string& value) {
        write(at);
        write(std::string(width + 2 - at.size(), ' '));
        write(value);
        write("\n");
    };
    if (kind_ == Kind::object) {
        for (const auto& [key, member] : members_) {
            std::string memberPath = path;
            if (!memberPath.empty()) {
                memberPath += '.';
            }
            memberPath += key;
            member.writeLines(memberPath, width, write);
        }
    } else if (kind_ == Kind::array) {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            items_[i].writeLines(path + "[" + std::to_string(i) + "]", width, write);
        }
    } else if (kind_ == Kind::table) {
        std::uint64_t row = 0;
        rows_([&](const std::vector<std::uint64_t>& values) {
            const std::string rowPath = path + "[" + std::to_string(row++) + "].";
            for (std::size_t c = 0; c < columns_.size(); ++c) {
                const Node value = columns_[c].hexDigits > 0 ? Node::hex(values[c], columns_[c].hexDigits)
                                                             : Node::number(values[c]);
                line(rowPath + columns_[c].name, value.leafText());
            }
        });
    } else {
        line(path, leafText());
    }
}

void Node::writeText(const Write& write) const
{
    writeLines("", widestPath(0), write);
}

void Node::writeJson(const Write& write) const
{
    std::string piece;
    switch (kind_) {
    case Kind::number:
    case Kind::hex:
        write(std::to_string(number_));
        break;
    case Kind::text:
        writeJsonString(piece, bytes_);
        write(piece);
        break;
    case Kind::date:
        piece = "{\"raw\": " + std::to_string(number_) + ", \"utc\": ";
        writeJsonString(piece, utcTimeOf(static_cast<std::uint32_t>(number_)));
        write(piece + "}");
        break;
    case Kind::flags:
        piece = "{\"value\": " + std::to_string(number_) + ", \"set\": [";
        for (std::size_t i = 0; i < names_.size(); ++i) {
            piece += i > 0 ? ", " : "";
            writeJsonString(piece, names_[i]);
        }
        write(piece + "]}");
        break;
    case Kind::object:
        write("{");
        for (std::size_t i = 0; i < members_.size(); ++i) {
            piece.clear();
            piece += i > 0 ? ", " : "";
            writeJsonString(piece, members_[i].first);
            write(piece + ": ");
            members_[i].second.writeJson(write);
        }
        write("}");
        break;
    case Kind::array:
        write("[");
        for (std::size_t i = 0; i < items_.size(); ++i) {
            write(i > 0 ? ", " : "");
            items_[i].writeJson(write);
        }
        write("]");
        break;
    case Kind::table: {
        write("[");
        bool first = true;
        rows_([&](const std::vector<std::uint64_t>& values) {
            std::string row = first ? "{" : ", {";
            first = false;
            for (std::size_t c = 0; c < columns_.size(); ++c) {
                row += c > 0 ? ", " : "";
                writeJsonString(row, columns_[c].name);
                row += ": " + std::to_string(values[c]);
            }
            write(row + "}");
        });
        write("]");
        break;
    }
    }
}

}  // namespace recpack::inspect
