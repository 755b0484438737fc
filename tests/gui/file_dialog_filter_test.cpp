#include <gtest/gtest.h>

#include "app/file_dialog_filter.h"

using namespace billpay::gui;

TEST(FileDialogFilter, PairsBecomeQtNameFiltersInOrder) {
    const struct {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"ABA Files|*.ABA", {"ABA Files (*.ABA)"}},
        {"ABA Files (*.ABA)|*.ABA", {"ABA Files (*.ABA)"}},
        {"Text Files|*.txt;*.csv|All Files|*.*", {"Text Files (*.txt *.csv)", "All Files (*.*)"}},
        {"Text (*.txt;*.csv)|*.txt; *.csv", {"Text (*.txt *.csv)"}},
        {"Odd (ones)|*.odd", {"Odd (ones) (*.odd)"}},
        {"|*.ABA", {"*.ABA (*.ABA)"}},
        {"Everything|", {"Everything (*)"}},
        {"ABA Files|*.ABA|Dangling", {"ABA Files (*.ABA)"}},
        {"", {}},
        {"No patterns", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToQtNameFilters(c.filter), c.expected) << c.filter;
    }
}

TEST(FileDialogFilter, IndexOutsideTheFiltersSelectsTheFirst) {
    EXPECT_EQ(ClampFilterIndex(2, 3), 2);
    EXPECT_EQ(ClampFilterIndex(3, 3), 3);
    EXPECT_EQ(ClampFilterIndex(4, 3), 1);
    EXPECT_EQ(ClampFilterIndex(0, 3), 1);
    EXPECT_EQ(ClampFilterIndex(-5, 3), 1);
    EXPECT_EQ(ClampFilterIndex(1, 0), 1);
}
