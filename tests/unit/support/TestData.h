// The bytes of a file of tests/data/: fixtures read by more than one test
// (the project reader's fuzz seeds among them), kept once on disk.
#pragma once

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

inline std::string testData(const std::string& name) {
    std::ifstream in(std::string(QUENDA_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    if (!in)
        throw std::runtime_error("missing test data file " + name);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
