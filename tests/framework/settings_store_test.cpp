#include "framework/settings_store.h"

#include <array>
#include <string>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/case_name.h"
#include "tests/support/private_mount.h"

using namespace pemlar;
using fw::SettingsProblem;

namespace {

using pemlar::test::PrintTo;

struct StoredChoices {
    std::int32_t port = 0;
    std::int32_t label = 0;
};

// The store the test is looking at (the fixture's own file).
fw::SettingsPlace place;

// The program's two values, as the main dialog keeps them.
SettingsProblem readStoredSettings(StoredChoices& choices) {
    std::array<fw::SettingsValue, 2> values = {{
        {"Selcted_Com", choices.port},
        {"Selcted_Lab", choices.label},
    }};
    const SettingsProblem problem = fw::openSettingsStore(place)->loadOrCreate(values);
    choices.port = values[0].value;
    choices.label = values[1].value;
    return problem;
}
SettingsProblem storePortSetting(std::int32_t port) {
    return fw::openSettingsStore(place)->save("Selcted_Com", port);
}
SettingsProblem storeLabelSetting(std::int32_t label) {
    return fw::openSettingsStore(place)->save("Selcted_Lab", label);
}

// Each test gets its own store in a temporary folder, never the user's real one.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { place = {"Software\\Nirvel\\Pemlar", storeFile().toStdString()}; }
    void TearDown() override { place = {}; }

    QString storeFolder() const { return dir_.filePath(QStringLiteral("Nirvel")); }
    QString storeFile() const { return storeFolder() + QStringLiteral("/Pemlar.conf"); }

    void writeStore(const std::string& text) {
        ASSERT_TRUE(QDir().mkpath(storeFolder()));
        QFile file(storeFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
    std::string storeText() const {
        QFile file(storeFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }
    bool storeHas(const std::string& line) const {
        return storeText().find(line + "\n") != std::string::npos;
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsStoreTest, StoredValuesAreReadAndNotWrittenAgain) {
    const std::string stored = "[General]\nSelcted_Com=3\nSelcted_Lab=-2\n";
    writeStore(stored);
    StoredChoices choices;
    EXPECT_EQ(readStoredSettings(choices), SettingsProblem::None);
    EXPECT_EQ(choices.port, 3);
    EXPECT_EQ(choices.label, -2);
    EXPECT_EQ(storeText(), stored);
}

TEST_F(SettingsStoreTest, ADamagedStoreIsReadAsFarAsPossibleAndRepaired) {
    writeStore("[General\nSelcted_Com=3\n\xFF\xFE=\x01\n");
    StoredChoices choices{9, 9};
    EXPECT_EQ(readStoredSettings(choices), SettingsProblem::None);
    EXPECT_EQ(choices.port, 3);
    EXPECT_EQ(choices.label, 0);
    EXPECT_TRUE(storeHas("Selcted_Lab=0")) << storeText();
    EXPECT_EQ(storePortSetting(6), SettingsProblem::None);
    EXPECT_TRUE(storeHas("Selcted_Com=6")) << storeText();
}

struct MissingCase {
    const char* name;
    const char* stored;
};

class SettingsNotANumberTest : public SettingsStoreTest,
                               public ::testing::WithParamInterface<MissingCase> {};

TEST_P(SettingsNotANumberTest, CountsAsMissing) {
    writeStore(std::string("[General]\nSelcted_Com=") + GetParam().stored + "\nSelcted_Lab=4\n");
    StoredChoices choices{9, 9};
    EXPECT_EQ(readStoredSettings(choices), SettingsProblem::None);
    EXPECT_EQ(choices.port, 0);
    EXPECT_EQ(choices.label, 4);
    EXPECT_TRUE(storeHas("Selcted_Com=0")) << storeText();
    EXPECT_TRUE(storeHas("Selcted_Lab=4")) << storeText();
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsNotANumberTest,
                         ::testing::Values(MissingCase{"Word", "abc"}, MissingCase{"Empty", ""},
                                           MissingCase{"TooLarge", "4294967296"},
                                           MissingCase{"Fraction", "3.5"},
                                           MissingCase{"List", "1, 2"}),
                         pemlar::test::caseName);

TEST_F(SettingsStoreTest, SavingWritesAtOnce) {
    StoredChoices choices;
    ASSERT_EQ(readStoredSettings(choices), SettingsProblem::None);
    EXPECT_EQ(storePortSetting(5), SettingsProblem::None);
    EXPECT_TRUE(storeHas("Selcted_Com=5")) << storeText();
    EXPECT_EQ(storeLabelSetting(2), SettingsProblem::None);
    EXPECT_TRUE(storeHas("Selcted_Lab=2")) << storeText();
    EXPECT_TRUE(storeHas("Selcted_Com=5")) << storeText();
}

TEST_F(SettingsStoreTest, AStoreThatIsAFolderCantBeOpened) {
    ASSERT_TRUE(QDir().mkpath(storeFile()));
    StoredChoices choices{3, 1};
    EXPECT_EQ(readStoredSettings(choices), SettingsProblem::NoAccess);
    EXPECT_EQ(choices.port, 3);
    EXPECT_EQ(storePortSetting(4), SettingsProblem::NoAccess);
}

TEST_F(SettingsStoreTest, AValueThatCantBeWrittenIsReported) {
    writeStore("[General]\nSelcted_Com=3\n");
    const std::string folder = storeFolder().toStdString();
    const std::string file = storeFile().toStdString();
    const auto outcome = runWithPrivateMounts([&]() -> std::string {
        // The file itself stays writable, but nothing new can be created beside it.
        if (auto error = remountReadOnly(folder); !error.empty()) {
            return error;
        }
        if (auto error = remountWritable(file); !error.empty()) {
            return error;
        }
        StoredChoices choices;
        if (const auto warning = readStoredSettings(choices);
            warning != SettingsProblem::NotWritten) {
            return "loading gave warning " + std::to_string(static_cast<int>(warning));
        }
        if (choices.port != 3) {
            return "the stored port was not kept";
        }
        if (const auto warning = storePortSetting(4); warning != SettingsProblem::NotWritten) {
            return "saving gave warning " + std::to_string(static_cast<int>(warning));
        }
        return {};
    });
    if (!outcome.available) {
        GTEST_SKIP() << "read-only bind mounts are not possible here: " << outcome.detail;
    }
    EXPECT_EQ(outcome.detail, "");
}

TEST(SettingsWarningText, IsTheFixedEnglishText) {
    EXPECT_EQ(fw::settingsProblemText(SettingsProblem::NoAccess), "  No registry-access possible!");
    EXPECT_EQ(fw::settingsProblemText(SettingsProblem::NotWritten), "  Could not create entries!");
    EXPECT_EQ(fw::settingsProblemText(SettingsProblem::None), "");
    EXPECT_EQ(fw::kSettingsWarningCaption, "Warning");
}

}  // namespace
