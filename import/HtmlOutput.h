// CHtmlOutput: the bytes of an HTML file in UTF-8, gathered in a 64 KiB buffer and handed to a
// byte sink in large writes. Texts of the program are converted from the code page and escaped
// on the way; markup is written as given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/ByteStream.h"
#include "store/TextConv.h"

class CHtmlOutput {
public:
    static constexpr std::size_t bufferSize = 65536;

    CHtmlOutput(CByteSink& sink, const CTextConv& conv) : m_sink(sink), m_conv(conv) {}
    CHtmlOutput(const CHtmlOutput&) = delete;
    CHtmlOutput& operator=(const CHtmlOutput&) = delete;

    // Markup, as it is.
    void Markup(std::string_view bytes);
    void Indent(std::size_t levels);
    void Number(std::uint64_t value);
    // A text of the program: '&', '<', '>' and '"' become references.
    void Text(std::string_view ansi) { Escaped(ansi, false); }
    // The same, with each line break (CR LF, CR or LF) written as "<BR>".
    void Lines(std::string_view ansi) { Escaped(ansi, true); }
    // Passes the buffered bytes to the sink and flushes it; false when any write failed.
    bool Flush();

private:
    void Escaped(std::string_view text, bool lines);
    // Escapes UTF-8 (or ASCII) bytes up to the end or, when `stopHigh`, the first byte above
    // 0x7F; returns how many were taken.
    std::size_t EscapeRun(std::string_view text, bool lines, bool stopHigh);
    void Drain();

    CByteSink& m_sink;
    const CTextConv& m_conv;
    std::size_t m_used = 0;
    std::u16string m_wide;  // scratch for texts outside ASCII
    std::string m_utf8;
    char m_buffer[bufferSize];
};
