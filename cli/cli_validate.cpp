#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <new>
#include <thread>

#include "aba/validation.h"
#include "cli.h"
#include "cli_output.h"
#include "cli_validation.h"

namespace billpay::cli {

std::optional<ValidationRun> ValidateForCommand(const std::string& path, char code, int& exitStatus) {
    // A terminal has no progress bar, so large files are read and validated on every core.
    const unsigned cores = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    ValidationOutcome outcome;
    try {
        outcome = ValidateAbaFile(path, code, CheckAccountDigits, nullptr, cores);
    } catch (const std::bad_alloc&) {
        PrintMessageBox("Error Opening ABA File",
                        std::string("Cannot open ABA file.\r\rError: ") + std::strerror(ENOMEM));
        exitStatus = kExitUnreadable;
        return std::nullopt;
    }
    if (outcome.problem) {
        PrintMessageBox(outcome.problem->caption, outcome.problem->text);
        exitStatus = kExitUnreadable;
        return std::nullopt;
    }
    exitStatus = outcome.run.Validated() ? kExitOk : kExitProblems;
    return std::move(outcome.run);
}

void PrintResults(std::ostream& out, const ValidationRun& run) {
    PrintLines(out, run.memo);
}

int RunValidate(const Args& args) {
    std::string file;
    char code = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--format" || arg == "-f") {
            if (int status = TakeFormatCode(args, i, code); status != kExitOk) return status;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError("unknown option '" + arg + "' for 'validate'");
        } else if (file.empty()) {
            file = arg;
        } else {
            return UsageError("'validate' takes one ABA file");
        }
    }
    if (!code) return UsageError("'validate' needs --format CODE");
    if (file.empty()) return UsageError("'validate' needs an ABA file");

    int status = kExitOk;
    const auto run = ValidateForCommand(file, code, status);
    if (!run) return status;
    PrintResults(std::cout, *run);
    return status;
}

}  // namespace billpay::cli
