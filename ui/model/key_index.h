#pragma once
// The list's key index: rows by key, in one flat open-addressing table. The
// table holds each row's hash and address (the key text stays in the row),
// so growing it never touches the rows: a large listing's index stays small
// and its growth cheap, where a node-based map visits every node on every
// rehash.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace crv {

struct ListItem;

class KeyIndex {
public:
    // Sixteen bytes a slot: a hundred thousand rows keep the table at a few
    // megabytes. A position above 4G rows cannot occur (the rows alone would
    // not fit in memory).
    struct Entry {
        ListItem* item = nullptr;  // null: empty; Deleted(): a removed entry
        std::uint32_t hash = 0;
        std::uint32_t position = 0;
    };

    static std::uint32_t Hash(std::string_view key) {
        return static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    }
    // The entry of the key (whose Hash is `hash`), or null.
    Entry* Find(std::string_view key, std::uint32_t hash) const {
        if (slots_.empty()) return nullptr;
        for (std::size_t i = hash & Mask();; i = (i + 1) & Mask()) {
            Entry& e = slots_[i];
            if (!e.item) return nullptr;
            if (e.item != Deleted() && e.hash == hash && Key_Of(e.item) == key) return &e;
        }
    }
    Entry* Find(std::string_view key) const { return Find(key, Hash(key)); }
    // Starts loading the slot where a lookup of `hash` begins. A large list's
    // table is megabytes: work done between this and the lookup hides the
    // miss on the slot.
    void Prefetch(std::uint32_t hash) const {
#if defined(__GNUC__)
        if (!slots_.empty()) __builtin_prefetch(&slots_[hash & Mask()]);
#else
        (void)hash;
#endif
    }
    // Adds a key, known to be absent, whose Hash is `hash`.
    void Insert(std::uint32_t hash, ListItem* item, std::size_t position) {
        if ((used_ + 1) * 2 > slots_.size()) Grow(size_ + 1);
        std::size_t i = hash & Mask();
        while (slots_[i].item && slots_[i].item != Deleted()) i = (i + 1) & Mask();
        if (!slots_[i].item) ++used_;
        slots_[i] = Entry{item, hash, static_cast<std::uint32_t>(position)};
        ++size_;
    }
    void Erase(Entry* entry) {
        entry->item = Deleted();
        --size_;
    }
    void Clear() {
        slots_.clear();
        size_ = used_ = 0;
    }
    void Reserve(std::size_t count) {
        if ((count + 1) * 2 > slots_.size()) Grow(count);
    }
    std::size_t Size() const { return size_; }

private:
    static ListItem* Deleted() { return reinterpret_cast<ListItem*>(alignof(std::max_align_t)); }
    static std::string_view Key_Of(const ListItem* item);
    std::size_t Mask() const { return slots_.size() - 1; }
    void Grow(std::size_t count) {
        std::size_t capacity = 16;
        while (capacity < (count + 1) * 2) capacity *= 2;
        if (capacity <= slots_.size() && used_ == size_) capacity = slots_.size() * 2;
        std::vector<Entry> old;
        old.swap(slots_);
        slots_.assign(capacity, Entry{});
        used_ = 0;
        for (const Entry& e : old) {
            if (!e.item || e.item == Deleted()) continue;
            std::size_t i = e.hash & Mask();
            while (slots_[i].item) i = (i + 1) & Mask();
            slots_[i] = e;
            ++used_;
        }
    }

    mutable std::vector<Entry> slots_;
    std::size_t size_ = 0;  // live entries
    std::size_t used_ = 0;  // live and removed entries (probe chains)
};

}  // namespace crv
