#include <iostream>
#include <string>

#include "bankfile/format_table.h"
#include "cli.h"

namespace billpay::cli {

int RunFormats(const Args& args) {
    if (!args.empty()) return UsageError("'formats' takes no arguments");
    for (const BankFormat& format : BankFormats()) {
        // B's name carries the four-digit batch number of the conversion.
        const std::string fileName =
            std::string(format.defaultFileName) + (format.code == 'B' ? "nnnn.dat" : "");
        std::cout << format.code << '\t' << format.passes << '\t' << fileName << '\t' << format.listText
                  << '\n';
    }
    return kExitOk;
}

}  // namespace billpay::cli
