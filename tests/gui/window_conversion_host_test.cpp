// The engine's host in the window and the validation's progress sink: what
// they do to the progress bar, the message boxes and the cursor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QSignalSpy>

#include "app/progress_bar_sink.h"
#include "app/window_conversion_host.h"
#include "fake_dialogs.h"
#include "qt_printers.h"

namespace billpay::gui::testing {
namespace {

TEST(WindowConversionHost, MessagesGoToTheBoxesWithTheNormalCursor) {
    QProgressBar bar;
    RecordingMessageBoxes messages;
    TWindowConversionHost host;
    host.Attach(&bar, &messages);

    host.SetBusyCursor(true);
    host.SetBusyCursor(true);
    struct Seen {
        bool cursorDuringMessage = true;
    } seen;
    class Watching final : public MessageBoxes {
    public:
        Watching(RecordingMessageBoxes& inner, Seen& seen) : inner_(inner), seen_(seen) {}
        void Show(MessageKind kind, const QString& caption, const QString& text) override {
            seen_.cursorDuringMessage = QApplication::overrideCursor() != nullptr;
            inner_.Show(kind, caption, text);
        }

    private:
        RecordingMessageBoxes& inner_;
        Seen& seen_;
    } watching(messages, seen);
    host.Attach(&bar, &watching);

    host.ShowMessage(MessageIcon::Warning, "Conversion Results", "Payments omitted");
    host.ShowMessage(MessageIcon::Error, "", "Exception: overflow");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown[0].caption, "Conversion Results");
    EXPECT_EQ(messages.shown[1].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[1].caption, "");
    EXPECT_FALSE(seen.cursorDuringMessage);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);  // the hourglass is back after the message

    host.RestoreCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    host.SetBusyCursor(false);  // one restore too many takes nothing else away
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(WindowConversionHost, DrivesTheBarAndIgnoresItOnceDetached) {
    auto bar = std::make_unique<QProgressBar>();
    TWindowConversionHost host;
    host.Attach(bar.get(), nullptr);
    host.SetMaximum(3);
    host.SetPosition(0);
    for (int i = 0; i < 5; ++i) host.Step();
    EXPECT_EQ(bar->value(), 3);
    bar.reset();  // the window went away before the engine
    host.Step();
    host.ShowMessage(MessageIcon::Information, "", "no window");
}

TEST(ProgressBarSink, RepaintsInVisibleStepsAndEndsFull) {
    QProgressBar bar;
    ProgressBarSink sink(&bar);
    QSignalSpy changes(&bar, &QProgressBar::valueChanged);
    sink.SetMaximum(100000);
    sink.SetPosition(0);
    for (int i = 0; i < 100000; ++i) sink.Step();
    EXPECT_EQ(bar.maximum(), 100000);
    EXPECT_EQ(bar.value(), 100000);
    EXPECT_LE(changes.count(), 202);

    ProgressBarSink small(&bar);
    small.SetMaximum(3);
    small.SetPosition(0);
    small.Step();
    EXPECT_EQ(bar.value(), 1);  // a short run shows every line
}

}  // namespace
}  // namespace billpay::gui::testing
