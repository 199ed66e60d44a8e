#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "store/ByteStream.h"
#include "store/DataFile.h"
#include "tests/core/AllocationWatch.h"

namespace {

const CDateTime kStamp(46023.5, CDateTime::valid);

std::string Int32(std::int32_t value) {
    std::string bytes;
    CMemorySink(bytes).WriteInt32(value);
    return bytes;
}
std::string Text(const std::string& text) {
    return static_cast<char>(text.size()) + text;
}
std::string Wide(const std::u16string& text) {
    std::string bytes = "\xFF\xFE\xFF" + std::string(1, static_cast<char>(text.size()));
    for (char16_t unit : text)
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}
std::string Stamp(double value) {
    std::string bytes = Int32(0);
    CMemorySink(bytes).WriteDouble(value);
    return bytes;
}
std::string Written(const CLinkList& list) {
    std::string bytes;
    CMemorySink sink(bytes);
    CDataFile::WriteBody(sink, list);
    return bytes;
}

// Valid files of every shape the reader knows, each with the number of records it holds.
struct CSeed {
    const char* name;
    std::string bytes;
    std::size_t records;
};

std::vector<CSeed> MakeSeeds() {
    std::vector<CSeed> seeds;
    CLinkList small;
    for (const char* name : {"News", "Tools", "item 2", "Item 10"})
        small.Categories().AddIfAbsent(name);
    small.m_strNewCategory = "Tools";
    for (int i = 0; i < 6; ++i)
        small.AddLinkItem("Title " + std::to_string(i), "https://example.org/" + std::to_string(i),
                          "First line\r\nSecond line " + std::to_string(i), i % 2 ? "News" : "",
                          kStamp, CDateTime(46024.0 + i, i % 3));
    seeds.push_back({"small", Written(small), 6});

    const std::string wide =
        Int32(2) + Int32(3) + Wide(u"Caf\u00e9") + Text("Misc") + Wide(u"NONE") + Int32(2) +
        Wide(u"\u20ac uro") + Text("l") + Wide(u"d\r\ne") + Wide(u"Caf\u00e9") + Stamp(1.0) +
        Stamp(2.0) + Text("plain") + Wide(u"") + Text("") + Text("Misc") + Stamp(3.0) + Stamp(4.0);
    seeds.push_back({"wide", wide, 2});

    std::ostringstream version1;
    version1 << std::ifstream(VELTRIM_TEST_DATA "/version1.dat", std::ios::binary).rdbuf();
    seeds.push_back({"version1", version1.str(), 2});

    CLinkList longTexts;
    std::string description(70000, ' ');
    for (std::size_t i = 0; i < description.size(); ++i)
        description[i] = i % 80 == 78   ? '\r'
                         : i % 80 == 79 ? '\n'
                                        : static_cast<char>('a' + i % 26);
    longTexts.AddLinkItem(std::string(300, 'T'), std::string(255, 'L'), description, "", kStamp,
                          kStamp);
    longTexts.AddLinkItem("after", "", std::string(65534, 'x'), "c", kStamp, kStamp);
    seeds.push_back({"long", Written(longTexts), 2});
    return seeds;
}

// One to four random edits; a fixed-seed generator gives the same variants everywhere.
std::string Mutate(std::string bytes, std::mt19937& random) {
    const auto below = [&](std::size_t bound) -> std::size_t {
        return bound ? random() % bound : 0;
    };
    const auto randomBytes = [&](std::string field, std::size_t count) {
        while (count-- > 0) field += static_cast<char>(random());
        return field;
    };
    for (std::size_t edits = 1 + below(4); edits > 0; --edits) {
        const std::size_t at = below(bytes.size() + 1);
        const bool inside = at < bytes.size();
        switch (below(6)) {
            case 0:  // flip one bit
                if (inside) bytes[at] ^= static_cast<char>(1u << below(8));
                break;
            case 1:  // replace a byte
                if (inside) bytes[at] = static_cast<char>(random());
                break;
            case 2:  // insert a few random bytes
                bytes.insert(at, randomBytes("", 1 + below(8)));
                break;
            case 3:  // delete a few bytes
                if (inside) bytes.erase(at, 1 + below(8));
                break;
            case 4: {  // a 32-bit value where a count or a length may stand
                const std::uint32_t choices[] = {0x7FFFFFFF, 0xFFFFFFFF, 0x80000000, 0x00010000,
                                                 static_cast<std::uint32_t>(random())};
                std::string field;
                CMemorySink(field).WriteUInt32(choices[below(5)]);
                bytes.replace(at, 4, field);
                break;
            }
            default: {  // an escaped length: 32-bit, 16-bit or wide
                const char* const escapes[] = {"\xFF\xFF\xFF", "\xFF", "\xFF\xFE\xFF",
                                               "\xFF\xFE\xFF\xFF\xFF\xFF"};
                const std::string field = randomBytes(escapes[below(4)], 4);
                bytes.replace(at, field.size(), field);
            }
        }
    }
    return bytes;
}

// Hands out the bytes in pieces of irregular size, to cross the file buffer's refills everywhere.
class CPiecewiseInputFile : public CInputFile {
public:
    explicit CPiecewiseInputFile(const std::string& bytes) : m_bytes(bytes) {}
    std::size_t Read(void* buffer, std::size_t size) override {
        const std::size_t piece =
            std::min({size, m_bytes.size() - m_offset, 1 + m_calls++ * 613 % 4096});
        std::memcpy(buffer, m_bytes.data() + m_offset, piece);
        m_offset += piece;
        return piece;
    }
    std::uint64_t Size() const override { return m_bytes.size(); }
    bool Failed() const override { return false; }

private:
    const std::string& m_bytes;
    std::size_t m_offset = 0;
    std::size_t m_calls = 0;
};

// Every text and time stamp of the list, for comparing two loads; `textBytes` gets the size of
// the texts alone.
std::string Contents(const CLinkList& list, std::size_t* textBytes = nullptr) {
    std::string contents;
    std::size_t texts = 0;
    for (std::size_t row = 0; row < list.GetCount(); ++row) {
        const CLinkItem& item = *list.GetAt(row);
        for (const CCompactString* text :
             {&item.m_strTitle, &item.m_strLink, &item.m_strDescription, &item.m_strCategory}) {
            contents.append(text->view()).push_back('\x1F');
            texts += text->size();
        }
        contents += std::to_string(item.m_dtAdded.GetValue()) + "/" +
                    std::to_string(item.m_dtModified.GetStatus()) + "\n";
    }
    for (const std::string& name : list.Categories().Names()) {
        contents += name + "|";
        texts += name.size();
    }
    if (textBytes) *textBytes = texts;
    return contents + list.m_strNewCategory;
}

bool IsCleanEnd(ELoadResult result) {
    return result == ELoadResult::loaded || result == ELoadResult::readFailed ||
           result == ELoadResult::outOfMemory || result == ELoadResult::newerVersion;
}

// Loads the variant into a fresh list and checks that it ended cleanly within the file's means;
// optionally also reads it through the file buffer, which must give the same result, and
// appends it to a list that already holds a record and a category.
CLoadOutcome CheckVariant(const std::string& bytes, bool alsoThroughFile, bool appendToo) {
    CLinkList list;
    allocwatch::Start();
    CMemorySource source(bytes);
    const CLoadOutcome outcome = CDataFile::ReadBody(source, list);
    const std::size_t largestAllocation = allocwatch::Stop();

    EXPECT_TRUE(IsCleanEnd(outcome.result)) << static_cast<int>(outcome.result);
    EXPECT_EQ(list.GetCount(), outcome.recordsAdded);
    if (outcome.result == ELoadResult::newerVersion) {
        EXPECT_EQ(0u, list.GetCount());
    }
    std::size_t textBytes = 0;
    const std::string contents = Contents(list, &textBytes);
    EXPECT_LE(textBytes, bytes.size());
    // Scratch texts may grow to twice a length and a category table to a few dozen bytes per
    // name; a trusted length field would ask for up to 4 GiB.
    EXPECT_LE(largestAllocation, 64 * bytes.size() + 65536);

    if (alsoThroughFile) {
        CPiecewiseInputFile file(bytes);
        CFileSource fileSource(file);
        CLinkList again;
        const CLoadOutcome fileOutcome = CDataFile::ReadBody(fileSource, again);
        EXPECT_EQ(outcome.result, fileOutcome.result);
        EXPECT_EQ(outcome.recordsAdded, fileOutcome.recordsAdded);
        EXPECT_EQ(contents, Contents(again));
    }
    if (appendToo) {
        CLinkList target;
        target.Categories().AddIfAbsent("news");
        target.AddLinkItem("present", "", "", "news", kStamp, kStamp);
        CMemorySource again(bytes);
        const CLoadOutcome appended = CDataFile::ReadBody(again, target);
        EXPECT_TRUE(IsCleanEnd(appended.result));
        EXPECT_EQ(1 + appended.recordsAdded, target.GetCount());
        const CCategoryList& names = target.Categories();
        for (std::size_t i = 0; i < names.GetCount(); ++i)
            EXPECT_EQ(static_cast<int>(i), names.Find(names.GetAt(i))) << "duplicate category";
    }
    return outcome;
}

}  // namespace

TEST(DataFileRobustness, EveryTruncationFailsCleanlyAndTheWholeSeedLoads) {
    allocwatch::Install();
    for (const CSeed& seed : MakeSeeds()) {
        SCOPED_TRACE(seed.name);
        // Every prefix of the small files; about four hundred spread over the long one.
        const std::size_t step = seed.bytes.size() > 4096 ? seed.bytes.size() / 397 : 1;
        for (std::size_t length = 0; length < seed.bytes.size(); length += step) {
            CheckVariant(seed.bytes.substr(0, length), length % 5 == 0, false);
            ASSERT_FALSE(HasFailure()) << "at prefix length " << length;
        }
        const CLoadOutcome whole = CheckVariant(seed.bytes, true, true);
        EXPECT_EQ(ELoadResult::loaded, whole.result);
        EXPECT_EQ(seed.records, whole.recordsAdded);
    }
}

TEST(DataFileRobustness, RandomCorruptionsFailCleanly) {
    allocwatch::Install();
    const std::vector<CSeed> seeds = MakeSeeds();
    std::mt19937 random(20260101);
    for (int variant = 0; variant < 12000; ++variant) {
        // The long seed is slower to copy and read; it gets one variant in ten.
        const CSeed& seed = variant % 10 == 9 ? seeds[3] : seeds[variant % 3];
        CheckVariant(Mutate(seed.bytes, random), variant % 7 == 0, variant % 5 == 0);
        ASSERT_FALSE(HasFailure()) << "variant " << variant << " of " << seed.name;
    }
}

TEST(DataFileRobustness, AllocationWatchSeesLargeAllocations) {
    // Without this, the limit on allocations above could pass by seeing nothing.
    if (!allocwatch::Install()) GTEST_SKIP() << "allocation hooks need the sanitizer build";
    allocwatch::Start();
    std::string large(1 << 20, 'x');
    EXPECT_GE(allocwatch::Stop(), large.size());
}

// A great many category names in no order must be added with one sort, not one sorted insert
// each, which took time growing with the square of their number.
TEST(DataFileRobustness, ManyUnsortedCategoriesLoadAtOnce) {
    constexpr std::int32_t names = 200000;
    std::string bytes = Int32(2) + Int32(names + 1);
    for (std::int32_t i = 0; i < names; ++i) bytes += Text(std::to_string((i * 7919) % names));
    bytes += Text("LAST") + Int32(0);
    CLinkList list;
    CMemorySource source(bytes);
    EXPECT_EQ(ELoadResult::loaded, CDataFile::ReadBody(source, list).result);
    ASSERT_EQ(static_cast<std::size_t>(names), list.Categories().GetCount());
    EXPECT_EQ("0", list.Categories().GetAt(0));
    EXPECT_EQ("199999", list.Categories().GetAt(names - 1));
}
