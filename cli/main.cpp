// billpay-cli: validates ABA payment files and converts them into New Zealand
// bank file formats from the command line, with the same core as the desktop program.

#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <string>

#include "cli.h"
#include "cli_output.h"

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
    "                                  validate, then convert into the format's bank file;\n"
    "                                  problems and messages go to standard error\n"
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
    "  --now YYYY-MM-DDTHH:MM:SS[.cc]  fix the clock, for reproducible files (E and V\n"
    "                                  then need not wait for the clock between payments)\n"
    "  -o OUT                          write the bank file to OUT (default: standard output);\n"
    "                                  OUT must not be the ABA file itself\n"
    "\n"
    "Control characters of the input are shown as \"?\".\n"
    "\n"
    "Exit status: 0 success; 1 problems found (validate, convert, account); 2 the\n"
    "ABA file cannot be read, is empty or does not fit in memory; 3 the conversion\n"
    "failed; 4 the bank file or standard output cannot be written, or OUT is the\n"
    "ABA file; 64 usage error; 70 an unexpected internal failure (such as running\n"
    "out of memory elsewhere), described on standard error.\n"
    "\n"
    "Options: --help, --version\n";

int RunCommand(int argc, char** argv) {
    using namespace billpay::cli;
    if (argc < 2) return UsageError("no command given");
    const std::string command = argv[1];
    Args args(argv + 2, argv + argc);
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
    if (command == "formats") return RunFormats(args);
    if (command == "account") return RunAccount(args);
    if (command == "validate") return RunValidate(args);
    if (command == "convert") return RunConvert(args);
    return UsageError("unknown command '" + command + "'");
}

}  // namespace

int main(int argc, char** argv) {
    using namespace billpay::cli;
    ReserveStandardDescriptors();
    // A reader that went away is a write error like any other: reported, with
    // exit status 4, rather than the end of the program by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    int status = kExitInternal;
    try {
        status = RunCommand(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "billpay-cli: not enough memory\n";
    } catch (const std::exception& e) {
        std::cerr << "billpay-cli: internal error: ";
        WritePrintable(std::cerr, e.what());
        std::cerr << "\n";
    } catch (...) {
        std::cerr << "billpay-cli: internal error\n";
    }
    try {
        return FinishStandardOutput(status);
    } catch (...) {
        return kExitInternal;
    }
}
