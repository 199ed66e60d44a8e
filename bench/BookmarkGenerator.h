// Bookmark files as browsers export them, for the benchmarks of the reader: titles of 20 to 60
// bytes (some with "&amp;" or UTF-8 letters), addresses with queries, an ICON data URL of 200 to
// 2,000 bytes on every third link, and folders nested up to five deep. The same file for the same
// count on every run.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "bench/RecordGenerator.h"

namespace bench {

inline std::string GenerateBookmarkFile(std::size_t links) {
    constexpr std::size_t maxDepth = 5;
    static const char kBase64[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    CGenerator random;
    std::vector<std::string> icons(16);
    for (std::string& icon : icons) {
        icon = "data:image/png;base64,iVBORw0KGgo";
        for (std::size_t n = 200 + random.Below(1800); n > 0; --n)
            icon += kBase64[random.Below(64)];
    }
    std::string file =
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- This is an automatically generated file.\n"
        "     It will be read and overwritten.\n     DO NOT EDIT! -->\n"
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
        "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n";
    file.reserve(links * 500);
    std::size_t depth = 0;
    const auto indent = [&] { file.append(4 * (depth + 1), ' '); };
    for (std::size_t i = 0; i < links; ++i) {
        if (depth > 0 && random.Below(25) == 0) {
            --depth;
            indent();
            file += "</DL><p>\n";
        } else if (depth < maxDepth && random.Below(20) == 0) {
            indent();
            file += "<DT><H3 ADD_DATE=\"1700000000\" LAST_MODIFIED=\"1700000500\">" +
                    random.Words(8 + random.Below(16)) + "</H3>\n";
            indent();
            file += "<DL><p>\n";
            ++depth;
        }
        indent();
        file += "<DT><A HREF=\"https://www." + std::string(random.Word()) + random.Word() +
                ".example.com/" + random.Word() + "/" + random.Word() + "?q=" + random.Word() +
                "+" + random.Word() + "&amp;page=" + std::to_string(random.Below(50)) +
                "&amp;ref=" + random.Word() + "\" ADD_DATE=\"" +
                std::to_string(1600000000 + random.Below(100000000)) + "\"";
        if (i % 3 == 0) file += " ICON=\"" + icons[random.Below(icons.size())] + "\"";
        std::string title = random.Words(20 + random.Below(40));
        switch (random.Below(10)) {
            case 0:
                title += " &amp; " + std::string(random.Word());
                break;
            case 1:
                title += " caf\xC3\xA9 \xE2\x80\x93 na\xC3\xAFve";
                break;
        }
        file += ">" + title + "</A>\n";
    }
    for (; depth > 0; --depth) {
        indent();
        file += "</DL><p>\n";
    }
    return file + "</DL><p>\n";
}

}  // namespace bench
