// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawFile.h"

#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

class DrawFileTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    DrawFile file{folder.path()};
};

TEST(DrawRecordBytes, SeedDrawIsByteExact) {
    const auto bytes = DrawRecord::seed().encode();
    // 38389.0 as a little-endian binary64, then 34 42 47 48 51, 0, key 5, 0.
    const std::array<std::uint8_t, 16> expected{0x00, 0x00, 0x00, 0x00, 0xA0, 0xBE, 0xE2, 0x40,
                                                34,   42,   47,   48,   51,   0,    5,    0};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(DrawRecord::decode(expected.data()), DrawRecord::seed());
    EXPECT_DOUBLE_EQ(DrawRecord::seed().date, 38389.0);
}

TEST_F(DrawFileTest, CreateWithSeedWritesExactlyOneRecord) {
    EXPECT_FALSE(file.exists());
    file.createWithSeed();
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(std::filesystem::file_size(file.path()), 16u);
    const DrawSnapshot s = file.readAll();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s.records[0], DrawRecord::seed());
}

TEST_F(DrawFileTest, EmptyAndMissingFiles) {
    EXPECT_THROW(file.readAll(), IoError);
    writeBytes(file.path(), "");
    EXPECT_TRUE(file.readAll().empty());
}

TEST_F(DrawFileTest, TrailingFragmentIsNeverReadAndAppendingOverwritesIt) {
    const auto seed = DrawRecord::seed().encode();
    writeBytes(file.path(), std::string(seed.begin(), seed.end()) + "X");
    ASSERT_EQ(std::filesystem::file_size(file.path()), 17u);
    EXPECT_EQ(file.readAll().size(), 1u);

    const DrawRecord next = draw(38395.0, {1, 2, 3, 4, 5}, 0);
    file.append(next);
    EXPECT_EQ(std::filesystem::file_size(file.path()), 32u);
    const DrawSnapshot s = file.readAll();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s.records[1], next);
}

TEST_F(DrawFileTest, UpdaterCreatesAMissingFileAndKnowsTheLastRecord) {
    DrawFile::Updater updater(file);
    EXPECT_EQ(updater.recordCount(), 0u);
    EXPECT_FALSE(updater.lastRecord());
    updater.append(DrawRecord::seed());
    EXPECT_EQ(updater.lastRecord(), DrawRecord::seed());
    updater.close();
    EXPECT_EQ(file.readAll().size(), 1u);
}

TEST_F(DrawFileTest, ReplacementReplacesOnlyAfterACompleteWrite) {
    file.createWithSeed();
    const std::vector<DrawRecord> two{DrawRecord::seed(), draw(38395.0, {1, 2, 3, 4, 5}, 1)};
    file.replaceViaTemporary(DrawFile::kMergeTemporary, two);
    EXPECT_EQ(file.readAll().records, two);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / DrawFile::kMergeTemporary));
}

TEST_F(DrawFileTest, ReplacementFailingHalfwayKeepsTheOriginal) {
    file.createWithSeed();
    const std::string original = readBytes(file.path());
    // The temporary name leads to a device that accepts the open and fails every write
    // with "no space left", as a full disk does halfway through.
    std::filesystem::create_symlink("/dev/full", folder.path() / DrawFile::kDeleteTemporary);
    std::vector<DrawRecord> many(1000, DrawRecord::seed());
    EXPECT_THROW(file.replaceViaTemporary(DrawFile::kDeleteTemporary, many), IoError);
    EXPECT_EQ(readBytes(file.path()), original);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / DrawFile::kDeleteTemporary));
}

TEST_F(DrawFileTest, ReplacementIntoAnUnwritableTemporaryKeepsTheOriginal) {
    file.createWithSeed();
    // A folder in the temporary file's place cannot be opened for writing.
    std::filesystem::create_directory(folder.path() / DrawFile::kMergeTemporary);
    EXPECT_THROW(file.replaceViaTemporary(DrawFile::kMergeTemporary,
                                          std::vector<DrawRecord>{DrawRecord::seed()}),
                 IoError);
    EXPECT_EQ(file.readAll().size(), 1u);
}

TEST_F(DrawFileTest, DamagedRecordsAreCountedAndKept) {
    DrawRecord badNumber = DrawRecord::seed();
    badNumber.slotValues[2] = 99;
    DrawRecord badKey = DrawRecord::seed();
    badKey.slotValues[6] = 10;
    DrawRecord zero = DrawRecord::seed();
    zero.slotValues[0] = 0;
    std::string bytes;
    for (const DrawRecord& r : {DrawRecord::seed(), badNumber, badKey, zero}) {
        const auto e = r.encode();
        bytes.append(e.begin(), e.end());
    }
    writeBytes(file.path(), bytes);
    const DrawSnapshot s = file.readAll();
    EXPECT_EQ(s.size(), 4u);
    EXPECT_EQ(s.damagedRecords, 3);
    EXPECT_TRUE(s.records[0].isValid());
    EXPECT_FALSE(s.records[1].isValid());
    EXPECT_FALSE(s.records[2].isValid());
    EXPECT_FALSE(s.records[3].isValid());
}

class DamagedFileNotice : public WorkspaceTest {};

TEST_F(DamagedFileNotice, TheUserIsToldOncePerRun) {
    DrawRecord bad = DrawRecord::seed();
    bad.slotValues[4] = 200;
    writeDraws({DrawRecord::seed(), bad});
    ws.readDraws();
    ws.readDraws();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("beschädigte"), std::string::npos);
}

} // namespace
} // namespace kav::test
