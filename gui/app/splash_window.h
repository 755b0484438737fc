#pragma once

#include <memory>

#include <QImage>
#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace billpay::gui {

// The splash window shown while the program starts: borderless, on top of
// every window, centred on the screen. One second after it is first shown it
// leaves the top, hides and stays hidden for the rest of the run; the tick
// comes as soon as the event loop runs, however late that is.
class TfrmSplash final : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    // Shows the splash again and raises it, as the main window does when it
    // appears; nothing once the splash has gone.
    void BringToFront();
    bool HasFinished() const { return finished_; }

    QLabel* imgLogo;
    QTimer* Timer1;  // 1000 ms, started when the window is shown

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void Timer1Timer();

private:
    void FormShow();

    QFrame* pnlBevel_;
    QFrame* pnlPicture_;
    QImage picture_;
    bool finished_ = false;
};

// Creates the splash, shows it and paints it at once: the first thing the
// program does once the application object exists. The caller keeps it for
// the run and hands it to the main window.
std::unique_ptr<TfrmSplash> ShowSplash();

}  // namespace billpay::gui
