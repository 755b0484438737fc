#pragma once

#include <cstddef>
#include <functional>

namespace billpay {

// Runs task(0) .. task(count - 1): task 0 on the calling thread, each other
// one on a thread of its own. A task whose thread cannot be started runs on
// the calling thread instead. Returns when every task has ended; an exception
// of a task (the first, in task order) is thrown again here, so a failure on
// a worker thread never ends the program.
void RunParallelTasks(std::size_t count, const std::function<void(std::size_t)>& task);

}  // namespace billpay
