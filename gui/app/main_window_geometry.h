#pragma once

#include <QSize>

namespace billpay::gui {

// The main window's size when it opens, in device-independent pixels.
inline constexpr QSize kInitialWindowSize{596, 443};

// The smallest the main window may get: 572 by 443 pixels at 96 pixels per
// inch, scaled by the screen's resolution and truncated.
inline QSize ScaledMinimumSize(double pixelsPerInch) {
    return {static_cast<int>(pixelsPerInch * 572 / 96), static_cast<int>(pixelsPerInch * 443 / 96)};
}

}  // namespace billpay::gui
