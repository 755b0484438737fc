#include "bankaccount/account_field_layout.h"

#include <algorithm>
#include <cmath>

namespace billpay::gui {

namespace {

constexpr std::array<double, 4> kFieldUnits{5.0, 4.0, 6.2, 2.175};

}  // namespace

int AccountControlWidth(int margin, int gutter) {
    const int fieldsWidth = static_cast<int>(std::lround(kAccountFieldUnits * kAccountFieldUnitPixels));
    return fieldsWidth + margin + 3 * gutter;
}

AccountFieldLayout LayOutAccountFields(int width, int margin, int gutter) {
    AccountFieldLayout layout;
    const int room = std::max(0, width - margin - 3 * gutter);
    int x = margin;
    for (std::size_t i = 0; i < kFieldUnits.size(); ++i) {
        const int fieldWidth = static_cast<int>(std::lround(room * kFieldUnits[i] / kAccountFieldUnits));
        layout.fields[i] = QRect(x, 0, fieldWidth, kAccountControlHeight);
        x += fieldWidth;
        if (i < layout.labels.size()) {
            layout.labels[i] = QRect(x, 0, gutter, kAccountControlHeight);
            x += gutter;
        }
    }
    return layout;
}

}  // namespace billpay::gui
