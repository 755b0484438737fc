#include <iostream>

#include "bankaccount/bank_account.h"
#include "cli.h"
#include "cli_output.h"

namespace billpay::cli {

int RunAccount(const Args& args) {
    if (args.empty()) return UsageError("'account' needs at least one account number");
    bool allValid = true;
    for (const std::string& text : args) {
        std::string reason;
        const auto stored = ParseAccountNumber(text, &reason);
        if (!stored) {
            WritePrintable(std::cout, text);
            std::cout << "\tinvalid (" << reason << ")\n";
            allValid = false;
            continue;
        }
        const bool valid = CheckStoredAccount(*stored);
        std::cout << WrittenForm(*stored) << '\t' << (valid ? "valid" : "invalid") << '\n';
        allValid = allValid && valid;
    }
    return allValid ? kExitOk : kExitProblems;
}

}  // namespace billpay::cli
