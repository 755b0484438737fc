#pragma once

#include <QValidator>

class QLineEdit;

namespace billpay::gui {

// The typing rules of a conversion option field: control characters are
// refused whether typed or pasted, and typing cannot take the text beyond the
// field's maximum length. A longer text put in by the program (a remembered
// value) is shown as it stands and may be shortened, but not lengthened.
class OptionTextValidator final : public QValidator {
    Q_OBJECT

public:
    explicit OptionTextValidator(QLineEdit* field);

    void setMaximumLength(int maximum) { maximum_ = maximum; }
    int maximumLength() const { return maximum_; }

    // Puts a text into the field as the program's, not the user's: it is
    // shown as it stands, however long.
    void SetProgramText(const QString& text);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* field_;
    int maximum_ = 0;
    qsizetype lastLength_ = 0;  // the length of the field's text before the edit
};

// True for a character an option field takes (no control character).
bool IsAcceptedOptionCharacter(QChar c);

}  // namespace billpay::gui
