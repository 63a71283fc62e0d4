// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/KlickwerkSettings.h"

#include "base/SettingsValues.h"
#include "support/FakeSecretStore.h"
#include "support/WorkspaceFixture.h"

#include <sys/stat.h>

namespace kav::test {
namespace {

class KlickwerkStore : public WorkspaceTest {
protected:
    std::filesystem::path file = folder.path() / "Velmor" / "Klickwerk.conf";
    FakeSecretStore secrets;
    KlickwerkSettings settings{file, secrets};
};

// Reading a missing key creates nothing; the first write creates it for the user alone.
TEST_F(KlickwerkStore, TheFirstWriteCreatesAKeyThatOnlyTheUserCanRead) {
    EXPECT_EQ(settings.read("Path"), "");
    EXPECT_EQ(settings.read("KavantoText2"), "");
    EXPECT_FALSE(std::filesystem::exists(file));
    settings.write({{"KavantoZahl1", "12"}});
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(KlickwerkStore, TextValuesGoToTheFileAndAWrongTypeReadsAsEmpty) {
    settings.write({{"KavantoZahl1", "12"}});
    settings.write({{"KavantoText1", "a=b\nc"}});
    EXPECT_EQ(settings.read("KavantoZahl1"), "12");
    EXPECT_EQ(settings.read("KavantoText1"), "a=b\nc");
    SettingsValues values = readSettingsFile(file);
    values["Path"] = SettingValue::ofInteger(3);
    ASSERT_TRUE(writeSettingsFile(file, values));
    EXPECT_EQ(settings.read("Path"), "");
}

TEST_F(KlickwerkStore, ThePasswordGoesToTheSecretStoreAndAnEmptyOneRemovesIt) {
    settings.write({{"KavantoText2", "geheim"}});
    EXPECT_EQ(secrets.secrets.at("KavantoText2"), "geheim");
    EXPECT_EQ(settings.read("KavantoText2"), "geheim");
    EXPECT_EQ(readBytes(file).find("geheim"), std::string::npos);
    settings.write({{"KavantoText2", ""}});
    EXPECT_TRUE(secrets.secrets.empty());
    EXPECT_FALSE(settings.takeSessionOnlyNotice());
}

TEST_F(KlickwerkStore, WithoutASecretStoreAnEmptyPasswordNeedsNoNotice) {
    secrets.available = false;
    settings.write({{"KavantoText2", ""}});
    EXPECT_FALSE(settings.takeSessionOnlyNotice());
    settings.write({{"KavantoText2", "x"}});
    EXPECT_TRUE(settings.takeSessionOnlyNotice());
    settings.write({{"KavantoText2", "y"}});
    EXPECT_FALSE(settings.takeSessionOnlyNotice()); // once per run
    EXPECT_EQ(settings.read("KavantoText2"), "y");
}

} // namespace
} // namespace kav::test
