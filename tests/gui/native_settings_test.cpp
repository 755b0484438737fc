// The settings on QSettings, pointed at a temporary per-user store.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>

#include "app/app_title.h"
#include "app/native_settings.h"
#include "app/settings_keys.h"

using namespace billpay::gui;

namespace {

class NativeSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        PointStoreAt(dir_.path());
    }
    void TearDown() override {
        RawStore().clear();
#ifdef Q_OS_WIN
        // The store is the registry here: leave no test key behind.
        QSettings("HKEY_CURRENT_USER\\Software", QSettings::NativeFormat).remove(organisation_);
#endif
        PointStoreAt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    static void PointStoreAt(const QString& path) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }

    // A test organisation of its own, so that on Windows no real key is touched.
    QSettings RawStore() const {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation_, kApplicationTitle);
    }
    void Store(const QString& key, const QString& text) {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, organisation_, kApplicationTitle);
        raw.setValue(key, text);
        raw.sync();
    }

    QTemporaryDir dir_;
    const QString organisation_ = "VorlaTest-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    NativeSettings settings_{organisation_, kApplicationTitle};
};

TEST_F(NativeSettingsTest, WritesEveryValueAsText) {
    WriteSetting(settings_, settings_keys::kBankSystem, 20);
    WriteSetting(settings_, settings_keys::kConfidential, true);
    settings_.WriteBool("Settings", "Other", false);
    settings_.WriteInteger("Settings", "Negative", -3);
    WriteSetting(settings_, settings_keys::kLastFileProcessed, "C:\\Pay\\Week 1.ABA");

    const struct {
        const char* key;
        const char* stored;
    } cases[] = {
        {"FormatSettings/BankSystem", "20"},
        {"Settings/Confidential", "1"},
        {"Settings/Other", "0"},
        {"Settings/Negative", "-3"},
        {"Files/LastFileProcessed", "C:\\Pay\\Week 1.ABA"},
    };
    QSettings raw = RawStore();
    for (const auto& c : cases) {
        const QVariant value = raw.value(c.key);
        EXPECT_EQ(value.typeId(), QMetaType::QString) << c.key;
        EXPECT_EQ(value.toString(), QString(c.stored)) << c.key;
    }
}

#ifndef Q_OS_WIN
TEST_F(NativeSettingsTest, DefaultStoreIsTheOrganisationsFileWithSectionsAsGroups) {
    NativeSettings application;  // the real organisation and application, in the temporary directory
    application.WriteInteger("FormatSettings", "BankSystem", 0);
    QFile file(dir_.filePath("Vorla/Vorla Bill Payment Utility.conf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("[FormatSettings]\nBankSystem=0\n")) << text.toStdString();
}
#endif

TEST_F(NativeSettingsTest, StoredTextsReadAsNumbersAndFlags) {
    const struct {
        const char* stored;
        int defaultValue;
        int integer;
        bool flag;  // read with default false
    } cases[] = {
        {"0", -1, 0, false},    {"1", -1, 1, true},           {"2", -1, 2, true},
        {"-1", 5, -1, true},    {"abc", -1, -1, false},       {"", 7, 7, false},
        {"12x", -1, -1, false}, {"99999999999", 4, 4, false}, {"true", 0, 0, false},
    };
    for (const auto& c : cases) {
        Store("Settings/Value", c.stored);
        EXPECT_EQ(settings_.ReadInteger("Settings", "Value", c.defaultValue), c.integer) << c.stored;
        EXPECT_EQ(settings_.ReadBool("Settings", "Value", false), c.flag) << c.stored;
        EXPECT_EQ(settings_.ReadString("Settings", "Value", "default"), QString(c.stored)) << c.stored;
    }
}

TEST_F(NativeSettingsTest, MissingValuesAndSectionsReadTheirDefaults) {
    Store("Files/ExportFile", "C:\\out.txt");  // the section exists, the value does not
    EXPECT_EQ(ReadSetting(settings_, settings_keys::kLastFileProcessed),
              "<Please select a file to process...>");
    EXPECT_EQ(ReadSetting(settings_, settings_keys::kLastFileProcessedForBrowse), "C:\\Bankfile.ABA");
    EXPECT_EQ(ReadSetting(settings_, settings_keys::kBankSystem), -1);
    EXPECT_FALSE(ReadSetting(settings_, settings_keys::kConfidential));
    EXPECT_TRUE(settings_.ReadBool("NoSuchSection", "Confidential", true));
    EXPECT_EQ(ReadSetting(settings_, settings_keys::kBatchNo), "");
}

TEST_F(NativeSettingsTest, EveryReadSeesTheLastWriteFromAnyWriter) {
    NativeSettings other(organisation_, kApplicationTitle);
    WriteSetting(settings_, settings_keys::kBatchNo, "123");
    EXPECT_EQ(ReadSetting(other, settings_keys::kBatchNo), "123");
    Store("Settings/BatchNo", "456");
    EXPECT_EQ(ReadSetting(settings_, settings_keys::kBatchNo), "456");
    WriteSetting(other, settings_keys::kBatchNo, "");
    EXPECT_EQ(settings_.ReadString("Settings", "BatchNo", "default"), "");  // empty, not missing
}

TEST_F(NativeSettingsTest, NamesThatWouldReachAnotherKeyAreRefused) {
    EXPECT_THROW(settings_.WriteString("", "BatchNo", "1"), SettingsError);
    EXPECT_THROW(settings_.WriteString("Settings", "", "1"), SettingsError);
    EXPECT_THROW(settings_.WriteString("Settings/Files", "BatchNo", "1"), SettingsError);
    EXPECT_THROW(settings_.WriteString("Settings", "a\\b", "1"), SettingsError);
    Store("Settings/BatchNo", "stored");
    EXPECT_EQ(settings_.ReadString("Settings/", "BatchNo", "default"), "default");
    EXPECT_TRUE(RawStore().childKeys().isEmpty());  // nothing landed at the top of the store
}

#ifndef Q_OS_WIN
TEST_F(NativeSettingsTest, WriteToAStoreThatCannotBeCreatedThrowsWithTheName) {
    // A plain file where the store's folder must go: no one, not even an
    // administrator, can create the store there.
    QFile blocker(dir_.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PointStoreAt(dir_.filePath("blocker/settings"));
    NativeSettings unwritable(organisation_, kApplicationTitle);

    try {
        unwritable.WriteString("Settings", "BatchNo", "123");
        FAIL() << "no error";
    } catch (const SettingsError& error) {
        EXPECT_NE(std::string(error.what()).find("Settings\\BatchNo"), std::string::npos) << error.what();
    }
    EXPECT_THROW(unwritable.WriteBool("Settings", "Confidential", true), SettingsError);
    EXPECT_EQ(unwritable.ReadString("Settings", "BatchNo", "default"), "default");
}
#endif

}  // namespace
