#pragma once

#include <cstddef>

#include <QStringList>

#include "reports/report_text.h"
#include "util/text_lines.h"

namespace billpay::gui {

// The lines a report prints, not owned: a list of texts (the validation
// results) or the converted bank file. A line of the bank file is handed out
// as a view of its bytes, so a report of a large file copies no text.
class PrintLineList {
public:
    PrintLineList() = default;
    explicit PrintLineList(const QStringList* lines) : texts_(lines) {}
    explicit PrintLineList(const billpay::TextLines* lines) : bankFile_(lines) {}

    std::size_t Count() const {
        if (texts_ != nullptr) return static_cast<std::size_t>(texts_->size());
        if (bankFile_ != nullptr) return bankFile_->size();
        return 0;
    }

    ReportText Line(std::size_t index) const {
        if (texts_ != nullptr) return ReportText(texts_->at(static_cast<qsizetype>(index)));
        return ReportText::View((*bankFile_)[index]);
    }

private:
    const QStringList* texts_ = nullptr;
    const billpay::TextLines* bankFile_ = nullptr;
};

}  // namespace billpay::gui
