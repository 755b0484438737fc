#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "bankfile/conversion_host.h"

namespace billpay {

// A conversion host for tests: it answers nothing and records every call.
class RecordingHost : public ConversionHost {
public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };

    void SetMaximum(std::size_t maximum) override {
        progressMaximum = static_cast<int>(maximum);
        maximumsSet.push_back(progressMaximum);
    }
    void SetPosition(std::size_t position) override {
        progressPosition = static_cast<int>(position);
        positionsSet.push_back(progressPosition);
    }
    void Step() override {
        ++progressPosition;
        ++steps;
        if (progressMaximum >= 0 && progressPosition > progressMaximum) ++stepsBeyondMaximum;
    }
    void ShowMessage(MessageIcon icon, std::string_view caption, std::string_view text) override {
        messages.push_back({std::string(text), std::string(caption), icon});
        if (busy) ++messagesWhileBusy;
    }
    void SetBusyCursor(bool value) override {
        busy = value;
        ++busyCalls;
    }
    void ProcessPendingEvents() override {
        ++pendingEventCalls;
        if (onPendingEvents) onPendingEvents();
    }

    // Messages whose text is exactly `text`.
    int CountMessages(std::string_view text) const {
        int count = 0;
        for (const Message& m : messages) count += m.text == text ? 1 : 0;
        return count;
    }

    std::vector<Message> messages;
    int messagesWhileBusy = 0;
    int progressMaximum = -1;  // -1 until set
    int progressPosition = 0;
    std::vector<int> maximumsSet;
    std::vector<int> positionsSet;
    int steps = 0;
    int stepsBeyondMaximum = 0;
    bool busy = false;
    int busyCalls = 0;
    int pendingEventCalls = 0;
    // Runs where the user interface would handle its pending events (after each detail).
    std::function<void()> onPendingEvents;
};

}  // namespace billpay
