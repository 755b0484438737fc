// The splash window, driven without waiting: its timer's tick is sent directly.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>

#include "app/art.h"
#include "app/splash_window.h"

using namespace billpay::gui;

namespace {

void Tick(TfrmSplash& splash) {
    ASSERT_TRUE(QMetaObject::invokeMethod(splash.Timer1, "timeout"));
}

TEST(SplashWindow, IsABorderlessWhiteWindowOnTopWithItsTimerOff) {
    TfrmSplash splash;
    EXPECT_EQ(splash.size(), QSize(308, 258));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(splash.cursor().shape(), Qt::BusyCursor);
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(splash.Timer1->interval(), 1000);
    EXPECT_FALSE(splash.Timer1->isActive());
    EXPECT_EQ(splash.imgLogo->size(), QSize(300, 255));
}

TEST(SplashWindow, ShowingPlacesThePictureRepaintsItsBackgroundAndStartsTheTimer) {
    TfrmSplash splash;
    splash.show();
    EXPECT_EQ(splash.imgLogo->y(), 258 - 255 - 4);
    EXPECT_TRUE(splash.Timer1->isActive());

    const QImage shown = splash.imgLogo->pixmap().toImage();
    const QColor face = splash.palette().color(QPalette::Button);
    ASSERT_NE(face, kSplashBackground);
    for (const QPoint corner :
         {QPoint(1, 1), QPoint(0, 0), QPoint(299, 0), QPoint(0, 254), QPoint(299, 254)}) {
        EXPECT_EQ(shown.pixelColor(corner), face) << corner.x() << "," << corner.y();
    }
    // The card's edges lie on whole pixels: no trace of the background is left.
    int aquaLike = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.red() < 64 && c.green() > 192 && c.blue() > 192) ++aquaLike;
        }
    }
    EXPECT_EQ(aquaLike, 0);
    // The card the background surrounds is left as drawn.
    const QImage drawn = SplashPicture();
    EXPECT_EQ(drawn.pixelColor(1, 1), kSplashBackground);
    EXPECT_EQ(shown.pixelColor(150, 120), drawn.pixelColor(150, 120));
    EXPECT_NE(drawn.pixelColor(150, 120), kSplashBackground);
}

TEST(SplashWindow, TickLeavesTheTopHidesAndStopsForTheRestOfTheRun) {
    TfrmSplash splash;
    splash.show();
    splash.BringToFront();  // the main window appears before the tick
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.Timer1->isActive());

    Tick(splash);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1->isActive());
    EXPECT_FALSE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(splash.HasFinished());

    splash.BringToFront();  // a late main window does not bring it back
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1->isActive());
}

TEST(SplashWindow, StartUpShowsItAtOnce) {
    const auto splash = ShowSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->Timer1->isActive());
}

}  // namespace
