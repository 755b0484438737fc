#pragma once

#include <string_view>
#include <utility>
#include <variant>

#include <QLatin1StringView>
#include <QString>

namespace billpay::gui {

// The text of one printed run: either a text of its own (implicitly shared, so
// taking a line of a string list costs no copy) or a view of single-byte text
// held elsewhere, such as a line of the converted bank file. A view must
// outlive the prepared report that holds it; the reports print lists that live
// until their preview has closed.
class ReportText {
public:
    ReportText() = default;
    ReportText(QString text) : value_(std::move(text)) {}  // NOLINT: a text converts implicitly
    ReportText(const char* text) : value_(QString::fromLatin1(text)) {}

    // The bytes are referenced, not copied; each byte is one character.
    static ReportText View(std::string_view singleByteText) {
        ReportText text;
        text.value_ = singleByteText;
        return text;
    }

    bool IsView() const { return std::holds_alternative<std::string_view>(value_); }

    QString ToString() const {
        if (const auto* view = std::get_if<std::string_view>(&value_)) {
            return QString::fromLatin1(view->data(), static_cast<qsizetype>(view->size()));
        }
        return std::get<QString>(value_);
    }

private:
    std::variant<QString, std::string_view> value_;
};

}  // namespace billpay::gui
