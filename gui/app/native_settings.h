#pragma once

#include <QString>

#include "app/settings.h"

namespace billpay::gui {

// The settings in the user's native store through QSettings: on Windows the
// registry key HKEY_CURRENT_USER\Software\<organisation>\<application>, a
// subkey per section and a string value per name; elsewhere Qt's per-user
// settings file for the same organisation and application.
//
// Every value is stored as text, numbers as their decimal digits and flags as
// "0" or "1", so the store holds the same forms on every platform. Each call
// opens the store afresh, and each write is flushed before it returns.
class NativeSettings final : public Settings {
public:
    NativeSettings();  // the application's own store
    NativeSettings(QString organisation, QString application);

    QString ReadString(const QString& section, const QString& name, const QString& defaultValue) override;
    int ReadInteger(const QString& section, const QString& name, int defaultValue) override;
    bool ReadBool(const QString& section, const QString& name, bool defaultValue) override;

    void WriteString(const QString& section, const QString& name, const QString& value) override;
    void WriteInteger(const QString& section, const QString& name, int value) override;
    void WriteBool(const QString& section, const QString& name, bool value) override;

private:
    QString organisation_;
    QString application_;
};

}  // namespace billpay::gui
