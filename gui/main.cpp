// billpay: the desktop wizard that validates an ABA file and converts it into
// a New Zealand bank's payment file.
#include <exception>
#include <memory>

#include <QApplication>

#include "app/about_box.h"
#include "app/app_title.h"
#include "app/art.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/native_settings.h"
#include "app/qt_dialog_box.h"
#include "app/short_date_format.h"
#include "app/splash_window.h"
#include "app/window_conversion_host.h"
#include "bankfile/bank_file.h"
#include "util/clock.h"

namespace {

using namespace billpay;
using namespace billpay::gui;

// An error that no handler caught ends the user action that raised it and is
// shown in the application's general error box; the program goes on.
class TApplication final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            ShowGeneralError(QString::fromUtf8(error.what()));
        } catch (...) {
            ShowGeneralError("An unexpected error ended the action.");
        }
        return false;
    }

private:
    static void ShowGeneralError(const QString& text) {
        WidgetMessageBoxes(QApplication::activeWindow()).Show(MessageKind::Error, QString(), text);
    }
};

}  // namespace

int main(int argc, char** argv) {
    TApplication app(argc, argv);

    // 1. The settings store, then the splash window, shown and painted at once.
    NativeSettings settings;
    const std::unique_ptr<TfrmSplash> splash = ShowSplash();

    // 2. Dates are shown day first for the whole run, whatever the regional settings say.
    FixShortDateFormat();

    // 3. The application's title.
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationDisplayName(kApplicationTitle);
    QApplication::setOrganizationName(kOrganisationName);
    QApplication::setWindowIcon(ApplicationIcon());

    // 4. The dialog module, the conversion engine (one for the run) and the main window.
    QtDialogBox dialogs;
    TWindowConversionHost host;
    SystemClock clock;
    TBankFile bankFile(host, clock);
    WidgetMessageBoxes messages;
    TfrmMain window(MainWindowServices{settings, dialogs, messages, bankFile, host, ShowAboutBox, {}});

    // 5. The first page, the window shown, the message loop.
    window.ShowFirstPage();
    window.show();
    window.RunGuarded([&] { window.FormShow(); });
    splash->BringToFront();
    return app.exec();
}
