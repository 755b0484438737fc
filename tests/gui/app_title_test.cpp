#include <gtest/gtest.h>

#include "app/app_title.h"

TEST(AppTitle, IsTheProductName) {
    EXPECT_EQ(billpay::gui::kApplicationTitle.toStdString(), "Vorla Bill Payment Utility");
}
