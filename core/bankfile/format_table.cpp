#include "bankfile/format_table.h"

#include <array>

#include "bankfile/format_families.h"
#include "bankfile/record_building.h"

namespace billpay {

namespace {

// The banking-format list, in the order the user sees it, with the builders
// of each format's header, detail and trailer records.
constexpr std::array<BankFormat, 21> kBankFormats = {{
    {'G', "ANZ, BNZ, National Bank GIFTS", 1, "C:\\bankfile.txt", gifts::BatchHeader, gifts::PaymentDetail,
     CheckedBatchTrailer},
    {'K', "ANZ Direct Online", 1, "C:\\bankfile.txt", gifts::BatchHeader, gifts::PaymentDetail,
     CheckedBatchTrailer},
    {'J', "ASB EPW CSV", 2, "A:\\bankfile.csv", asb::EpwCsvHeader, asb::EpwCsvDetail, NoRecord},
    {'S', "ASB Fastnet Business", 1, "C:\\bankfile.txt", asb::FixedWidthHeader, asb::FixedWidthDetail,
     asb::FixedWidthTrailer},
    {'A', "ASB Fastnet Office", 1, "C:\\bankfile.txt", asb::FixedWidthHeader, asb::FixedWidthDetail,
     asb::FixedWidthTrailer},
    {'H', "ASB Gateway", 1, "C:\\bankfile.txt", asb::FixedWidthHeader, asb::FixedWidthDetail,
     asb::FixedWidthTrailer},
    {'D', "BNZ PC Banking", 1, "A:\\bankfile.afi", bnz::CommaSeparatedHeader, bnz::CommaSeparatedDetail,
     CheckedBatchTrailer},
    {'B', "BNZ PC Diskette", 1, "A:\\PTMD", bnz::PcDisketteHeader, bnz::PcDisketteDetail,
     bnz::PcDisketteTrailer},
    {'E', "Citibank Cash Direct Credit", 1, "C:\\bankfile.txt", NoRecord, citibank::CashDirectCreditDetail,
     NoRecord},
    {'V', "Citibank CitiDirect", 1, "C:\\bankfile.txt", NoRecord, citibank::CitiDirectDetail, NoRecord},
    {'F', "Citibank Paylink Direct Credit", 1, "C:\\bankfile.txt", NoRecord,
     citibank::PaylinkDirectCreditDetail, NoRecord},
    {'L', "Citibank Payroll", 1, "C:\\bankfile.txt", NoRecord, citibank::PayrollDetail, NoRecord},
    {'X', "HSBC Batch Payments", 2, "C:\\bankfile.txt", hsbc::BatchPaymentsHeader, hsbc::BatchPaymentsDetail,
     NoRecord},
    {'I', "HSBC Bulk Payments", 1, "C:\\bankfile.txt", hsbc::BulkPaymentsHeader, hsbc::BulkPaymentsDetail,
     hsbc::BulkPaymentsTrailer},
    {'Z', "Kiwibank Batch Upload", 1, "A:\\bankfile.kbb", bnz::CommaSeparatedHeader,
     bnz::CommaSeparatedDetail, CheckedBatchTrailer},
    {'N', "National Bank DirectLink", 1, "C:\\bankfile.txt", NoRecord, nationalbank::DirectLinkDetail,
     NoRecord},
    {'M', "National, ANZ PC Diskette(MT9)", 1, "A:\\bankfile.txt", nationalbank::PcDisketteHeader,
     nationalbank::PcDisketteDetail, nationalbank::PcDisketteTrailer},
    {'T', "Trust Bank Payment Format", 1, "C:\\bankfile.txt", trustbank::TrustBankHeader,
     trustbank::TrustBankDetail, trustbank::TrustBankTrailer},
    {'U', "TSB Bank", 1, "C:\\bankfile.txt", trustbank::TsbHeader, trustbank::TsbDetail,
     trustbank::TsbTrailer},
    {'W', "Westpac DeskBank", 1, "C:\\bankfile.txt", westpac::DeskBankHeader, westpac::DeskBankDetail,
     NoRecord},
    {'P', "Westpac PC Diskette", 1, "A:\\bankfile.pc1", westpac::PcDisketteHeader, westpac::PcDisketteDetail,
     westpac::PcDisketteTrailer},
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
