// The data-file reader against every truncation and thousands of corruptions of valid files: each
// load must end cleanly, with no crash, hang or allocation beyond the file's means.
#include <gtest/gtest.h>

#include "tests/core/AllocationWatch.h"
#include "tests/core/TestSupport.h"

namespace {

// Valid files: short counted texts, version 1 with a wide text, and texts of every length form.
std::vector<std::string> Seeds() {
    CLinkList longTexts;
    longTexts.AddLinkItem(std::string(300, 'T'), std::string(255, 'L'), std::string(70000, 'd'),
                          "c", {}, {});
    longTexts.AddLinkItem("after", "", std::string(65534, 'x'), "", {}, {});
    return {MakeDataFileBytes(6), ReadFileBytes(VELTRIM_TEST_DATA "/version1.dat"),
            Written(longTexts)};
}

// One to four random edits, favouring the places where counts and lengths stand; a fixed-seed
// generator gives the same variants everywhere.
std::string Mutate(std::string bytes, std::mt19937& random) {
    const char* const fields[] = {"\xFF\xFF\xFF\x7F", "\xFF\xFF\xFF\xFF",
                                  "\xFF\xFF\xFF",     "\xFF",
                                  "\xFF\xFE\xFF",     "\xFF\xFE\xFF\xFF\xFF\xFF"};
    for (int edits = 1 + random() % 4; edits > 0; --edits) {
        const std::size_t at = random() % (bytes.size() + 1);
        std::string field;
        for (int n = random() % 5; n > 0; --n) field += static_cast<char>(random());
        switch (random() % 4) {
            case 0:  // flip one bit
                if (at < bytes.size()) bytes[at] ^= static_cast<char>(1u << random() % 8);
                break;
            case 1:
                bytes.insert(at, field);
                break;
            case 2:
                bytes.erase(std::min(at, bytes.size()), 1 + random() % 8);
                break;
            default:  // a huge count or an escaped length, then random bytes
                field.insert(0, fields[random() % 6]);
                bytes.replace(at, field.size(), field);
        }
    }
    return bytes;
}

// Loads the variant and checks that it ended cleanly within the file's means.
CLoadOutcome CheckVariant(const std::string& bytes) {
    CLinkList list;
    CMemorySource source(bytes);
    allocwatch::Start();
    const CLoadOutcome outcome = CDataFile::ReadBody(source, list);
    const std::size_t largest = allocwatch::Stop();
    // Scratch texts may grow to twice a length and a category table to a few dozen bytes per
    // name; a trusted length field would ask for up to 4 GiB.
    EXPECT_LE(largest, 64 * bytes.size() + 65536);
    EXPECT_NE(ELoadResult::notFound, outcome.result);
    EXPECT_EQ(list.GetCount(), outcome.recordsAdded);
    EXPECT_TRUE(outcome.result != ELoadResult::newerVersion || list.GetCount() == 0);
    return outcome;
}

}  // namespace

TEST(DataFileRobustness, EveryTruncationFailsCleanlyAndTheWholeSeedLoads) {
    // The limit on allocations must not pass by seeing nothing (the hooks need the sanitizer).
    const bool hooked = allocwatch::Install();
    allocwatch::Start();
    const std::string large(1 << 20, 'x');
    EXPECT_TRUE(!hooked || allocwatch::Stop() >= large.size())
        << "the allocation watch sees nothing";
    for (const std::string& seed : Seeds()) {
        // Every prefix of the small files; about four hundred spread over the long one.
        const std::size_t step = seed.size() > 4096 ? seed.size() / 397 : 1;
        for (std::size_t length = 0; length < seed.size(); length += step) {
            EXPECT_EQ(ELoadResult::readFailed, CheckVariant(seed.substr(0, length)).result);
            ASSERT_FALSE(HasFailure()) << "at prefix length " << length << " of " << seed.size();
        }
        EXPECT_EQ(ELoadResult::loaded, CheckVariant(seed).result);
    }
}

TEST(DataFileRobustness, RandomCorruptionsFailCleanly) {
    allocwatch::Install();
    const std::vector<std::string> seeds = Seeds();
    std::mt19937 random(20260101);
    for (int variant = 0; variant < 12000; ++variant) {
        // The long seed is slower to copy and read; it gets one variant in ten.
        CheckVariant(Mutate(seeds[variant % 10 == 9 ? 2 : variant % 2], random));
        ASSERT_FALSE(HasFailure()) << "variant " << variant;
    }
}

// Category names in no order were inserted one sorted insert each, which took time growing with
// the square of their number.
TEST(DataFileRobustness, ManyUnsortedCategoriesLoadAtOnce) {
    constexpr std::int32_t names = 200000;
    std::string bytes = Int32(2) + Int32(names + 1);
    for (std::int32_t i = 0; i < names; ++i) bytes += Text(std::to_string((i * 7919) % names));
    bytes += Text("LAST") + Int32(0);
    CLinkList list;
    CMemorySource source(bytes);
    EXPECT_EQ(ELoadResult::loaded, CDataFile::ReadBody(source, list).result);
    ASSERT_EQ(static_cast<std::size_t>(names), list.Categories().GetCount());
    EXPECT_EQ("199999", list.Categories().GetAt(names - 1));
}
