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
void FastnetHeader(TBankFile& bf, std::string& record);
void FastnetDetail(TBankFile& bf, std::string& record);
void FastnetTrailer(TBankFile& bf, std::string& record);
// ASB Gateway (H): the same with "0" in column 160.
void GatewayHeader(TBankFile& bf, std::string& record);
void GatewayDetail(TBankFile& bf, std::string& record);
void GatewayTrailer(TBankFile& bf, std::string& record);
// ASB EPW CSV (J): no trailer.
void EpwCsvHeader(TBankFile& bf, std::string& record);
void EpwCsvDetail(TBankFile& bf, std::string& record);
}  // namespace asb

namespace bnz {
// BNZ PC Diskette (B).
void PcDisketteHeader(TBankFile& bf, std::string& record);
void PcDisketteDetail(TBankFile& bf, std::string& record);
void PcDisketteTrailer(TBankFile& bf, std::string& record);
// BNZ PC Banking (D) and Kiwibank Batch Upload (Z): one comma-separated
// layout, with the trailer CheckedBatchTrailer.
void CommaSeparatedHeader(TBankFile& bf, std::string& record);
void CommaSeparatedDetail(TBankFile& bf, std::string& record);
}  // namespace bnz

namespace gifts {
// ANZ, BNZ, National Bank GIFTS (G) and ANZ Direct Online (K), with the
// trailer CheckedBatchTrailer.
void GiftsHeader(TBankFile& bf, std::string& record);
void DirectOnlineHeader(TBankFile& bf, std::string& record);
void PaymentDetail(TBankFile& bf, std::string& record);
}  // namespace gifts

namespace citibank {
// Detail lines only.
void CashDirectCreditDetail(TBankFile& bf, std::string& record);     // E
void CitiDirectDetail(TBankFile& bf, std::string& record);           // V
void PaylinkDirectCreditDetail(TBankFile& bf, std::string& record);  // F
void PayrollDetail(TBankFile& bf, std::string& record);              // L
}  // namespace citibank

namespace hsbc {
// HSBC Batch Payments (X): no trailer.
void BatchPaymentsHeader(TBankFile& bf, std::string& record);
void BatchPaymentsDetail(TBankFile& bf, std::string& record);
// HSBC Bulk Payments (I).
void BulkPaymentsHeader(TBankFile& bf, std::string& record);
void BulkPaymentsDetail(TBankFile& bf, std::string& record);
void BulkPaymentsTrailer(TBankFile& bf, std::string& record);
}  // namespace hsbc

namespace nationalbank {
// National Bank DirectLink (N): detail lines only.
void DirectLinkDetail(TBankFile& bf, std::string& record);
// National, ANZ PC Diskette (M).
void PcDisketteHeader(TBankFile& bf, std::string& record);
void PcDisketteDetail(TBankFile& bf, std::string& record);
void PcDisketteTrailer(TBankFile& bf, std::string& record);
}  // namespace nationalbank

namespace westpac {
// Westpac DeskBank (W): no trailer.
void DeskBankHeader(TBankFile& bf, std::string& record);
void DeskBankDetail(TBankFile& bf, std::string& record);
// Westpac PC Diskette (P).
void PcDisketteHeader(TBankFile& bf, std::string& record);
void PcDisketteDetail(TBankFile& bf, std::string& record);
void PcDisketteTrailer(TBankFile& bf, std::string& record);
}  // namespace westpac

namespace trustbank {
// Trust Bank Payment Format (T).
void TrustBankHeader(TBankFile& bf, std::string& record);
void TrustBankDetail(TBankFile& bf, std::string& record);
void TrustBankTrailer(TBankFile& bf, std::string& record);
// TSB Bank (U).
void TsbHeader(TBankFile& bf, std::string& record);
void TsbDetail(TBankFile& bf, std::string& record);
void TsbTrailer(TBankFile& bf, std::string& record);
}  // namespace trustbank

}  // namespace billpay
