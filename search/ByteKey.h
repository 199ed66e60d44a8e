// CByteKey: finds the bytes of a block of text that may equal one character without regard to
// case, a block at a time, so that the matchers try only the start positions that can match.
//
// A byte's key is the byte with bit 5 set, which turns an ASCII capital into its small letter:
// bytes equal without regard to case have equal keys. The converse fails only for pairs that
// differ in bit 5 and are not letters ('[' and '{', 0xC9 and 0xE9, ...), so a key test is a
// filter that the matcher's own comparison completes. With SSE2 a block is 16 bytes; otherwise
// it is a machine word, tested with plain integer operations.
#pragma once

#include <cstddef>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define VELTRIM_BYTEKEY_SSE2 1
#include <emmintrin.h>
#endif

namespace match {

#if defined(VELTRIM_BYTEKEY_SSE2)

// One bit per byte of a block, bit k for byte k.
using Mask = unsigned;
constexpr std::size_t kBlockBytes = 16;

class CByteKey {
public:
    explicit CByteKey(char c) : m_key(_mm_set1_epi8(static_cast<char>(c | 0x20))) {}
    // The bytes p[0] to p[kBlockBytes - 1] that have this key.
    Mask In(const char* p) const {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i keys = _mm_or_si128(bytes, _mm_set1_epi8(0x20));
        return static_cast<Mask>(_mm_movemask_epi8(_mm_cmpeq_epi8(keys, m_key)));
    }

private:
    __m128i m_key;
};

// The byte of the lowest flag of a mask that is not zero.
inline std::size_t LowestByte(Mask mask) {
#if defined(__GNUC__)
    return static_cast<std::size_t>(__builtin_ctz(mask));
#else
    std::size_t k = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++k;
    }
    return k;
#endif
}

// The mask without the flags of its first `count` bytes (fewer than kBlockBytes).
inline Mask DropFirst(Mask mask, std::size_t count) {
    return mask & (~Mask(0) << count);
}

#else

// The high bit of byte k set for byte k of a block.
using Mask = std::size_t;
constexpr std::size_t kBlockBytes = sizeof(Mask);

namespace detail {

constexpr Mask kOnes = ~Mask(0) / 0xFF;  // 0x01 in every byte
constexpr Mask kLow7 = kOnes * 0x7F;
constexpr Mask kBit5 = kOnes * 0x20;

// The word whose byte k (counted from the least significant) is p[k].
inline Mask LoadWord(const char* p) {
#if defined(__BYTE_ORDER__) && defined(__ORDER_BIG_ENDIAN__) && \
    __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    Mask w = 0;
    for (std::size_t k = kBlockBytes; k-- > 0;) w = (w << 8) | static_cast<unsigned char>(p[k]);
    return w;
#else
    Mask w;
    std::memcpy(&w, p, sizeof w);
    return w;
#endif
}

// The high bit of every byte of `w` that is zero, and no other bit (no borrow crosses bytes).
inline Mask ZeroBytes(Mask w) {
    return ~(((w & kLow7) + kLow7) | w | kLow7);
}

}  // namespace detail

class CByteKey {
public:
    explicit CByteKey(char c) : m_key(detail::kOnes * (static_cast<unsigned char>(c) | 0x20u)) {}
    // The bytes p[0] to p[kBlockBytes - 1] that have this key.
    Mask In(const char* p) const {
        return detail::ZeroBytes((detail::LoadWord(p) | detail::kBit5) ^ m_key);
    }

private:
    Mask m_key;
};

// The byte of the lowest flag of a mask that is not zero.
inline std::size_t LowestByte(Mask mask) {
#if defined(__GNUC__)
    if constexpr (sizeof(Mask) == sizeof(unsigned long long))
        return static_cast<std::size_t>(__builtin_ctzll(mask)) / 8;
    else
        return static_cast<std::size_t>(__builtin_ctz(mask)) / 8;
#else
    std::size_t k = 0;
    while (!(mask & 0x80)) {
        mask >>= 8;
        ++k;
    }
    return k;
#endif
}

// The mask without the flags of its first `count` bytes (fewer than kBlockBytes).
inline Mask DropFirst(Mask mask, std::size_t count) {
    return mask & (~Mask(0) << (8 * count));
}

#endif

}  // namespace match
