#pragma once

#include <cstddef>
#include <string_view>

#include "bankfile/conversion_host.h"

namespace billpay {

// A host that shows nothing and drives nothing: for runs without a window
// (the command line, benchmarks, tests). Derive from it to answer only the
// calls that matter.
class NullHost : public ConversionHost {
public:
    void SetMaximum(std::size_t) override {}
    void SetPosition(std::size_t) override {}
    void Step() override {}
    void ShowMessage(MessageIcon, std::string_view, std::string_view) override {}
    void SetBusyCursor(bool) override {}
    void ProcessPendingEvents() override {}
};

}  // namespace billpay
