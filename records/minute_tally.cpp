#include "records/minute_tally.h"

#include <algorithm>

// Wider registers are used where they are safe: SSE2 on every x86 build (the 32-bit one
// realigns its stack on entry, since Windows may call in with 4-byte alignment), AVX2 only
// outside Windows, where the compiler cannot keep 32-byte stack slots aligned.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define RW_SSE2 1
#if !defined(_WIN32)
#define RW_AVX2 1
#endif
#endif

namespace {

// Records are taken in groups of at most 255 so that a byte counter cannot overflow; each
// group is swept one column of minutes at a time, with that column's counters held in
// registers, and then added into the 32-bit totals.
constexpr size_t GroupSize = 255;

using GroupCounter = void (*)(const uint8_t* records, size_t count, uint32_t* counts);

void addColumn(const uint8_t* column, size_t width, int code, size_t first, uint32_t* counts) {
    uint32_t* row = counts + static_cast<size_t>(code) * MinutesPerDay + first;
    for (size_t i = 0; i < width; ++i) row[i] += column[i];
}

void countGroupPlain(const uint8_t* records, size_t count, uint32_t* counts) {
    constexpr size_t Width = 16;
    for (size_t first = 0; first < MinutesPerDay; first += Width) {
        uint8_t acc[MinuteCodeCount][Width] = {};
        for (size_t r = 0; r < count; ++r) {
            const uint8_t* m = records + r * DayRecordSize + first;
            for (int c = 0; c < MinuteCodeCount; ++c)
                for (size_t i = 0; i < Width; ++i) acc[c][i] = static_cast<uint8_t>(acc[c][i] + (m[i] == c));
        }
        for (int c = 0; c < MinuteCodeCount; ++c) addColumn(acc[c], Width, c, first, counts);
    }
}

#ifdef RW_SSE2
#if defined(__i386__)
#define RW_SSE2_ATTRIBUTES __attribute__((target("sse2"), force_align_arg_pointer))
#else
#define RW_SSE2_ATTRIBUTES __attribute__((target("sse2")))
#endif

RW_SSE2_ATTRIBUTES void countGroupSse2(const uint8_t* records, size_t count, uint32_t* counts) {
    const __m128i k0 = _mm_set1_epi8(0), k1 = _mm_set1_epi8(1), k2 = _mm_set1_epi8(2);
    const __m128i k3 = _mm_set1_epi8(3), k4 = _mm_set1_epi8(4), k5 = _mm_set1_epi8(5);
    for (size_t first = 0; first < MinutesPerDay; first += 16) {
        __m128i a0 = k0, a1 = k0, a2 = k0, a3 = k0, a4 = k0, a5 = k0;
        const uint8_t* p = records + first;
        for (size_t r = 0; r < count; ++r, p += DayRecordSize) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            // A match is all ones (-1): subtracting it counts one.
            a0 = _mm_sub_epi8(a0, _mm_cmpeq_epi8(v, k0));
            a1 = _mm_sub_epi8(a1, _mm_cmpeq_epi8(v, k1));
            a2 = _mm_sub_epi8(a2, _mm_cmpeq_epi8(v, k2));
            a3 = _mm_sub_epi8(a3, _mm_cmpeq_epi8(v, k3));
            a4 = _mm_sub_epi8(a4, _mm_cmpeq_epi8(v, k4));
            a5 = _mm_sub_epi8(a5, _mm_cmpeq_epi8(v, k5));
        }
        uint8_t column[MinuteCodeCount][16];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(column[0]), a0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(column[1]), a1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(column[2]), a2);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(column[3]), a3);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(column[4]), a4);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(column[5]), a5);
        for (int c = 0; c < MinuteCodeCount; ++c) addColumn(column[c], 16, c, first, counts);
    }
}
#endif

#ifdef RW_AVX2
__attribute__((target("avx2"))) void countGroupAvx2(const uint8_t* records, size_t count, uint32_t* counts) {
    const __m256i k0 = _mm256_set1_epi8(0), k1 = _mm256_set1_epi8(1), k2 = _mm256_set1_epi8(2);
    const __m256i k3 = _mm256_set1_epi8(3), k4 = _mm256_set1_epi8(4), k5 = _mm256_set1_epi8(5);
    for (size_t first = 0; first < MinutesPerDay; first += 32) {
        __m256i a0 = k0, a1 = k0, a2 = k0, a3 = k0, a4 = k0, a5 = k0;
        const uint8_t* p = records + first;
        for (size_t r = 0; r < count; ++r, p += DayRecordSize) {
            const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
            a0 = _mm256_sub_epi8(a0, _mm256_cmpeq_epi8(v, k0));
            a1 = _mm256_sub_epi8(a1, _mm256_cmpeq_epi8(v, k1));
            a2 = _mm256_sub_epi8(a2, _mm256_cmpeq_epi8(v, k2));
            a3 = _mm256_sub_epi8(a3, _mm256_cmpeq_epi8(v, k3));
            a4 = _mm256_sub_epi8(a4, _mm256_cmpeq_epi8(v, k4));
            a5 = _mm256_sub_epi8(a5, _mm256_cmpeq_epi8(v, k5));
        }
        uint8_t column[MinuteCodeCount][32];
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(column[0]), a0);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(column[1]), a1);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(column[2]), a2);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(column[3]), a3);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(column[4]), a4);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(column[5]), a5);
        for (int c = 0; c < MinuteCodeCount; ++c) addColumn(column[c], 32, c, first, counts);
    }
}
#endif

GroupCounter counterFor(TallyPath path) {
    switch (path) {
#ifdef RW_AVX2
    case TallyPath::Avx2:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") ? countGroupAvx2 : nullptr;
#endif
#ifdef RW_SSE2
    case TallyPath::Sse2:
        __builtin_cpu_init();
        return __builtin_cpu_supports("sse2") ? countGroupSse2 : nullptr;
#endif
    case TallyPath::Plain: return countGroupPlain;
    default: return nullptr;
    }
}

GroupCounter bestCounter() {
    for (TallyPath path : {TallyPath::Avx2, TallyPath::Sse2, TallyPath::Plain})
        if (GroupCounter counter = counterFor(path)) return counter;
    return countGroupPlain;
}

GroupCounter& activeCounter() {
    static GroupCounter counter = bestCounter();
    return counter;
}

}  // namespace

static_assert(MinutesPerDay % 32 == 0, "the minute columns must tile the day");

bool MinuteTally::usePath(TallyPath path) {
    GroupCounter counter = counterFor(path);
    if (!counter) return false;
    activeCounter() = counter;
    return true;
}

void MinuteTally::useBestPath() { activeCounter() = bestCounter(); }

MinuteTally::MinuteTally() : counts(MinuteCodeCount * MinutesPerDay, 0) {}

void MinuteTally::add(const uint8_t* records, size_t count) {
    const GroupCounter countGroup = activeCounter();
    while (count > 0) {
        const size_t n = std::min(count, GroupSize);
        countGroup(records, n, counts.data());
        records += n * DayRecordSize;
        count -= n;
    }
}
