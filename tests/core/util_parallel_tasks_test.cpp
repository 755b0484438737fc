#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "util/parallel_tasks.h"

namespace billpay {
namespace {

TEST(UtilParallelTasks, RunsEveryTaskOnce) {
    std::vector<std::atomic<int>> runs(5);
    RunParallelTasks(runs.size(), [&](std::size_t k) { ++runs[k]; });
    for (const auto& count : runs) EXPECT_EQ(count, 1);
    RunParallelTasks(0, [](std::size_t) { FAIL() << "no task to run"; });
}

// A failure on a worker thread reaches the caller after every task has
// ended, instead of ending the program.
TEST(UtilParallelTasks, ThrowsTheFirstFailureAgainOnTheCallingThread) {
    std::vector<std::atomic<int>> runs(4);
    try {
        RunParallelTasks(runs.size(), [&](std::size_t k) {
            ++runs[k];
            if (k == 3) throw std::length_error("task 3");
            if (k == 2) throw std::runtime_error("task 2");
        });
        FAIL() << "nothing thrown";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "task 2");
    }
    for (const auto& count : runs) EXPECT_EQ(count, 1);
}

}  // namespace
}  // namespace billpay
