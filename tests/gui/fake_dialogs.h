#pragma once

// Test doubles for the dialog module and the message boxes: scripted answers,
// every request recorded, nothing shown.

#include <deque>
#include <optional>
#include <vector>

#include <QPrinter>
#include <QString>

#include "app/dialog_box.h"
#include "app/message_boxes.h"

namespace billpay::gui::testing {

class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        MessageKind kind;
        QString caption;
        QString text;
    };
    void Show(MessageKind kind, const QString& caption, const QString& text) override {
        shown.push_back({kind, caption, text});
    }
    std::vector<Shown> shown;
};

// Answers each dialog with the next scripted answer; an empty queue cancels.
// A save answer is offered to the can-close hook as the real dialog would:
// an answer the hook refuses keeps the dialog open for the next answer.
class FakeDialogBox final : public TDialogBox {
public:
    std::optional<QString> OpenFile(QWidget*, const OpenFileRequest& request) override {
        openRequests.push_back(request);
        if (openAnswers.empty()) return std::nullopt;
        const QString answer = openAnswers.front();
        openAnswers.pop_front();
        if (answer.isEmpty()) return std::nullopt;
        return answer;
    }

    std::optional<SaveFileChoice> SaveFile(QWidget*, const SaveFileRequest& request,
                                           const CanCloseHook& canClose) override {
        saveRequests.push_back(request);
        hookInstalledDuringSave = static_cast<bool>(canClose);
        while (!saveAnswers.empty()) {
            std::optional<SaveFileChoice> answer = saveAnswers.front();
            saveAnswers.pop_front();
            if (!answer) return std::nullopt;
            if (canClose && !canClose(answer->fileName)) {
                ++refusedByHook;
                continue;
            }
            lastSaveFileName_ = answer->fileName;
            return answer;
        }
        return std::nullopt;
    }

    QString LastSaveFileName() const override { return lastSaveFileName_; }
    void PrinterSetup(QWidget*) override { ++printerSetups; }
    QPrinter& Printer() override { return printer_; }

    std::deque<QString> openAnswers;  // an empty answer cancels
    std::deque<std::optional<SaveFileChoice>> saveAnswers;
    std::vector<OpenFileRequest> openRequests;
    std::vector<SaveFileRequest> saveRequests;
    bool hookInstalledDuringSave = false;
    int refusedByHook = 0;
    int printerSetups = 0;

private:
    QString lastSaveFileName_;
    QPrinter printer_;
};

}  // namespace billpay::gui::testing
