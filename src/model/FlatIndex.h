// An open-addressing index from hashed keys to small ids, for the passes
// that must find rows by code and crew type in time linear in the table.
// The keys stay where they are (in the table, in a report's text); the
// index keeps a part of each key's hash and its id, 8 bytes a slot, and
// asks the caller whether an id's key is the one sought.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zorozod {

// A fast hash of two short byte strings taken as a pair (their lengths take part).
std::uint64_t HashPair(std::string_view first, std::string_view second);

class FlatIndex {
public:
    // Empties the index and makes room for up to `keys` keys without growing.
    void reset(std::size_t keys) {
        std::size_t capacity = 16;
        while (capacity < keys * 2) capacity *= 2;
        slots_.assign(capacity, 0);
    }

    // The id of the key equal to the one sought, whose hash is `hash`;
    // `same(id)` compares a stored key with it.
    template <class Same>
    std::optional<std::uint32_t> find(std::uint64_t hash, Same&& same) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const std::uint64_t slot = slots_[i];
            if (slot == 0) return std::nullopt;
            const auto id = static_cast<std::uint32_t>(slot) - 1;
            if ((slot & kTagMask) == (hash & kTagMask) && same(id)) return id;
        }
    }

    // As find; when no equal key is there, enters `id` for it and returns it.
    template <class Same>
    std::uint32_t findOrInsert(std::uint64_t hash, std::uint32_t id, Same&& same) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            std::uint64_t& slot = slots_[i];
            if (slot == 0) {
                slot = (hash & kTagMask) | (static_cast<std::uint64_t>(id) + 1);
                return id;
            }
            const auto stored = static_cast<std::uint32_t>(slot) - 1;
            if ((slot & kTagMask) == (hash & kTagMask) && same(stored)) return stored;
        }
    }

    void prefetch(std::uint64_t hash) const { __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]); }

private:
    static constexpr std::uint64_t kTagMask = 0xffffffff00000000ULL;
    std::vector<std::uint64_t> slots_;
};

}  // namespace zorozod
