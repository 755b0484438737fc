#include "app/native_settings.h"

#include <utility>

#include <QSettings>

#include "app/app_title.h"

namespace billpay::gui {

namespace {

// A section or name that is empty or holds a key separator would address
// another key than the one named, so it is never read or written.
bool IsPlainKeyPart(const QString& part) {
    return !part.isEmpty() && !part.contains(QLatin1Char('/')) && !part.contains(QLatin1Char('\\'));
}

QString KeyPath(const QString& section, const QString& name) {
    return section + QLatin1Char('/') + name;
}

[[noreturn]] void ThrowWriteError(const QString& section, const QString& name, const QString& reason) {
    throw SettingsError(QStringLiteral("Failed to write settings value \"%1\\%2\": %3")
                            .arg(section, name, reason)
                            .toStdString());
}

}  // namespace

NativeSettings::NativeSettings() : NativeSettings(kOrganisationName, kApplicationTitle) {}

NativeSettings::NativeSettings(QString organisation, QString application)
    : organisation_(std::move(organisation)), application_(std::move(application)) {}

QString NativeSettings::ReadString(const QString& section, const QString& name, const QString& defaultValue) {
    if (!IsPlainKeyPart(section) || !IsPlainKeyPart(name)) return defaultValue;
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, organisation_, application_);
    const QVariant value = store.value(KeyPath(section, name));
    if (!value.isValid()) return defaultValue;
    return value.toString();
}

int NativeSettings::ReadInteger(const QString& section, const QString& name, int defaultValue) {
    bool ok = false;
    const int value = ReadString(section, name, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool NativeSettings::ReadBool(const QString& section, const QString& name, bool defaultValue) {
    return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

void NativeSettings::WriteString(const QString& section, const QString& name, const QString& value) {
    if (!IsPlainKeyPart(section) || !IsPlainKeyPart(name))
        ThrowWriteError(section, name, "not a valid value name");
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, organisation_, application_);
    if (store.status() != QSettings::NoError)
        ThrowWriteError(section, name, "the settings store cannot be read");
    if (!store.isWritable()) ThrowWriteError(section, name, "the settings store is not writable");
    // A QString (never a number or a bool) so the registry holds a string value.
    store.setValue(KeyPath(section, name), value);
    store.sync();
    switch (store.status()) {
        case QSettings::NoError:
            return;
        case QSettings::AccessError:
            ThrowWriteError(section, name, "access denied");
        case QSettings::FormatError:
            ThrowWriteError(section, name, "the settings store is damaged");
    }
    ThrowWriteError(section, name, "unknown error");
}

void NativeSettings::WriteInteger(const QString& section, const QString& name, int value) {
    WriteString(section, name, QString::number(value));
}

void NativeSettings::WriteBool(const QString& section, const QString& name, bool value) {
    WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace billpay::gui
