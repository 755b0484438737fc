#include <gtest/gtest.h>

#include "fake_dialogs.h"
#include "memory_settings.h"

using namespace billpay::gui;
using namespace billpay::gui::testing;

TEST(TestDoubles, SaveAnswerRefusedByTheHookKeepsTheDialogOpen) {
    FakeDialogBox dialogs;
    dialogs.saveAnswers = {SaveFileChoice{"too long", 1}, SaveFileChoice{"ok", 2}};
    const auto choice = dialogs.SaveFile(nullptr, {}, [](const QString& name) { return name == "ok"; });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->fileName, "ok");
    EXPECT_EQ(dialogs.refusedByHook, 1);
    EXPECT_EQ(dialogs.LastSaveFileName(), "ok");
}

TEST(TestDoubles, MemorySettingsStoreTexts) {
    MemorySettings settings;
    settings.WriteBool("Settings", "Confidential", true);
    settings.values["FormatSettings/BankSystem"] = "abc";
    EXPECT_EQ(settings.Value("Settings", "Confidential"), "1");
    EXPECT_EQ(settings.ReadInteger("FormatSettings", "BankSystem", -1), -1);
    settings.failWrites = true;
    EXPECT_THROW(settings.WriteString("Files", "ExportFile", "x"), SettingsError);
}
