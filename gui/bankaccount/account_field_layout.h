#pragma once

#include <array>

#include <QRect>

namespace billpay::gui {

// The four fields of an account entry share 17.375 width units of 8 pixels in the proportions
// 5 : 4 : 6.2 : 2.175 (bank, branch, customer number, suffix); the caption margin and the three
// "-" labels come on top.
inline constexpr double kAccountFieldUnits = 17.375;
inline constexpr int kAccountFieldUnitPixels = 8;
inline constexpr int kAccountControlHeight = 21;

struct AccountFieldLayout {
    std::array<QRect, 4> fields;  // bank, branch, customer number, suffix
    std::array<QRect, 3> labels;  // the "-" between them
};

// The width the control takes for a margin and a label (gutter) width: the fields' 139 pixels,
// the margin and three labels.
int AccountControlWidth(int margin, int gutter);

// Where the fields and labels go in a control of the given width: the bank field starts at the
// margin, each label and field follows the previous one, and each field gets its share of the
// width left after the margin and the labels, rounded to whole pixels.
AccountFieldLayout LayOutAccountFields(int width, int margin, int gutter);

}  // namespace billpay::gui
