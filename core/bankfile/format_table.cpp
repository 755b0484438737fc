#include "bankfile/format_table.h"

#include <array>

#include "bankfile/format_families.h"

namespace billpay {

namespace {

// The banking-format list, in the order the user sees it.
constexpr std::array<BankFormat, 21> kBankFormats = {{
    {'G', "ANZ, BNZ, National Bank GIFTS", 1, "C:\\bankfile.txt", gifts::Header, gifts::Detail,
     gifts::Footer},
    {'K', "ANZ Direct Online", 1, "C:\\bankfile.txt", gifts::Header, gifts::Detail, gifts::Footer},
    {'J', "ASB EPW CSV", 2, "A:\\bankfile.csv", asb::Header, asb::Detail, asb::Footer},
    {'S', "ASB Fastnet Business", 1, "C:\\bankfile.txt", asb::Header, asb::Detail, asb::Footer},
    {'A', "ASB Fastnet Office", 1, "C:\\bankfile.txt", asb::Header, asb::Detail, asb::Footer},
    {'H', "ASB Gateway", 1, "C:\\bankfile.txt", asb::Header, asb::Detail, asb::Footer},
    {'D', "BNZ PC Banking", 1, "A:\\bankfile.afi", bnz::Header, bnz::Detail, bnz::Footer},
    {'B', "BNZ PC Diskette", 1, "A:\\PTMD", bnz::Header, bnz::Detail, bnz::Footer},
    {'E', "Citibank Cash Direct Credit", 1, "C:\\bankfile.txt", citibank::Header, citibank::Detail,
     citibank::Footer},
    {'V', "Citibank CitiDirect", 1, "C:\\bankfile.txt", citibank::Header, citibank::Detail, citibank::Footer},
    {'F', "Citibank Paylink Direct Credit", 1, "C:\\bankfile.txt", citibank::Header, citibank::Detail,
     citibank::Footer},
    {'L', "Citibank Payroll", 1, "C:\\bankfile.txt", citibank::Header, citibank::Detail, citibank::Footer},
    {'X', "HSBC Batch Payments", 2, "C:\\bankfile.txt", hsbc::Header, hsbc::Detail, hsbc::Footer},
    {'I', "HSBC Bulk Payments", 1, "C:\\bankfile.txt", hsbc::Header, hsbc::Detail, hsbc::Footer},
    {'Z', "Kiwibank Batch Upload", 1, "A:\\bankfile.kbb", bnz::Header, bnz::Detail, bnz::Footer},
    {'N', "National Bank DirectLink", 1, "C:\\bankfile.txt", nationalbank::Header, nationalbank::Detail,
     nationalbank::Footer},
    {'M', "National, ANZ PC Diskette(MT9)", 1, "A:\\bankfile.txt", nationalbank::Header, nationalbank::Detail,
     nationalbank::Footer},
    {'T', "Trust Bank Payment Format", 1, "C:\\bankfile.txt", trustbank::Header, trustbank::Detail,
     trustbank::Footer},
    {'U', "TSB Bank", 1, "C:\\bankfile.txt", trustbank::Header, trustbank::Detail, trustbank::Footer},
    {'W', "Westpac DeskBank", 1, "C:\\bankfile.txt", westpac::Header, westpac::Detail, westpac::Footer},
    {'P', "Westpac PC Diskette", 1, "A:\\bankfile.pc1", westpac::Header, westpac::Detail, westpac::Footer},
}};

// Position in the list of each letter "A" to "Z", or -1 for a letter without a format.
constexpr std::array<int, 26> MakeLetterIndex() {
    std::array<int, 26> index{};
    for (int& entry : index) entry = -1;
    for (std::size_t i = 0; i < kBankFormats.size(); ++i) {
        index[static_cast<std::size_t>(kBankFormats[i].code - 'A')] = static_cast<int>(i);
    }
    return index;
}

constexpr std::array<int, 26> kLetterIndex = MakeLetterIndex();

}  // namespace

std::span<const BankFormat> BankFormats() {
    return kBankFormats;
}

const BankFormat* FindBankFormat(char code) {
    if (code < 'A' || code > 'Z') return nullptr;
    const int at = kLetterIndex[static_cast<std::size_t>(code - 'A')];
    return at < 0 ? nullptr : &kBankFormats[static_cast<std::size_t>(at)];
}

}  // namespace billpay
