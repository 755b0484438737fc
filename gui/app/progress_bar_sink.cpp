#include "app/progress_bar_sink.h"

#include <algorithm>
#include <limits>

#include <QProgressBar>

namespace billpay::gui {
namespace {

int ClampToInt(std::size_t value) {
    return static_cast<int>(std::min<std::size_t>(value, std::numeric_limits<int>::max()));
}

}  // namespace

void ProgressBarSink::SetMaximum(std::size_t maximum) {
    maximum_ = maximum;
    stride_ = std::max<std::size_t>(1, maximum / 200);
    bar_->setMaximum(ClampToInt(maximum));
}

void ProgressBarSink::SetPosition(std::size_t position) {
    position_ = position;
    Show();
}

void ProgressBarSink::Step() {
    ++position_;
    if (position_ - shown_ >= stride_ || position_ >= maximum_) Show();
}

void ProgressBarSink::Show() {
    shown_ = position_;
    bar_->setValue(ClampToInt(std::min(position_, maximum_)));
}

}  // namespace billpay::gui
