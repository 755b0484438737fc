#include "reports/prepared_report.h"

#include <stdexcept>

namespace billpay::gui {

std::uint16_t PreparedReport::FontIndex(const QFont& font) {
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i] == font) return static_cast<std::uint16_t>(i);
    }
    if (fonts_.size() >= 0xFFFF) throw std::length_error("too many fonts in one report");
    fonts_.push_back(font);
    return static_cast<std::uint16_t>(fonts_.size() - 1);
}

}  // namespace billpay::gui
