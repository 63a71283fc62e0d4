// SPDX-License-Identifier: GPL-3.0-or-later
// Every file of outside input is read whole, but only a regular file of its kind's size.
#include "base/InputFile.h"

#include "base/IoError.h"
#include "support/TemporaryFolder.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kav::test {
namespace {

namespace fs = std::filesystem;

std::string refusal(const fs::path& path, std::size_t limit) {
    try {
        readInputFile(path, limit);
    } catch (const IoError& e) {
        return e.what();
    }
    return {};
}

TEST(InputFile, ReadsARegularFileWhole) {
    TemporaryFolder folder;
    writeBytes(folder.path() / "a.csv", std::string("1,2\r\n\0x", 7));
    EXPECT_EQ(readInputFile(folder.path() / "a.csv", 7), std::string("1,2\r\n\0x", 7));
    EXPECT_NE(refusal(folder.path() / "fehlt.csv", 10).find("nicht gefunden"), std::string::npos);
}

// "import /dev/zero" once grew past 7 GB; "--sheet /dev/zero" and a settings file that is a
// FIFO never ended.
TEST(InputFile, RefusesWhatNoFileOfTheKindCouldBeBeforeReadingIt) {
    TemporaryFolder folder;
    const fs::path big = folder.path() / "gross.csv";
    writeBytes(big, "");
    fs::resize_file(big, std::uintmax_t{8} << 30); // sparse: nothing is written
    const std::string tooLarge = refusal(big, inputLimit::kDrawCsv);
    EXPECT_NE(tooLarge.find("gross.csv"), std::string::npos) << tooLarge;
    EXPECT_NE(tooLarge.find("16 MiB"), std::string::npos) << tooLarge;

    const fs::path fifo = folder.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& special : {fs::path("/dev/zero"), fifo, folder.path()}) {
        const std::string text = refusal(special, inputLimit::kTipFile);
        EXPECT_NE(text.find(special.string()), std::string::npos) << text;
        EXPECT_NE(text.find("Lesen"), std::string::npos) << text;
    }
}

TEST(InputFile, LimitsAreNamedAsPeopleReadThem) {
    EXPECT_EQ(sizeText(64 * 1024), "64 KiB");
    EXPECT_EQ(sizeText(std::size_t{16} << 20), "16 MiB");
    EXPECT_EQ(sizeText(1000), "1000 Bytes");
}

} // namespace
} // namespace kav::test
