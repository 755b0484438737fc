#include <cctype>
#include <iostream>

#include "bankfile/format_table.h"
#include "cli.h"
#include "cli_output.h"

namespace billpay::cli {

int UsageError(std::string_view message) {
    std::cerr << "billpay-cli: ";
    WritePrintable(std::cerr, message);
    std::cerr << "\n"
              << "Usage: billpay-cli formats | account NUMBER... | validate --format CODE FILE |\n"
              << "       convert --format CODE [OPTIONS] FILE [-o OUT]\n"
              << "Try 'billpay-cli --help' for more information.\n";
    return kExitUsage;
}

void PrintMessageBox(std::string_view caption, std::string_view text) {
    if (!caption.empty()) {
        WritePrintable(std::cerr, caption);
        std::cerr << "\n";
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\r', start);
        WritePrintable(std::cerr, text.substr(start, end == std::string_view::npos ? end : end - start));
        std::cerr << "\n";
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

char ParseFormatCode(std::string_view text) {
    if (text.size() != 1) return 0;
    const char code = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return FindBankFormat(code) ? code : 0;
}

int TakeFormatCode(const Args& args, std::size_t& i, char& code) {
    if (i + 1 >= args.size()) return UsageError("--format needs a format code");
    code = ParseFormatCode(args[++i]);
    if (!code) return UsageError("unknown format code '" + args[i] + "' (see 'billpay-cli formats')");
    return kExitOk;
}

}  // namespace billpay::cli
