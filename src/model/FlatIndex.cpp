#include "model/FlatIndex.h"

#include <cstring>

namespace zorozod {

namespace {

std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
    const unsigned __int128 m = static_cast<unsigned __int128>(a ^ 0xa0761d6478bd642fULL) * (b ^ 0xe7037ed1a0b428dbULL);
    return static_cast<std::uint64_t>(m) ^ static_cast<std::uint64_t>(m >> 64);
}

std::uint64_t HashBytes(std::string_view s, std::uint64_t seed) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, s.data() + i, 8);
        seed = Mix(seed ^ chunk, 0x8ebc6af09c88c6e3ULL);
    }
    std::uint64_t tail = 0;
    if (i < s.size()) std::memcpy(&tail, s.data() + i, s.size() - i);
    return Mix(seed ^ tail, 0x589965cc75374cc3ULL ^ s.size());
}

}  // namespace

std::uint64_t HashPair(std::string_view first, std::string_view second) {
    return HashBytes(second, HashBytes(first, 0));
}

}  // namespace zorozod
