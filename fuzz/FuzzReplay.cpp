// SPDX-License-Identifier: GPL-3.0-or-later
// The normal build's stand-in for libFuzzer's driver: runs a target over every file of the
// folders (or the files) it is given, so the committed corpus and every crash input ever
// found are checked by each ordinary test run, with whatever compiler and sanitizers the
// build uses. A target that breaks one of its promises aborts, which fails the test.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void runOne(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    // An empty input gets a valid pointer, as libFuzzer gives it.
    static const std::uint8_t empty = 0;
    LLVMFuzzerTestOneInput(
        bytes.empty() ? &empty : reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& file : files) {
                runOne(file);
                ++inputs;
            }
        } else if (std::filesystem::is_regular_file(path, ec)) {
            runOne(path);
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    // No input at all means a wrong folder, not a passed check.
    return inputs > 0 ? 0 : 1;
}
