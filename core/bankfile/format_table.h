#pragma once

#include <span>
#include <string>
#include <string_view>

namespace billpay {

class TBankFile;

using RecordBuilder = std::string (*)(TBankFile&);

// One banking format: its code, its text in the banking-format list, its
// number of passes, its default export file name and the builders of its
// header, detail and trailer records (each from its family's file).
struct BankFormat {
    char code;
    std::string_view listText;
    int passes;
    std::string_view defaultFileName;  // for B the batch number is added by GetDefaultFileName
    RecordBuilder header;
    RecordBuilder detail;
    RecordBuilder footer;
};

// The 21 formats in list order ("GKJSAHDBEVFLXIZNMTUWP").
std::span<const BankFormat> BankFormats();

// The format of a code (upper case), or nullptr.
const BankFormat* FindBankFormat(char code);

}  // namespace billpay
