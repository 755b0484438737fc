#include "bankaccount/bound_field.h"

#include <algorithm>

namespace billpay::gui {

namespace {

bool Holds(const std::vector<BoundFieldEditor*>& editors, BoundFieldEditor* editor) {
    return std::find(editors.begin(), editors.end(), editor) != editors.end();
}

}  // namespace

BoundField::~BoundField() {
    const auto editors = std::move(editors_);
    editors_.clear();
    for (BoundFieldEditor* editor : editors) editor->BoundFieldDestroyed();
}

void BoundField::AddEditor(BoundFieldEditor* editor) {
    if (editor && !Holds(editors_, editor)) editors_.push_back(editor);
}

void BoundField::RemoveEditor(BoundFieldEditor* editor) {
    editors_.erase(std::remove(editors_.begin(), editors_.end(), editor), editors_.end());
}

// A notified editor may detach itself or another one; only editors still attached are told.
void BoundField::NotifyValueChanged() {
    const auto editors = editors_;
    for (BoundFieldEditor* editor : editors)
        if (Holds(editors_, editor)) editor->BoundValueChanged();
}

void BoundField::NotifyPosting() {
    const auto editors = editors_;
    for (BoundFieldEditor* editor : editors)
        if (Holds(editors_, editor)) editor->UpdateRecord();
}

}  // namespace billpay::gui
