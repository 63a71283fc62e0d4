// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawFile.h"

#include "commands/DrawReading.h"
#include "support/FailingFileLayer.h"
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
    file.replace(two);
    EXPECT_EQ(file.readAll().records, two);
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

TEST_F(DrawFileTest, ReplacementFailingHalfwayKeepsTheOriginal) {
    file.createWithSeed();
    const std::string original = readBytes(file.path());
    // A full disk halfway through the temporary file.
    FailingFileLayer layer = FailingFileLayer::afterBytes(100);
    const FileLayerOverride failing(layer);
    std::vector<DrawRecord> many(1000, DrawRecord::seed());
    try {
        file.replace(many);
        ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
        // The temporary file, the draw file and the reason are named.
        const std::string text = e.what();
        EXPECT_NE(text.find("temporären Datei \"" + folder.path().string() + "/.ZahlenKav.dat."),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("Kein Speicherplatz mehr auf dem Gerät"), std::string::npos) << text;
        EXPECT_NE(text.find("ZahlenKav.dat\" ist unverändert."), std::string::npos) << text;
    }
    EXPECT_EQ(readBytes(file.path()), original);
    EXPECT_EQ(temporaryFilesIn(folder.path()), std::vector<std::string>{});
}

TEST_F(DrawFileTest, TheStateTellsMissingFromEmptyFromAFolder) {
    EXPECT_EQ(file.state(), DrawFileState::Missing);
    writeBytes(file.path(), "");
    EXPECT_EQ(file.state(), DrawFileState::NoWholeRecord);
    writeBytes(file.path(), std::string(15, 'x'));
    EXPECT_EQ(file.state(), DrawFileState::NoWholeRecord);
    writeBytes(file.path(), std::string(16, 'x'));
    EXPECT_EQ(file.state(), DrawFileState::HoldsDraws);
    std::filesystem::remove(file.path());
    std::filesystem::create_directory(file.path());
    EXPECT_EQ(file.state(), DrawFileState::NotAFile);
    // A folder is no missing file: its read says what it is.
    try {
        file.readAll();
        ADD_FAILURE() << "read a folder";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("Das ist ein Verzeichnis"), std::string::npos)
            << e.what();
    }
}

// `init`, the first start and an update without draws: a file without a whole record gets
// the seed draw, or the draws a cut-off rebuild left in its backup.
TEST_F(DrawFileTest, ProvidingTheSeedDraw) {
    const auto seed = DrawRecord::seed().encode();
    const std::string seedBytes(seed.begin(), seed.end());
    const std::vector<DrawRecord> old{DrawRecord::seed(), draw(38395.0, {1, 2, 3, 4, 5}, 1)};
    const struct {
        const char* name;
        std::optional<std::string> before; // nullopt: no file
        bool backup;
        DrawFile::Provided expected;
    } cases[] = {
        {"missing", std::nullopt, false, DrawFile::Provided::Created},
        {"empty", "", false, DrawFile::Provided::Created},
        {"fragment", "ABCDEFG", false, DrawFile::Provided::Created},
        {"holds draws", seedBytes + "X", false, DrawFile::Provided::Present},
        {"missing after a cut-off rebuild", std::nullopt, true, DrawFile::Provided::Restored},
        {"empty after a cut-off rebuild", "", true, DrawFile::Provided::Restored},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryFolder here;
        const DrawFile f(here.path());
        if (c.before)
            writeBytes(f.path(), *c.before);
        if (c.backup) {
            std::string bytes;
            for (const DrawRecord& r : old) {
                const auto e = r.encode();
                bytes.append(e.begin(), e.end());
            }
            writeBytes(here.path() / DrawFile::kBackupName, bytes);
        }
        EXPECT_EQ(f.provideWithSeed(), c.expected);
        if (c.expected == DrawFile::Provided::Created) {
            EXPECT_EQ(readBytes(f.path()), seedBytes);
        }
        if (c.expected == DrawFile::Provided::Present) {
            EXPECT_EQ(readBytes(f.path()), *c.before);
        }
        if (c.expected == DrawFile::Provided::Restored) {
            EXPECT_EQ(f.readAll().records, old);
            EXPECT_FALSE(std::filesystem::exists(here.path() / DrawFile::kBackupName));
        }
    }
    std::filesystem::create_directory(file.path());
    EXPECT_THROW(file.provideWithSeed(), IoError);
}

TEST_F(DrawFileTest, TheSeedDrawIsNeverLeftHalfWritten) {
    // A full disk at every byte of the seed record, and a failing sync, close or rename.
    std::vector<FailingFileLayer> failures;
    for (std::size_t n = 0; n < kRecordSize; ++n)
        failures.push_back(FailingFileLayer::afterBytes(n));
    for (const auto step : {FailingFileLayer::Step::Sync, FailingFileLayer::Step::Close,
                            FailingFileLayer::Step::Rename})
        failures.emplace_back(step, 1, EIO);
    for (FailingFileLayer& layer : failures) {
        TemporaryFolder here;
        const DrawFile f(here.path());
        {
            const FileLayerOverride failing(layer);
            EXPECT_THROW(f.provideWithSeed(), IoError);
        }
        EXPECT_EQ(f.state(), DrawFileState::Missing);
        EXPECT_EQ(temporaryFilesIn(here.path()), std::vector<std::string>{});
        // The next try succeeds as if nothing had happened.
        EXPECT_EQ(f.provideWithSeed(), DrawFile::Provided::Created);
    }
}

TEST_F(DrawFileTest, AFailedAppendLeavesNoPartOfTheRecord) {
    file.createWithSeed();
    const std::string original = readBytes(file.path());
    const DrawRecord next = draw(38395.0, {1, 2, 3, 4, 5}, 0);
    for (std::size_t n = 0; n < kRecordSize; ++n) {
        FailingFileLayer layer = FailingFileLayer::afterBytes(n);
        const FileLayerOverride failing(layer);
        EXPECT_THROW(file.append(next), IoError);
        EXPECT_EQ(readBytes(file.path()), original) << n;
    }
    // A failed sync takes the record out again: the entry is reported as not stored.
    FailingFileLayer syncFails(FailingFileLayer::Step::Sync, 1, EIO);
    {
        const FileLayerOverride failing(syncFails);
        EXPECT_THROW(file.append(next), IoError);
    }
    EXPECT_EQ(readBytes(file.path()), original);
    file.append(next);
    EXPECT_EQ(file.readAll().size(), 2u);
}

TEST_F(DrawFileTest, AppendsAreSyncedBeforeTheyReturn) {
    FailingFileLayer counting;
    const FileLayerOverride layer(counting);
    file.append(DrawRecord::seed());
    EXPECT_EQ(counting.calls(FailingFileLayer::Step::Sync), 2u); // the new file's folder, the file
    file.append(draw(38395.0, {1, 2, 3, 4, 5}, 0));
    EXPECT_EQ(counting.calls(FailingFileLayer::Step::Sync), 3u);
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
    readDrawFile(ws.program);
    readDrawFile(ws.program);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("beschädigte"), std::string::npos);
}

} // namespace
} // namespace kav::test
