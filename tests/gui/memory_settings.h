#pragma once

// Settings held in memory for widget tests: every value stored as the text
// the real store would hold, every write recorded, writes that can be made to fail.

#include <QMap>
#include <QString>
#include <QStringList>

#include "app/settings.h"

namespace billpay::gui::testing {

class MemorySettings final : public Settings {
public:
    QString ReadString(const QString& section, const QString& name, const QString& defaultValue) override {
        reads << Key(section, name);
        return values.value(Key(section, name), defaultValue);
    }
    int ReadInteger(const QString& section, const QString& name, int defaultValue) override {
        bool ok = false;
        const int value = ReadString(section, name, QString()).toInt(&ok);
        return ok ? value : defaultValue;
    }
    bool ReadBool(const QString& section, const QString& name, bool defaultValue) override {
        return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
    }
    void WriteString(const QString& section, const QString& name, const QString& value) override {
        if (failWrites) throw SettingsError(("Failed to write " + section + "\\" + name).toStdString());
        writes << Key(section, name) + "=" + value;
        values[Key(section, name)] = value;
    }
    void WriteInteger(const QString& section, const QString& name, int value) override {
        WriteString(section, name, QString::number(value));
    }
    void WriteBool(const QString& section, const QString& name, bool value) override {
        WriteString(section, name, value ? "1" : "0");
    }

    static QString Key(const QString& section, const QString& name) { return section + "/" + name; }
    QString Value(const QString& section, const QString& name) const {
        return values.value(Key(section, name));
    }
    bool Has(const QString& section, const QString& name) const {
        return values.contains(Key(section, name));
    }

    QMap<QString, QString> values;  // "Section/Name" -> stored text
    QStringList reads;              // "Section/Name" of every read, in order
    QStringList writes;             // "Section/Name=value" of every write, in order
    bool failWrites = false;
};

}  // namespace billpay::gui::testing
