#include "util/parallel_tasks.h"

#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace billpay {

void RunParallelTasks(std::size_t count, const std::function<void(std::size_t)>& task) {
    if (count == 0) return;
    std::vector<std::exception_ptr> failures(count);
    auto run = [&](std::size_t k) {
        try {
            task(k);
        } catch (...) {
            failures[k] = std::current_exception();
        }
    };
    {
        std::vector<std::size_t> here{0};
        std::vector<std::jthread> workers;
        workers.reserve(count - 1);
        for (std::size_t k = 1; k < count; ++k) {
            try {
                workers.emplace_back(run, k);
            } catch (const std::system_error&) {
                here.push_back(k);  // no thread to spare
            }
        }
        for (std::size_t k : here) run(k);
    }  // the workers are joined here
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
}

}  // namespace billpay
