#include "app/splash_window.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/app_title.h"
#include "app/art.h"
#include "app/flood_fill.h"

namespace billpay::gui {

namespace {

constexpr QSize kClientSize(308, 258);
constexpr int kBevelWidth = 3;
constexpr QSize kPictureSize(300, 255);

}  // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      imgLogo(nullptr),
      Timer1(new QTimer(this)),
      pnlBevel_(new QFrame(this)),
      pnlPicture_(nullptr),
      picture_(SplashPicture()) {
    setObjectName("frmSplash");
    setFixedSize(kClientSize);
    setCursor(Qt::BusyCursor);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    pnlBevel_->setObjectName("pnlBevel");
    pnlBevel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlBevel_->setLineWidth(kBevelWidth);
    pnlBevel_->setGeometry(rect());

    pnlPicture_ = new QFrame(pnlBevel_);
    pnlPicture_->setObjectName("pnlPicture");
    pnlPicture_->setGeometry(
        pnlBevel_->rect().adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth));
    pnlPicture_->setPalette(white);
    pnlPicture_->setAutoFillBackground(true);

    imgLogo = new QLabel(pnlPicture_);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setScaledContents(true);
    imgLogo->setAccessibleName(kApplicationTitle);
    imgLogo->setGeometry(QRect(QPoint((pnlPicture_->width() - kPictureSize.width()) / 2, 0), kPictureSize));
    imgLogo->setPixmap(QPixmap::fromImage(picture_));

    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmSplash::Timer1Timer);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TfrmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TfrmSplash::FormShow() {
    imgLogo->move(imgLogo->x(), height() - imgLogo->height() - 4);
    // The picture's background takes the colour of the user's window scheme.
    if (FloodFill(picture_, QPoint(1, 1), kSplashBackground, palette().color(QPalette::Button)) > 0) {
        imgLogo->setPixmap(QPixmap::fromImage(picture_));
    }
    // Shown again by the main window: the second keeps counting from the first show.
    if (!finished_ && !Timer1->isActive()) Timer1->start();
}

void TfrmSplash::Timer1Timer() {
    finished_ = true;
    Timer1->stop();
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    hide();
}

void TfrmSplash::BringToFront() {
    if (finished_) return;
    show();
    raise();
}

std::unique_ptr<TfrmSplash> ShowSplash() {
    auto splash = std::make_unique<TfrmSplash>();
    splash->show();
    splash->raise();
    // Painted now: the main window is built before the event loop runs.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    splash->repaint();
    return splash;
}

}  // namespace billpay::gui
