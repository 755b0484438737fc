#pragma once

// Every remembered value of the wizard: its section, its value name and the
// default it reads as when it is missing (or, for numbers and flags, when the
// stored text is not a number). The wizard reads and writes them only through
// these keys, so each name and default appears once.

#include <QString>

#include "app/settings.h"

namespace billpay::gui {

struct StringSettingKey {
    const char* section;
    const char* name;
    const char* defaultValue;
};

struct IntegerSettingKey {
    const char* section;
    const char* name;
    int defaultValue;
};

struct BoolSettingKey {
    const char* section;
    const char* name;
    bool defaultValue;
};

namespace settings_keys {

// The ABA file last chosen with Browse. Read into the file field when the
// window is shown, with this default.
inline constexpr StringSettingKey kLastFileProcessed{"Files", "LastFileProcessed",
                                                     "<Please select a file to process...>"};
// The same value read by Browse for the dialog's initial directory and file name.
inline constexpr StringSettingKey kLastFileProcessedForBrowse{"Files", "LastFileProcessed",
                                                              "C:\\Bankfile.ABA"};
// The export file; empty means the conversion engine's default name for the format.
inline constexpr StringSettingKey kExportFile{"Files", "ExportFile", ""};
// Position of the banking format in the format list; -1 (none yet) counts as 0.
inline constexpr IntegerSettingKey kBankSystem{"FormatSettings", "BankSystem", -1};
// Conversion options, each shared by every format that offers the field.
inline constexpr StringSettingKey kBatchNo{"Settings", "BatchNo", ""};
inline constexpr StringSettingKey kPreFormatRef{"Settings", "PreFormatRef", ""};
inline constexpr BoolSettingKey kConfidential{"Settings", "Confidential", false};
inline constexpr StringSettingKey kPayeeReference{"Settings", "PayeeReference", ""};
inline constexpr StringSettingKey kPayeeParticulars{"Settings", "PayeeParticulars", ""};
inline constexpr StringSettingKey kPayeeCode{"Settings", "PayeeCode", ""};

}  // namespace settings_keys

inline QString ReadSetting(Settings& settings, const StringSettingKey& key) {
    return settings.ReadString(QString::fromLatin1(key.section), QString::fromLatin1(key.name),
                               QString::fromLatin1(key.defaultValue));
}
inline int ReadSetting(Settings& settings, const IntegerSettingKey& key) {
    return settings.ReadInteger(QString::fromLatin1(key.section), QString::fromLatin1(key.name),
                                key.defaultValue);
}
inline bool ReadSetting(Settings& settings, const BoolSettingKey& key) {
    return settings.ReadBool(QString::fromLatin1(key.section), QString::fromLatin1(key.name),
                             key.defaultValue);
}

inline void WriteSetting(Settings& settings, const StringSettingKey& key, const QString& value) {
    settings.WriteString(QString::fromLatin1(key.section), QString::fromLatin1(key.name), value);
}
inline void WriteSetting(Settings& settings, const IntegerSettingKey& key, int value) {
    settings.WriteInteger(QString::fromLatin1(key.section), QString::fromLatin1(key.name), value);
}
inline void WriteSetting(Settings& settings, const BoolSettingKey& key, bool value) {
    settings.WriteBool(QString::fromLatin1(key.section), QString::fromLatin1(key.name), value);
}

}  // namespace billpay::gui
