#pragma once

#include <cstddef>

#include "util/progress.h"

class QProgressBar;

namespace billpay::gui {

// Drives a progress bar from a long operation. The bar is repainted only when
// its position has moved by a visible step (about a two-hundredth of the
// way), so a run of a hundred thousand lines costs a few hundred repaints.
class ProgressBarSink final : public ProgressSink {
public:
    explicit ProgressBarSink(QProgressBar* bar) : bar_(bar) {}

    void SetMaximum(std::size_t maximum) override;
    void SetPosition(std::size_t position) override;
    void Step() override;

private:
    void Show();

    QProgressBar* bar_;
    std::size_t maximum_ = 0;
    std::size_t position_ = 0;
    std::size_t shown_ = 0;
    std::size_t stride_ = 1;
};

}  // namespace billpay::gui
