#include "platform/win/small_blocks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace crv {
namespace {

bool Aligned(const void* p) { return reinterpret_cast<std::uintptr_t>(p) % 16 == 0; }

TEST(SmallBlocks, EverySizeIsAlignedWritableAndApartFromEveryOther) {
    // Two live blocks of each size up to past the limit, each filled with its
    // own byte: a class that handed out overlapping or short blocks shows as
    // a byte another block wrote.
    std::vector<std::pair<unsigned char*, std::size_t>> live;
    for (std::size_t size = 0; size <= Small_Block_Limit + 64; ++size)
        for (int copy = 0; copy < 2; ++copy) {
            auto* p = static_cast<unsigned char*>(::operator new(size));
            ASSERT_TRUE(Aligned(p)) << size;
            EXPECT_EQ(Is_Small_Block(p), size <= Small_Block_Limit) << size;
            std::memset(p, static_cast<int>(live.size() % 251), size);
            live.emplace_back(p, size);
        }
    for (std::size_t i = 0; i < live.size(); ++i) {
        const auto [p, size] = live[i];
        for (std::size_t b = 0; b < size; ++b) ASSERT_EQ(p[b], i % 251) << "size " << size << " byte " << b;
    }
    for (auto [p, size] : live) ::operator delete(p);
}

TEST(SmallBlocks, FreedBlocksAreReusedNotLeaked) {
    // A list filled and emptied again and again must not take new memory
    // each time: the second round gets the first round's blocks back.
    std::set<void*> first;
    std::vector<void*> round;
    for (int i = 0; i < 10000; ++i) round.push_back(::operator new(40));
    first.insert(round.begin(), round.end());
    for (void* p : round) ::operator delete(p);
    round.clear();
    for (int i = 0; i < 10000; ++i) round.push_back(::operator new(33));  // the same 48-byte class
    std::size_t reused = 0;
    for (void* p : round) reused += first.count(p);
    for (void* p : round) ::operator delete(p);
    EXPECT_EQ(reused, 10000u);
}

TEST(SmallBlocks, ArraysStringsAndLargeBlocksGoBackWhereTheyCameFrom) {
    auto small = std::make_unique<char[]>(100);
    auto large = std::make_unique<char[]>(1 << 20);
    EXPECT_TRUE(Is_Small_Block(small.get()));
    EXPECT_FALSE(Is_Small_Block(large.get()));
    std::memset(large.get(), 7, 1 << 20);
    std::string text(300, 'x');
    text += std::string(5000, 'y');  // moves from a small block to the runtime's heap
    EXPECT_EQ(text.size(), 5300u);
    EXPECT_FALSE(Is_Small_Block(text.data()));
    void* nothrow = ::operator new(64, std::nothrow);
    ASSERT_NE(nothrow, nullptr);
    ::operator delete(nothrow, std::nothrow);
    ::operator delete(nullptr);
}

TEST(SmallBlocks, ThreadsAllocatingAndFreeingTogetherCorruptNothing) {
    // Blocks made on one thread and freed on another, as COM callbacks and
    // the update wait do, with every block checked before it is freed.
    constexpr int Threads = 4, Rounds = 20000;
    std::vector<std::vector<std::string*>> made(Threads);
    auto fill = [&](int t) {
        for (int i = 0; i < Rounds; ++i)
            made[t].push_back(new std::string(16 + (i * 7 + t) % 200, static_cast<char>('a' + t)));
    };
    std::vector<std::thread> workers;
    for (int t = 0; t < Threads; ++t) workers.emplace_back(fill, t);
    for (auto& w : workers) w.join();
    workers.clear();
    std::vector<int> bad(Threads, 0);
    auto drain = [&](int t) {
        const int owner = (t + 1) % Threads;  // another thread's blocks
        for (std::string* s : made[owner]) {
            if (s->find_first_not_of(static_cast<char>('a' + owner)) != std::string::npos) ++bad[t];
            delete s;
        }
        for (int i = 0; i < Rounds / 4; ++i) delete new std::string(64, 'z');
    };
    for (int t = 0; t < Threads; ++t) workers.emplace_back(drain, t);
    for (auto& w : workers) w.join();
    for (int t = 0; t < Threads; ++t) EXPECT_EQ(bad[t], 0) << t;
}

}  // namespace
}  // namespace crv
