#pragma once

#include <string>

namespace billpay {

class TBankFile;

// The record builders of each format family, one file per family. Each
// format's profile points at the builders of its own layout; a builder that
// serves several codes reads their differences from the profile.
// A record a format does not have is NoRecord (bankfile/record_building.h).
namespace asb {
// ASB Fastnet Office (A) and Fastnet Business (S): 160 columns.
std::string FastnetHeader(TBankFile& bf);
std::string FastnetDetail(TBankFile& bf);
std::string FastnetTrailer(TBankFile& bf);
// ASB Gateway (H): the same with "0" in column 160.
std::string GatewayHeader(TBankFile& bf);
std::string GatewayDetail(TBankFile& bf);
std::string GatewayTrailer(TBankFile& bf);
// ASB EPW CSV (J): no trailer.
std::string EpwCsvHeader(TBankFile& bf);
std::string EpwCsvDetail(TBankFile& bf);
}  // namespace asb

namespace bnz {
// BNZ PC Diskette (B).
std::string PcDisketteHeader(TBankFile& bf);
std::string PcDisketteDetail(TBankFile& bf);
std::string PcDisketteTrailer(TBankFile& bf);
// BNZ PC Banking (D) and Kiwibank Batch Upload (Z): one comma-separated
// layout, with the trailer CheckedBatchTrailer.
std::string CommaSeparatedHeader(TBankFile& bf);
std::string CommaSeparatedDetail(TBankFile& bf);
}  // namespace bnz

namespace gifts {
// ANZ, BNZ, National Bank GIFTS (G) and ANZ Direct Online (K), with the
// trailer CheckedBatchTrailer.
std::string GiftsHeader(TBankFile& bf);
std::string DirectOnlineHeader(TBankFile& bf);
std::string PaymentDetail(TBankFile& bf);
}  // namespace gifts

namespace citibank {
// Detail lines only.
std::string CashDirectCreditDetail(TBankFile& bf);     // E
std::string CitiDirectDetail(TBankFile& bf);           // V
std::string PaylinkDirectCreditDetail(TBankFile& bf);  // F
std::string PayrollDetail(TBankFile& bf);              // L
}  // namespace citibank

namespace hsbc {
// HSBC Batch Payments (X): no trailer.
std::string BatchPaymentsHeader(TBankFile& bf);
std::string BatchPaymentsDetail(TBankFile& bf);
// HSBC Bulk Payments (I).
std::string BulkPaymentsHeader(TBankFile& bf);
std::string BulkPaymentsDetail(TBankFile& bf);
std::string BulkPaymentsTrailer(TBankFile& bf);
}  // namespace hsbc

namespace nationalbank {
// National Bank DirectLink (N): detail lines only.
std::string DirectLinkDetail(TBankFile& bf);
// National, ANZ PC Diskette (M).
std::string PcDisketteHeader(TBankFile& bf);
std::string PcDisketteDetail(TBankFile& bf);
std::string PcDisketteTrailer(TBankFile& bf);
}  // namespace nationalbank

namespace westpac {
// Westpac DeskBank (W): no trailer.
std::string DeskBankHeader(TBankFile& bf);
std::string DeskBankDetail(TBankFile& bf);
// Westpac PC Diskette (P).
std::string PcDisketteHeader(TBankFile& bf);
std::string PcDisketteDetail(TBankFile& bf);
std::string PcDisketteTrailer(TBankFile& bf);
}  // namespace westpac

namespace trustbank {
// Trust Bank Payment Format (T).
std::string TrustBankHeader(TBankFile& bf);
std::string TrustBankDetail(TBankFile& bf);
std::string TrustBankTrailer(TBankFile& bf);
// TSB Bank (U).
std::string TsbHeader(TBankFile& bf);
std::string TsbDetail(TBankFile& bf);
std::string TsbTrailer(TBankFile& bf);
}  // namespace trustbank

}  // namespace billpay
