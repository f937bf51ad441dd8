#include "platform/win/small_blocks.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#include <xmmintrin.h>

namespace crv {
namespace {

constexpr std::size_t Granule = 16;  // what operator new must align to on x64
constexpr std::size_t Classes = Small_Block_Limit / Granule;
// Each chunk serves one size class; its first granule records which, so a
// free finds the class from the block's address alone.
constexpr std::size_t Chunk_Size = 64 * 1024;
constexpr std::size_t Commit_Step = 16 * Chunk_Size;  // one VirtualAlloc per megabyte, not per chunk
constexpr std::size_t Reserve_Size = std::size_t(32) << 30;

struct FreeBlock {
    FreeBlock* next;
};

struct SizeClass {
    FreeBlock* free = nullptr;
    char* next = nullptr;  // the current chunk's uncarved room
    char* end = nullptr;
};

class SmallBlocks {
public:
    void* Allocate(std::size_t size) {
        if (size > Small_Block_Limit) return nullptr;
        const std::size_t index = size == 0 ? 0 : (size - 1) / Granule;
        Guard guard(busy_);
        SizeClass& c = classes_[index];
        if (FreeBlock* block = c.free) {
            // The next block of the list is read by the next request for
            // this size: freed blocks lie anywhere, and a list of them made
            // one memory miss after another.
            c.free = block->next;
            if (c.free) _mm_prefetch(reinterpret_cast<const char*>(c.free), _MM_HINT_T0);
            return block;
        }
        const std::size_t block_size = (index + 1) * Granule;
        if (c.end - c.next < static_cast<std::ptrdiff_t>(block_size) && !New_Chunk(c, index)) return nullptr;
        void* block = c.next;
        c.next += block_size;
        return block;
    }

    // False for a block that is not one of ours (the C runtime's).
    bool Release(void* block) {
        if (!Owns(block)) return false;
        const auto chunk = reinterpret_cast<std::uintptr_t>(block) & ~(std::uintptr_t(Chunk_Size) - 1);
        const std::size_t index = *reinterpret_cast<const std::uint8_t*>(chunk);
        Guard guard(busy_);
        auto* freed = static_cast<FreeBlock*>(block);
        freed->next = classes_[index].free;
        classes_[index].free = freed;
        return true;
    }

    bool Owns(const void* block) const {
        // The range is set once, under the lock, before any block of it is
        // handed out; a block seen here was handed out after that.
        const char* base = base_.load(std::memory_order_acquire);
        const char* p = static_cast<const char*>(block);
        return base && p >= base && p < base + Reserve_Size;
    }

private:
    // One atomic word. Wine's slim reader/writer lock, released, wakes
    // waiters through its address-wait table whether any thread waits or
    // not: two calls into the system and a global table for every block
    // made or freed, a fifth of a large listing's time. A block is taken or
    // given back in a few nanoseconds, so a thread that finds the word set
    // spins a little, then gives up its turn until the holder has run.
    class Lock {
    public:
        void Acquire() {
            while (taken_.exchange(true, std::memory_order_acquire))
                for (unsigned spins = 0; taken_.load(std::memory_order_relaxed); ++spins) {
                    if (spins < 128)
                        YieldProcessor();
                    else
                        Sleep(spins < 256 ? 0 : 1);
                }
        }
        void Release() { taken_.store(false, std::memory_order_release); }

    private:
        std::atomic<bool> taken_{false};
    };
    struct Guard {
        explicit Guard(Lock& lock) : lock_(lock) { lock_.Acquire(); }
        ~Guard() { lock_.Release(); }
        Lock& lock_;
    };

    bool New_Chunk(SizeClass& c, std::size_t index) {
        if (!base_.load(std::memory_order_relaxed)) {
            if (reserve_failed_) return false;
            void* range = VirtualAlloc(nullptr, Reserve_Size, MEM_RESERVE, PAGE_NOACCESS);
            if (!range) {
                reserve_failed_ = true;
                return false;
            }
            top_ = committed_ = static_cast<char*>(range);
            base_.store(static_cast<char*>(range), std::memory_order_release);
        }
        char* const limit = base_.load(std::memory_order_relaxed) + Reserve_Size;
        if (top_ == committed_) {
            if (committed_ == limit) return false;
            if (!VirtualAlloc(committed_, Commit_Step, MEM_COMMIT, PAGE_READWRITE)) return false;
            committed_ += Commit_Step;
        }
        char* chunk = top_;
        top_ += Chunk_Size;
        *reinterpret_cast<std::uint8_t*>(chunk) = static_cast<std::uint8_t>(index);
        c.next = chunk + Granule;
        c.end = chunk + Chunk_Size;
        return true;
    }

    Lock busy_;
    std::atomic<char*> base_{nullptr};
    char* top_ = nullptr;
    char* committed_ = nullptr;
    bool reserve_failed_ = false;
    SizeClass classes_[Classes]{};
};

static_assert(Reserve_Size % Commit_Step == 0 && Commit_Step % Chunk_Size == 0);
static_assert(Classes <= 256, "the chunk's class index is one byte");

// Constant-initialised: operator new runs before any dynamic initialiser.
constinit SmallBlocks blocks;

void* Allocate(std::size_t size) {
    for (;;) {
        if (void* block = blocks.Allocate(size)) return block;
        if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
        std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

void Release(void* block) noexcept {
    if (block && !blocks.Release(block)) std::free(block);
}

}  // namespace

bool Is_Small_Block(const void* block) { return blocks.Owns(block); }

}  // namespace crv

// The replaceable forms; the aligned ones stay the runtime's and pair with
// their own deletes.
void* operator new(std::size_t size) { return crv::Allocate(size); }
void* operator new[](std::size_t size) { return crv::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return crv::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { crv::Release(block); }
void operator delete[](void* block) noexcept { crv::Release(block); }
void operator delete(void* block, std::size_t) noexcept { crv::Release(block); }
void operator delete[](void* block, std::size_t) noexcept { crv::Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { crv::Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { crv::Release(block); }
