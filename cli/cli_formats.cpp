#include <iostream>
#include <string>

#include "bankfile/format_profile.h"
#include "cli.h"

namespace billpay::cli {

int RunFormats(const Args& args) {
    if (!args.empty()) return UsageError("'formats' takes no arguments");
    for (const FormatProfile& format : FormatProfiles()) {
        // A name that carries the batch number shows its digits as "n".
        std::string fileName(format.defaultFileName);
        for (char& c : fileName) {
            if (c == '#') c = 'n';
        }
        std::cout << format.code << '\t' << format.passes << '\t' << fileName << '\t' << format.listText
                  << '\n';
    }
    return kExitOk;
}

}  // namespace billpay::cli
