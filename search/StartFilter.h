// The walk over the start positions of a text that both search matchers make: the starts that
// cannot match are ruled out a block at a time (see CByteKey), the others tried in order.
#pragma once

#include <cstddef>
#include <string_view>

#include "search/ByteKey.h"

namespace match {

// Calls tryAt(start) for the start positions of `text` in order until it returns true, and
// returns whether one did. `candidates(p)` rules starts out a block at a time: for the starts at
// p[0] to p[kBlockBytes - 1] it returns a mask flagging the starts that may match, and it may
// read up to `lookahead` bytes past the block. The last block of starts overlaps the one before
// it; the last `lookahead` starts, and every start of a text too short for one block, are all
// tried.
template <typename Candidates, typename TryAt>
bool ForEachStart(std::string_view text, std::size_t lookahead, Candidates candidates,
                  TryAt tryAt) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    const auto tryMask = [&](std::size_t block, Mask mask) {
        for (; mask; mask &= mask - 1)
            if (tryAt(block + LowestByte(mask))) return true;
        return false;
    };
    std::size_t start = 0;  // the first start not yet tried
    if (size >= kBlockBytes + lookahead) {
        const std::size_t last = size - kBlockBytes - lookahead;
        for (; start <= last; start += kBlockBytes)
            if (tryMask(start, candidates(data + start))) return true;
        if (start < last + kBlockBytes) {
            // Only the starts from `start` on are new in the overlapping last block.
            if (tryMask(last, DropFirst(candidates(data + last), start - last))) return true;
            start = last + kBlockBytes;
        }
    }
    for (; start < size; ++start)
        if (tryAt(start)) return true;
    return false;
}

}  // namespace match
