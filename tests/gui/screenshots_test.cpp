// Pictures of the windows for review, drawn on the offscreen platform. Runs
// only when BILLPAY_SCREENSHOT_DIR names the folder to write them to
// (scripts/screenshots.sh sets it).
#include <gtest/gtest.h>

#include <QDir>

#include "app/about_box.h"
#include "app/art.h"
#include "app/splash_window.h"
#include "app/widget_png.h"

using namespace billpay::gui;

namespace {

QString ScreenshotDir() {
    return qEnvironmentVariable("BILLPAY_SCREENSHOT_DIR");
}

TEST(Screenshots, SplashAboutAndIcon) {
    const QString dir = ScreenshotDir();
    if (dir.isEmpty()) GTEST_SKIP() << "BILLPAY_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(dir));

    TfrmSplash splash;
    splash.show();
    EXPECT_TRUE(SaveWidgetPng(splash, dir + "/splash.png"));

    TAboutBox about;
    about.show();
    EXPECT_TRUE(SaveWidgetPng(about, dir + "/about.png"));

    for (const int size : {16, 32, 256}) {
        EXPECT_TRUE(ApplicationIconPixmap(size).save(QStringLiteral("%1/icon-%2.png").arg(dir).arg(size)));
    }
}

TEST(Screenshots, UnwritablePathIsReported) {
    TAboutBox about;
    EXPECT_FALSE(SaveWidgetPng(about, QDir::tempPath() + "/no-such-folder-for-billpay/about.png"));
}

}  // namespace
