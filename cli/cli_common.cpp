#include <cctype>
#include <iostream>

#include "bankfile/format_table.h"
#include "cli.h"

namespace billpay::cli {

int UsageError(std::string_view message) {
    std::cerr << "billpay-cli: " << message << "\n"
              << "Usage: billpay-cli formats | account NUMBER... | validate --format CODE FILE |\n"
              << "       convert --format CODE [OPTIONS] FILE [-o OUT]\n"
              << "Try 'billpay-cli --help' for more information.\n";
    return kExitUsage;
}

void PrintMessageBox(std::string_view caption, std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (c == '\r') c = '\n';
    }
    if (!caption.empty()) std::cerr << caption << "\n";
    std::cerr << shown << "\n";
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
