#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/about_box.h"
#include "app/app_title.h"

using namespace billpay::gui;

namespace {

QString CaptionOf(const TAboutBox& box, const QLabel* value) {
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (label->buddy() == value) return label->text();
    }
    return {};
}

TEST(AboutBox, ShowsTheProductVersionAndSupportLinesInBold) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "About Vorla Bill Payment Utility");
    const struct {
        const QLabel* value;
        const char* caption;
    } rows[] = {
        {box.ProductName, "Product Name:"},
        {box.Version, "Version:"},
        {box.Copyright, "Copyright:"},
        {box.Email, "Email:"},
        {box.Phone, "Phone:"},
        {box.Facsimile, "Facsimile:"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CaptionOf(box, row.value), row.caption);
        EXPECT_TRUE(row.value->font().bold()) << row.caption;
        EXPECT_FALSE(row.value->text().isEmpty()) << row.caption;
        EXPECT_FALSE(row.value->geometry().intersects(box.ProgramIcon->geometry())) << row.caption;
    }
    EXPECT_EQ(box.ProductName->text(), kApplicationTitle);
    EXPECT_EQ(box.Version->text(), "1.10");
    EXPECT_EQ(box.Copyright->text().count('\n'), 1);  // the notice and the rights line
}

TEST(AboutBox, IconSitsAtThePanelsLowerRightAndOkIsTheDefault) {
    TAboutBox box;
    EXPECT_EQ(box.ProgramIcon->size(), QSize(32, 32));
    EXPECT_EQ(box.ProgramIcon->pixmap().size(), QSize(32, 32));
    const QWidget* panel = box.ProgramIcon->parentWidget();
    EXPECT_GT(box.ProgramIcon->x(), panel->width() / 2);
    EXPECT_GT(box.ProgramIcon->y(), panel->height() / 2);
    EXPECT_TRUE(panel->rect().contains(box.ProgramIcon->geometry()));

    EXPECT_EQ(box.OKButton->text(), "OK");
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_GT(box.OKButton->y(), panel->geometry().bottom());
    box.show();
    box.OKButton->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(AboutBox, SizeLimitsFollowThePixelsPerInch) {
    // Window sizes 372 by 292 less the frame around the 356 by 254 client area.
    const struct {
        int ppi;
        QSize minimum;
        QSize maximum;
    } cases[] = {
        {96, {356, 254}, {356, 254}},
        {72, {279 - 16, 219 - 38}, {356, 254}},
        {97, {375 - 16, 295 - 38}, {375 - 16, 295 - 38}},  // truncated; the maximum rises to the minimum
        {144, {558 - 16, 438 - 38}, {558 - 16, 438 - 38}},
        {0, {0, 0}, {356, 254}},
    };
    for (const auto& c : cases) {
        const SizeLimits limits = AboutBoxSizeLimits(c.ppi);
        EXPECT_EQ(limits.minimum, c.minimum) << c.ppi;
        EXPECT_EQ(limits.maximum, c.maximum) << c.ppi;
    }
}

TEST(AboutBox, CannotBeResizedPastItsLimits) {
    TAboutBox box;
    const SizeLimits limits = AboutBoxSizeLimits(box.logicalDpiY());
    EXPECT_EQ(box.minimumSize(), limits.minimum);
    EXPECT_EQ(box.maximumSize(), limits.maximum);
    box.resize(800, 600);
    EXPECT_LE(box.width(), limits.maximum.width());
    EXPECT_LE(box.height(), limits.maximum.height());
    if (box.logicalDpiY() == 96) {
        EXPECT_EQ(box.size(), QSize(356, 254));
    }
}

TEST(AboutBox, HelpMenuOpensItModallyWithoutOwnerAndFreesItOnClose) {
    QWidget mainWindow;
    bool answered = false;
    QTimer::singleShot(0, qApp, [&] {
        auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), nullptr);
        answered = true;
        box->OKButton->click();
    });
    ShowAboutBox(&mainWindow);
    EXPECT_TRUE(answered);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TAboutBox*>(window), nullptr);
}

}  // namespace
