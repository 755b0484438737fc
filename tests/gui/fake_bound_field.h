#pragma once

#include <QString>
#include <QStringList>

#include "bankaccount/bound_field.h"

namespace billpay::gui::testing {

// One text field of a one-record source: the value, the value as last posted, and the record's
// edit state. Post and Cancel behave as a record's post and cancel.
class FakeBoundField : public BoundField {
public:
    QString value;
    QString posted;
    bool required = false;
    bool editing = false;
    bool editable = true;
    bool refuseWrites = false;
    int editCalls = 0;
    QStringList writes;  // every value the editor wrote

    QString Text() const override { return value; }
    void SetText(const QString& text) override {
        if (refuseWrites) throw BoundFieldError("Field 'Account' refuses the value");
        value = text;
        writes << text;
        NotifyValueChanged();
    }
    bool Required() const override { return required; }
    bool Editing() const override { return editing; }
    bool Edit() override {
        ++editCalls;
        if (!editable) return false;
        editing = true;
        return true;
    }

    // Makes another record current, holding `text`.
    void Load(const QString& text) {
        value = posted = text;
        editing = false;
        NotifyValueChanged();
    }
    void Post() {
        NotifyPosting();
        if (required && value.isEmpty()) throw BoundFieldError("Field 'Account' must have a value");
        posted = value;
        editing = false;
    }
    void Cancel() {
        value = posted;
        editing = false;
        NotifyValueChanged();
    }
};

}  // namespace billpay::gui::testing
