#pragma once

#include <stdexcept>

#include <QString>

namespace billpay::gui {

// A value that could not be written to the settings store. It carries the
// section and value name; the application's general error box shows it and
// the user action in progress ends there.
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The per-user settings: sections, each holding named values stored as
// strings. Every call opens the store, reads or writes one value and closes
// it again; nothing is cached, so every read sees the last write.
class Settings {
public:
    virtual ~Settings() = default;

    virtual QString ReadString(const QString& section, const QString& name, const QString& defaultValue) = 0;
    // Decimal text; the default when the stored text is not an integer.
    virtual int ReadInteger(const QString& section, const QString& name, int defaultValue) = 0;
    // Read as an integer, non-zero meaning true.
    virtual bool ReadBool(const QString& section, const QString& name, bool defaultValue) = 0;

    // Throw SettingsError when the value cannot be written.
    virtual void WriteString(const QString& section, const QString& name, const QString& value) = 0;
    virtual void WriteInteger(const QString& section, const QString& name, int value) = 0;  // decimal text
    virtual void WriteBool(const QString& section, const QString& name, bool value) = 0;    // "0" or "1"
};

}  // namespace billpay::gui
