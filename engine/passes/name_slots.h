// The first of each name among names kept elsewhere (the station table, the
// written names), found by an open-addressing table of their indices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace iob {

class NameSlots {
public:
    // What FirstIndex and Find give for no index: none found, or past
    // 2^32 - 1 names, more than any memory holds with the names themselves.
    static constexpr std::size_t kNone = ~std::size_t{0};

    // Room for `count` names of indices below `indices` before the table
    // first grows: counts known ahead spare the rehashes, which must read
    // every name again.
    explicit NameSlots(std::size_t count = 0, std::size_t indices = 0) {
        const std::size_t size = count / 4 * 5 + 5;
        slots_.assign(size < kFewestSlots ? kFewestSlots : size, 0);
        indexMask_ = MaskOver(indices > slots_.size() ? indices : slots_.size());
    }

    // The index of the first name equal to `name`, as `nameAt(index)` gives
    // the names indexed so far (16 bytes, zeros after the name). When there
    // is none, `next`, the index `name` is about to get, is kept for it and
    // returned.
    template <typename NameAt>
    std::size_t FirstIndex(const char (&name)[16], std::size_t next, NameAt&& nameAt) {
        if (used_ + 1 > slots_.size() / 5 * 4 || next + 1 > indexMask_) {
            // Four fifths full at most, so that linear probing's runs stay a
            // few slots long; the index bits take the highest index.
            const std::size_t size = used_ + 1 > slots_.size() / 5 * 4 ? 2 * slots_.size() : slots_.size();
            if (!Rebuild(size, next + 1 > indexMask_ ? 2 * (next + 1) : 0, nameAt)) return kNone;
        }
        const std::uint64_t hash = HashOfName(name);
        std::uint32_t& slot = slots_[SlotOf(name, hash, nameAt)];
        if (slot != 0) return (slot & indexMask_) - 1;
        slot = TagOf(hash) | static_cast<std::uint32_t>(next + 1);
        ++used_;
        return next;
    }

    // The index of the first name equal to `name`, or kNone.
    template <typename NameAt>
    std::size_t Find(const char (&name)[16], NameAt&& nameAt) const {
        const std::uint32_t slot = slots_[SlotOf(name, HashOfName(name), nameAt)];
        return slot == 0 ? kNone : (slot & indexMask_) - 1;
    }

private:
    // The name's 16 bytes as two words, mixed so that every byte reaches
    // every bit: names often differ only in their last characters
    // ("STATION-0001", "STATION-0002").
    static std::uint64_t HashOfName(const char (&name)[16]) {
        std::uint64_t low;
        std::uint64_t high;
        std::memcpy(&low, name, sizeof low);
        std::memcpy(&high, name + sizeof low, sizeof high);
        std::uint64_t mixed = low ^ (high * 0x9E3779B97F4A7C15U);
        mixed ^= mixed >> 31;
        mixed *= 0xC2B2AE3D27D4EB4FU;
        mixed ^= mixed >> 29;
        return mixed;
    }

    static constexpr std::size_t kFewestSlots = 1024;

    // A slot holds 0 when free, or an index plus 1 in its low bits and, in
    // the bits above, those of the name's hash (its tag): a probe that meets
    // another name's slot seldom reads that name.
    std::uint32_t TagOf(std::uint64_t hash) const { return static_cast<std::uint32_t>(hash >> 32) & ~indexMask_; }
    // The home slot, from the hash's low word: its share of the table,
    // which needs no power of two.
    std::size_t Home(std::uint64_t hash) const {
        return static_cast<std::size_t>(((hash & 0xFFFFFFFFU) * slots_.size()) >> 32);
    }
    std::size_t Next(std::size_t slot) const { return slot + 1 == slots_.size() ? 0 : slot + 1; }

    // The slot that holds `name`, or the free one where it goes.
    template <typename NameAt>
    std::size_t SlotOf(const char (&name)[16], std::uint64_t hash, NameAt&& nameAt) const {
        const std::uint32_t tag = TagOf(hash);
        for (std::size_t slot = Home(hash);; slot = Next(slot)) {
            const std::uint32_t entry = slots_[slot];
            if (entry == 0) return slot;
            if ((entry & ~indexMask_) == tag && std::memcmp(nameAt((entry & indexMask_) - 1), name, sizeof name) == 0) {
                return slot;
            }
        }
    }

    // The low bits that hold every index plus 1 below `limit`.
    static std::uint32_t MaskOver(std::size_t limit) {
        std::uint32_t mask = 1;
        while (mask < limit) mask = 2 * mask + 1;
        return mask;
    }

    // The table in `size` slots, its index bits taking the indices it holds
    // and those below `indexLimit`; false when a slot cannot hold them.
    template <typename NameAt>
    bool Rebuild(std::size_t size, std::size_t indexLimit, NameAt&& nameAt) {
        std::size_t limit = indexLimit > size ? indexLimit : size;
        if (limit < indexMask_) limit = indexMask_;
        if (limit > 0xFFFFFFFFU) return false;
        const std::uint32_t oldMask = indexMask_;
        std::vector<std::uint32_t> old(size, 0);
        old.swap(slots_);
        indexMask_ = MaskOver(limit);
        for (const std::uint32_t entry : old) {
            if (entry == 0) continue;
            const std::size_t index = (entry & oldMask) - 1;
            const std::uint64_t hash = HashOfName(nameAt(index));
            std::size_t slot = Home(hash);
            while (slots_[slot] != 0) slot = Next(slot);
            slots_[slot] = TagOf(hash) | static_cast<std::uint32_t>(index + 1);
        }
        return true;
    }

    std::vector<std::uint32_t> slots_;
    std::uint32_t indexMask_ = 0;  // the low bits of a slot, which hold the index plus 1
    std::size_t used_ = 0;
};

}  // namespace iob
