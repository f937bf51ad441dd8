#pragma once
// The whole of a file's bytes, for tests that compare what a writer wrote;
// "" when the file cannot be read.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace crv::test {

inline std::string Read_All(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace crv::test
