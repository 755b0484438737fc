// billpay-cli: validates ABA payment files and converts them into New Zealand
// bank file formats from the command line, with the same core as the desktop program.

#include <iostream>
#include <new>
#include <string>

#include "cli.h"
#include "cli_console.h"

namespace {

constexpr const char* kHelp =
    "Usage: billpay-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Validates ABA payment files and converts them into New Zealand bank files.\n"
    "\n"
    "Commands:\n"
    "  formats                         list the 21 banking formats: code, passes,\n"
    "                                  default export file name, list text\n"
    "  account NUMBER...               check New Zealand bank account numbers\n"
    "                                  (written with \"-\", spaces or no separators)\n"
    "  validate --format CODE FILE     validate an ABA file for a banking format\n"
    "  convert --format CODE [OPTIONS] FILE [-o OUT]\n"
    "                                  validate, then convert into the format's bank file\n"
    "\n"
    "Convert options (each only where the format offers it):\n"
    "  --batch TEXT                    batch or subscriber number\n"
    "  --preformat TEXT                preformat reference, other party particulars\n"
    "                                  or ordering party name\n"
    "  --confidential                  mark the batch confidential\n"
    "  --payer-reference TEXT          payer reference on the bank statement\n"
    "  --payer-particulars TEXT        payer particulars on the bank statement\n"
    "  --payer-code TEXT               payer code on the bank statement\n"
    "  --debit-account DIGITS          debit account (default: the one the file names)\n"
    "  --now YYYY-MM-DDTHH:MM:SS[.cc]  fix the clock, for reproducible files\n"
    "  -o OUT                          write the bank file to OUT (default: standard output)\n"
    "\n"
    "Exit status: 0 success; 1 problems found (validate, account); 2 the ABA file\n"
    "cannot be read or is empty; 3 the conversion failed; 4 the bank file cannot be\n"
    "written; 64 usage error.\n"
    "\n"
    "Options: --help, --version\n";

int Run(const billpay::cli::Args& arguments) {
    using namespace billpay::cli;
    std::ios::sync_with_stdio(false);
    if (arguments.empty()) return UsageError("no command given");
    const std::string command = arguments.front();
    Args args(arguments.begin() + 1, arguments.end());
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kHelp;
        return kExitOk;
    }
    if (command == "--version") {
        std::cout << "billpay-cli " << BILLPAY_VERSION << "\n";
        return kExitOk;
    }
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << kHelp;
            return kExitOk;
        }
    }
    // Running out of memory ends the command with a message, never an abort;
    // by the time it is caught, what the command had built is freed.
    try {
        if (command == "formats") return RunFormats(args);
        if (command == "account") return RunAccount(args);
        if (command == "validate") return RunValidate(args);
        if (command == "convert") return RunConvert(args);
    } catch (const std::bad_alloc&) {
        PrintMessageBox("Not Enough Memory", "There is not enough memory to finish the command.");
        return kExitUnreadable;
    }
    return UsageError("unknown command '" + command + "'");
}

}  // namespace

#ifdef _WIN32
// wmain: the arguments as the system holds them (UTF-16), not squeezed through
// the local code page.
int wmain(int argc, wchar_t** argv) { return Run(billpay::cli::ArgumentsAfterProgramName(argc, argv)); }
#else
int main(int argc, char** argv) { return Run(billpay::cli::ArgumentsAfterProgramName(argc, argv)); }
#endif
