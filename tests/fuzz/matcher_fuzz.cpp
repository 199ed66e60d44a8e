// Fuzz target: both search matchers against the plain reference in MatchReference.h. The input
// is an options byte (its low four bits the typo separation, 0 and 10 to 15 being out of range;
// bit 4 the result for two empty texts), then the term up to the first LF (a Search box holds
// one line), then the text.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>

#include "search/ExactMatcher.h"
#include "search/TypoMatcher.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/MatchReference.h"

namespace {

// A copy in a heap block of exactly its size, so that a read past either end is caught.
class CTightCopy {
public:
    CTightCopy(const std::uint8_t* begin, const std::uint8_t* end)
        : m_size(static_cast<std::size_t>(end - begin)), m_bytes(new char[m_size]) {
        std::copy(begin, end, m_bytes.get());
    }
    std::string_view view() const { return std::string_view(m_bytes.get(), m_size); }

private:
    std::size_t m_size;
    std::unique_ptr<char[]> m_bytes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int separation = data[0] & 0x0F;
    const bool emptyMatches = (data[0] & 0x10) != 0;
    const std::uint8_t* const end = data + size;
    const std::uint8_t* const lf = std::find(data + 1, end, '\n');
    const CTightCopy term(data + 1, lf);
    const CTightCopy text(lf == end ? end : lf + 1, end);

    CExactMatcher exact(emptyMatches);
    const bool exactFound = exact.Match(text.view(), term.view());
    Require(exactFound == reference::Exact(text.view(), term.view(), emptyMatches),
            "the exact matcher agrees with the reference");

    CTypoMatcher typo(separation, emptyMatches);
    int typos = 0;
    const bool found = reference::Typo(text.view(), term.view(), separation, emptyMatches, typos);
    Require(typo.Match(text.view(), term.view()) == found,
            "the typo matcher agrees with the reference");
    Require(!found || typo.GetTypoCount() == typos, "the typos counted agree with the reference");
    // Forgiving typing errors never loses a text that the exact search finds.
    Require(found || !exactFound, "the typo matcher finds what the exact matcher finds");
    return 0;
}
