#pragma once
// The program's operator new and delete (linked into every executable of the
// Windows build). The lists, rows and texts are made of millions of blocks
// of a few dozen bytes each, and under Wine the system heap takes 125 to
// 250 ns for each block made and freed, more as it fills: several times a
// size-class allocator. Blocks up to Small_Block_Limit bytes come from size
// classes carved out of one reserved address range, a committed chunk at a
// time; larger blocks, and any block once that range is used up, come from
// the C runtime's heap. Thread-safe; freed small blocks are kept for reuse,
// not handed back to the system.
#include <cstddef>

namespace crv {

inline constexpr std::size_t Small_Block_Limit = 512;

// The block was handed out by the size classes (not by the C runtime).
bool Is_Small_Block(const void* block);

}  // namespace crv
