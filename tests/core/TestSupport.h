// Shared by the native and the Wine tests (portable, without GoogleTest): a temporary folder per
// test, whole files, data-file bytes built piece by piece, tables written as text, tight texts.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "store/ByteStream.h"
#include "store/DataFile.h"

// A folder of its own under the system's temporary folder, removed with its files at the end.
class CTempFolder {
public:
    CTempFolder() {
        std::random_device random;
        while (m_path.empty()) {
            const auto path = std::filesystem::temp_directory_path() /
                              ("veltrim-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(path)) m_path = path.string();
        }
    }
    ~CTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const {
        return (std::filesystem::path(m_path) / name).string();
    }
    // The names of the files in the folder, sorted.
    std::vector<std::string> List() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string m_path;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}
inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
inline bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

// Pieces of a data file: a little-endian integer, a text with a one-byte length (below 255), a
// date-time (status, then the day number), and bytes given as hex pairs.
inline std::string Int32(std::int32_t value) {
    std::string bytes;
    CMemorySink(bytes).WriteInt32(value);
    return bytes;
}
inline std::string Text(const std::string& text) {
    return static_cast<char>(text.size()) + text;
}
inline std::string Stamp(std::int32_t status, double value) {
    std::string bytes = Int32(status);
    CMemorySink(bytes).WriteDouble(value);
    return bytes;
}
inline std::string FromHex(const char* hex) {
    std::string bytes;
    std::istringstream in(hex);
    for (unsigned value; in >> std::hex >> value;) bytes += static_cast<char>(value);
    return bytes;
}
inline std::string ToHex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) hex += {digits[c >> 4], digits[c & 15], ' '};
    return hex;
}
inline std::string Written(const CLinkList& list) {
    std::string bytes;
    CMemorySink sink(bytes);
    CDataFile::WriteBody(sink, list);
    return bytes;
}

// A data file of `count` records "Title i", "http://example.com/i", "Line one i" CR LF "Line two",
// in Tools and News by turns, added on 1 January 2026 + i and modified at noon; version 1 has no
// Modified.
inline std::string MakeDataFileBytes(int count, int version = 2) {
    std::string bytes =
        Int32(version) + Int32(3) + Text("News") + Text("Tools") + Text("LAST") + Int32(count);
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        bytes += Text("Title " + n) + Text("http://example.com/" + n) +
                 Text("Line one " + n + "\r\nLine two") + Text(i % 2 ? "News" : "Tools") +
                 Stamp(0, 46023.0 + i) + (version == 1 ? "" : Stamp(0, 46023.5 + i));
    }
    return bytes;
}
inline void WriteDataFile(const std::string& path, int count) {
    WriteFileBytes(path, MakeDataFileBytes(count));
}
inline void WriteDataFile(const std::string& path, const CLinkList& list) {
    WriteFileBytes(path, Written(list));
}

// A table written as one text, its rows apart by ';' and the fields of a row by '|'.
inline std::vector<std::string> Split(const std::string& text, char separator = '|') {
    std::vector<std::string> fields(1);
    for (const char c : text) c == separator ? fields.emplace_back() : fields.back() += c;
    return fields;
}

// A copy of a text in a heap block of exactly its size, with no terminating zero, so that the
// address sanitizer reports any read past the end of its view.
class CTightText {
public:
    explicit CTightText(std::string_view text)
        : m_bytes(new char[text.size()]), m_size(text.size()) {
        std::copy(text.begin(), text.end(), m_bytes.get());
    }
    std::string_view view() const { return std::string_view(m_bytes.get(), m_size); }

private:
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size;
};
