#include "app/option_text_validator.h"

#include <QLineEdit>

#include "bankfile/conversion_page.h"

namespace billpay::gui {

bool IsAcceptedOptionCharacter(QChar c) {
    return c.category() != QChar::Other_Control;
}

OptionTextValidator::OptionTextValidator(QLineEdit* field) : QValidator(field), field_(field) {
    QObject::connect(field, &QLineEdit::textChanged, this,
                     [this](const QString& text) { lastLength_ = text.size(); });
}

void OptionTextValidator::SetProgramText(const QString& text) {
    // The length the next edit starts from: a longer text than the maximum
    // is then acceptable as it stands, and an edit may shorten it.
    lastLength_ = text.size();
    field_->setText(text);
}

QValidator::State OptionTextValidator::validate(QString& input, int&) const {
    for (const QChar c : input) {
        if (!IsAcceptedOptionCharacter(c)) return Invalid;
    }
    if (input.size() > maximum_ && input.size() > lastLength_) return Invalid;
    return Acceptable;
}

}  // namespace billpay::gui
