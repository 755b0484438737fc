#pragma once

#include <stdexcept>
#include <vector>

#include <QString>

namespace billpay::gui {

// A bound field refused a value, or its record could not be posted.
class BoundFieldError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a bound field tells the control that edits it.
class BoundFieldEditor {
public:
    // The field's value changed, or another record became current: show the field's value.
    virtual void BoundValueChanged() = 0;
    // The record is about to be posted: hand the pending edit to the field. May throw
    // BoundFieldError, which stops the post.
    virtual void UpdateRecord() = 0;
    // The field is being destroyed; the editor must forget it.
    virtual void BoundFieldDestroyed() = 0;

protected:
    ~BoundFieldEditor() = default;
};

// One text field of the current record of some record source, as an entry control sees it.
// The source implements the value and the record state and calls the notifications, which reach
// every attached editor.
class BoundField {
public:
    BoundField() = default;
    BoundField(const BoundField&) = delete;
    BoundField& operator=(const BoundField&) = delete;
    virtual ~BoundField();

    virtual QString Text() const = 0;
    // Throws BoundFieldError when the field refuses the value.
    virtual void SetText(const QString& text) = 0;
    // A required field must hold a value when its record is posted.
    virtual bool Required() const = 0;
    // Whether the record is being edited or inserted.
    virtual bool Editing() const = 0;
    // Puts the record into edit state (nothing when it is in it already); false when the record
    // cannot be edited.
    virtual bool Edit() = 0;

    void AddEditor(BoundFieldEditor* editor);
    void RemoveEditor(BoundFieldEditor* editor);

protected:
    // Implementations call this after the value changed or the current record moved.
    void NotifyValueChanged();
    // Implementations call this first thing when the record is posted; it lets the editor's
    // failure through, so that the post can stop.
    void NotifyPosting();

private:
    std::vector<BoundFieldEditor*> editors_;
};

}  // namespace billpay::gui
