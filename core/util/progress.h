#pragma once

#include <cstddef>

namespace billpay {

// Where a long operation reports how far it has got: the desktop program's
// progress bar, nothing at all on the command line, a recorder in tests.
// Validation and the conversion engine both report through it.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetMaximum(std::size_t maximum) = 0;
    virtual void SetPosition(std::size_t position) = 0;
    virtual void Step() = 0;
};

}  // namespace billpay
