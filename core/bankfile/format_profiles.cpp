// The profile of every format, one row each, in the order of the
// banking-format list. A fact that depends on a format's code belongs in its
// row and nowhere else.

#include <array>
#include <string_view>

#include "bankfile/format_families.h"
#include "bankfile/format_profile.h"
#include "bankfile/record_building.h"

namespace billpay {

namespace {

using enum DebitAccountDisplay;

constexpr std::string_view kBankFileTxt = "C:\\bankfile.txt";

// The conversion page's preformat field.
constexpr std::string_view kPreformatReference = "Preformat Reference:";
constexpr std::string_view kPreformatReferenceHint = "Enter the Citibank Preformat Reference for this file";
constexpr std::string_view kOtherPartyParticulars = "Other Party Particulars:";
constexpr std::string_view kOtherPartyParticularsHint =
    "Enter the Other Party Particulars reference for this file";
constexpr std::string_view kOrderingPartyName = "Ordering Party Name:";
constexpr std::string_view kOrderingPartyNameHint = "Enter the Ordering Party Name reference for this file";

// Hash slices of the credit account.
constexpr HashSlice kBranchAndBase{3, 13};
constexpr HashSlice kBase{7, 13};
constexpr HashSlice kLastDigitOfBase{13, 13};
constexpr HashSlice kNoHash{0, 0};

// HSBC Batch Payments takes HSBC's own 12-digit debit account and at most 300 payments.
constexpr PassChecks kHsbcPassChecks{
    12,
    "The Debit Account Number is not a valid HSBC bank account number.",
    300,
    "The number of detail records being generated exceeds the \rmaximum limit for this file format. The HSBC "
    "Batch Payments \rfile format is limited to a maximum of 300 detail records.\rFile creation failed.",
};
constexpr PassChecks kNoPassChecks{0, {}, 0, {}};

// GetAccountNumber.
constexpr AccountFormat kBlankAfter15{AccountLayout::BlankAfter15, {}};
constexpr AccountFormat kZeroAfter15{AccountLayout::ZeroAfter15, {}};
constexpr AccountFormat kUnchanged{AccountLayout::Unchanged, {}};
constexpr AccountFormat kParts3484{AccountLayout::Parts, {3, 4, 8, 4}};
constexpr AccountFormat kParts2473{AccountLayout::Parts, {2, 4, 7, 3}};
constexpr AccountFormat kParts2483{AccountLayout::Parts, {2, 4, 8, 3}};
constexpr AccountFormat kParts2484{AccountLayout::Parts, {2, 4, 8, 4}};
constexpr AccountFormat kDashedParts2473{AccountLayout::DashedParts, {2, 4, 7, 3}};
constexpr AccountFormat kHsbcAccount{AccountLayout::Hsbc, {}};
constexpr AccountFormat kNoAccount{AccountLayout::None, {}};  // L lays out its account itself

// GetAmount.
constexpr AmountPicture kCents8{AmountStyle::Picture, 8, false};      // "00000000.00", "." removed
constexpr AmountPicture kCents9{AmountStyle::Picture, 9, false};      // "000000000.00", "." removed
constexpr AmountPicture kCents13{AmountStyle::Picture, 13, false};    // "0000000000000.00", "." removed
constexpr AmountPicture kDollars13{AmountStyle::Picture, 13, true};   // "0000000000000.00"
constexpr AmountPicture kWholeCents{AmountStyle::Picture, 1, false};  // "########0.00", "." removed
constexpr AmountPicture kDollars{AmountStyle::Picture, 1, true};      // "########0.00"
constexpr AmountPicture kPrintf15{AmountStyle::Printf15, 15, true};   // "%15.2f"

// GetHeaderBatchNo.
constexpr BatchNoLayout kZeroFilled2{2, false};
constexpr BatchNoLayout kZeroFilled4{4, false};
constexpr BatchNoLayout kZeroFilled7{7, false};
constexpr BatchNoLayout kLastTwo{2, true};
constexpr BatchNoLayout kNoBatchNo{0, false};

// GetDetailRecordType and GetTransactionCode of a format that has none.
constexpr FixedCode kNone{};

// GetPayeeField("PayeeReference").
constexpr PayeeReferenceLayout kReference12{12, false};
constexpr PayeeReferenceLayout kReference11{11, false};
constexpr PayeeReferenceLayout kReferenceRight12{12, true};

// GetNextSequenceNo.
constexpr SequenceNoLayout kSequenceZeros6{6, false};
constexpr SequenceNoLayout kSequenceRight12{12, true};

constexpr std::array<FormatProfile, 21> kFormatProfiles{{
    {
        .code = 'G',
        .listText = "ANZ, BNZ, National Bank GIFTS",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = gifts::GiftsHeader,
        .detail = gifts::PaymentDetail,
        .footer = CheckedBatchTrailer,
        .page = FormatOptions{'G', 2, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = true,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kUnchanged,
        .amount = kWholeCents,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = "2",
        .transactionCode = "50",
        .remitterName = Padding::Unpadded,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'K',
        .listText = "ANZ Direct Online",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = gifts::DirectOnlineHeader,
        .detail = gifts::PaymentDetail,
        .footer = CheckedBatchTrailer,
        .page = FormatOptions{'K', 0, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = true,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kUnchanged,
        .amount = kWholeCents,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = "2",
        .transactionCode = "50",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'J',
        .listText = "ASB EPW CSV",
        .passes = 2,
        .defaultFileName = "A:\\bankfile.csv",
        .header = asb::EpwCsvHeader,
        .detail = asb::EpwCsvDetail,
        .footer = NoRecord,
        .page = FormatOptions{'J', 2, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = true,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kDashedParts2473,
        .amount = kDollars,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = kNone,
        .transactionCode = "051",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'S',
        .listText = "ASB Fastnet Business",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = asb::FastnetHeader,
        .detail = asb::FastnetDetail,
        .footer = asb::FastnetTrailer,
        .page = FormatOptions{'S', 0, false, Grouped, {}, 0, false, {}, false, true},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kBlankAfter15,
        .amount = kCents8,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = "13",
        .transactionCode = "051",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'A',
        .listText = "ASB Fastnet Office",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = asb::FastnetHeader,
        .detail = asb::FastnetDetail,
        .footer = asb::FastnetTrailer,
        .page = FormatOptions{'A', 0, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kBlankAfter15,
        .amount = kCents8,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = "13",
        .transactionCode = "051",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'H',
        .listText = "ASB Gateway",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = asb::GatewayHeader,
        .detail = asb::GatewayDetail,
        .footer = asb::GatewayTrailer,
        .page = FormatOptions{'H', 2, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kBlankAfter15,
        .amount = kCents8,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = "13",
        .transactionCode = "051",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'D',
        .listText = "BNZ PC Banking",
        .passes = 1,
        .defaultFileName = "A:\\bankfile.afi",
        .header = bnz::CommaSeparatedHeader,
        .detail = bnz::CommaSeparatedDetail,
        .footer = CheckedBatchTrailer,
        .page = FormatOptions{'D', 2, false, Grouped, kOtherPartyParticulars, 12, false,
                              kOtherPartyParticularsHint, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = true,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kUnchanged,
        .amount = kWholeCents,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = "2",
        .transactionCode = "50",
        .remitterName = Padding::Unpadded,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'B',
        .listText = "BNZ PC Diskette",
        .passes = 1,
        .defaultFileName = "A:\\PTMD####.dat",
        .header = bnz::PcDisketteHeader,
        .detail = bnz::PcDisketteDetail,
        .footer = bnz::PcDisketteTrailer,
        .page = FormatOptions{'B', 4, true, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kLastDigitOfBase,
        .reportedHashWidth = 0,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts3484,
        .amount = kCents9,
        .headerBatchNo = kZeroFilled4,
        .detailRecordType = "B",
        .transactionCode = kNone,
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::ZeroFilled,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'E',
        .listText = "Citibank Cash Direct Credit",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = NoRecord,
        .detail = citibank::CashDirectCreditDetail,
        .footer = NoRecord,
        .page = FormatOptions{'E', 0, false, AsStored, kPreformatReference, 16, true, kPreformatReferenceHint,
                              false, false},
        .debitRule = DebitRule::BankOwnAccount,
        .commaSeparated = false,
        .hashSlice = kNoHash,
        .reportedHashWidth = 0,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts2473,
        .amount = kDollars,
        .headerBatchNo = kNoBatchNo,
        .detailRecordType = kNone,
        .transactionCode = kNone,
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'V',
        .listText = "Citibank CitiDirect",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = NoRecord,
        .detail = citibank::CitiDirectDetail,
        .footer = NoRecord,
        .page = FormatOptions{'V', 0, false, AsStored, kOrderingPartyName, 35, true, kOrderingPartyNameHint,
                              false, false},
        .debitRule = DebitRule::BankOwnAccount,
        .commaSeparated = false,
        .hashSlice = kNoHash,
        .reportedHashWidth = 0,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts2473,
        .amount = kPrintf15,
        .headerBatchNo = kNoBatchNo,
        .detailRecordType = kNone,
        .transactionCode = kNone,
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference11,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::DropLast,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'F',
        .listText = "Citibank Paylink Direct Credit",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = NoRecord,
        .detail = citibank::PaylinkDirectCreditDetail,
        .footer = NoRecord,
        .page = FormatOptions{'F', 0, false, AsStored, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::BankOwnAccount,
        .commaSeparated = false,
        .hashSlice = kNoHash,
        .reportedHashWidth = 0,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts2473,
        .amount = kPrintf15,
        .headerBatchNo = kNoBatchNo,
        .detailRecordType = kNone,
        .transactionCode = kNone,
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference11,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'L',
        .listText = "Citibank Payroll",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = NoRecord,
        .detail = citibank::PayrollDetail,
        .footer = NoRecord,
        .page = FormatOptions{'L', 0, false, AsStored, kOrderingPartyName, 35, true, kOrderingPartyNameHint,
                              true, false},
        .debitRule = DebitRule::BankOwnAccount,
        .commaSeparated = false,
        .hashSlice = kNoHash,
        .reportedHashWidth = 0,
        .passChecks = kNoPassChecks,
        .accountNumber = kNoAccount,
        .amount = kPrintf15,
        .headerBatchNo = kNoBatchNo,
        .detailRecordType = kNone,
        .transactionCode = kNone,
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::DigitsOnly,
        .accountTitle = Padding::Unpadded,
    },
    {
        .code = 'X',
        .listText = "HSBC Batch Payments",
        .passes = 2,
        .defaultFileName = kBankFileTxt,
        .header = hsbc::BatchPaymentsHeader,
        .detail = hsbc::BatchPaymentsDetail,
        .footer = NoRecord,
        .page = FormatOptions{'X', 0, false, AsStored, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::HsbcTwelveDigits,
        .commaSeparated = false,
        .hashSlice = kBase,
        .reportedHashWidth = 0,
        .passChecks = kHsbcPassChecks,
        .accountNumber = kHsbcAccount,
        .amount = kDollars13,
        .headerBatchNo = kNoBatchNo,
        .detailRecordType = "D",
        .transactionCode = kNone,
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReferenceRight12,
        .sequenceNo = kSequenceRight12,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'I',
        .listText = "HSBC Bulk Payments",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = hsbc::BulkPaymentsHeader,
        .detail = hsbc::BulkPaymentsDetail,
        .footer = hsbc::BulkPaymentsTrailer,
        .page = FormatOptions{'I', 0, false, Empty, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NoCheck,
        .commaSeparated = false,
        .hashSlice = kBase,
        .reportedHashWidth = 0,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts2473,
        .amount = kCents13,
        .headerBatchNo = kNoBatchNo,
        .detailRecordType = "D",
        .transactionCode = "50",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'Z',
        .listText = "Kiwibank Batch Upload",
        .passes = 1,
        .defaultFileName = "A:\\bankfile.kbb",
        .header = bnz::CommaSeparatedHeader,
        .detail = bnz::CommaSeparatedDetail,
        .footer = CheckedBatchTrailer,
        .page = FormatOptions{'Z', 0, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = true,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kUnchanged,
        .amount = kWholeCents,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = "2",
        .transactionCode = "50",
        .remitterName = Padding::Unpadded,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'N',
        .listText = "National Bank DirectLink",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = NoRecord,
        .detail = nationalbank::DirectLinkDetail,
        .footer = NoRecord,
        .page = FormatOptions{'N', 0, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = true,
        .hashSlice = kNoHash,
        .reportedHashWidth = 0,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts2483,
        .amount = kDollars,
        .headerBatchNo = kNoBatchNo,
        .detailRecordType = kNone,
        .transactionCode = kNone,
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'M',
        .listText = "National, ANZ PC Diskette(MT9)",
        .passes = 1,
        .defaultFileName = "A:\\bankfile.txt",
        .header = nationalbank::PcDisketteHeader,
        .detail = nationalbank::PcDisketteDetail,
        .footer = nationalbank::PcDisketteTrailer,
        .page = FormatOptions{'M', 2, true, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kBlankAfter15,
        .amount = kCents8,
        .headerBatchNo = kZeroFilled2,
        .detailRecordType = "13",
        .transactionCode = "050",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'T',
        .listText = "Trust Bank Payment Format",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = trustbank::TrustBankHeader,
        .detail = trustbank::TrustBankDetail,
        .footer = trustbank::TrustBankTrailer,
        .page = FormatOptions{'T', 7, true, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kZeroAfter15,
        .amount = kCents8,
        .headerBatchNo = kZeroFilled7,
        .detailRecordType = "13",
        .transactionCode = "050",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'U',
        .listText = "TSB Bank",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = trustbank::TsbHeader,
        .detail = trustbank::TsbDetail,
        .footer = trustbank::TsbTrailer,
        .page = FormatOptions{'U', 4, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kLastDigitOfBase,
        .reportedHashWidth = 4,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts2484,
        .amount = kCents9,
        .headerBatchNo = kZeroFilled4,
        .detailRecordType = "13",
        .transactionCode = kNone,
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'W',
        .listText = "Westpac DeskBank",
        .passes = 1,
        .defaultFileName = kBankFileTxt,
        .header = westpac::DeskBankHeader,
        .detail = westpac::DeskBankDetail,
        .footer = NoRecord,
        .page = FormatOptions{'W', 0, false, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kNoHash,
        .reportedHashWidth = 0,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts2484,
        .amount = kCents13,
        .headerBatchNo = kNoBatchNo,
        .detailRecordType = "D",
        .transactionCode = "50",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
    {
        .code = 'P',
        .listText = "Westpac PC Diskette",
        .passes = 1,
        .defaultFileName = "A:\\bankfile.pc1",
        .header = westpac::PcDisketteHeader,
        .detail = westpac::PcDisketteDetail,
        .footer = westpac::PcDisketteTrailer,
        .page = FormatOptions{'P', 3, true, Grouped, {}, 0, false, {}, false, false},
        .debitRule = DebitRule::NewZealand,
        .commaSeparated = false,
        .hashSlice = kBranchAndBase,
        .reportedHashWidth = 11,
        .passChecks = kNoPassChecks,
        .accountNumber = kParts2473,
        .amount = kCents8,
        .headerBatchNo = kLastTwo,
        .detailRecordType = "13",
        .transactionCode = "050",
        .remitterName = Padding::SpaceFilled,
        .debitBranch = DebitBranchLayout::AsCut,
        .payeeReference = kReference12,
        .sequenceNo = kSequenceZeros6,
        .uniqueReference = TimeCodeDigits::All,
        .shortDebitAccount = ShortDebitAccountLayout::PaddedToTen,
        .accountTitle = Padding::SpaceFilled,
    },
}};

constexpr bool CodesInListOrder() {
    constexpr std::string_view kListOrder = "GKJSAHDBEVFLXIZNMTUWP";
    if (kFormatProfiles.size() != kListOrder.size()) return false;
    for (std::size_t i = 0; i < kListOrder.size(); ++i) {
        const FormatProfile& row = kFormatProfiles[i];
        if (row.code != kListOrder[i] || row.page->code != kListOrder[i]) return false;
        if (row.passes != 1 && row.passes != 2) return false;
        if (row.listText.empty() || row.defaultFileName.empty()) return false;
        if (row.header == nullptr || row.detail == nullptr || row.footer == nullptr) return false;
    }
    return true;
}
static_assert(CodesInListOrder(),
              "one complete profile per format code, in the order of the banking-format list");

// Position in the list of each letter "A" to "Z", or -1 for a letter without a format.
constexpr std::array<int, 26> MakeLetterIndex() {
    std::array<int, 26> index{};
    for (int& entry : index) entry = -1;
    for (std::size_t i = 0; i < kFormatProfiles.size(); ++i) {
        index[static_cast<std::size_t>(kFormatProfiles[i].code - 'A')] = static_cast<int>(i);
    }
    return index;
}

constexpr std::array<int, 26> kLetterIndex = MakeLetterIndex();

}  // namespace

std::span<const FormatProfile> FormatProfiles() {
    return kFormatProfiles;
}

const FormatProfile* FindFormatProfile(char code) {
    if (code < 'A' || code > 'Z') return nullptr;
    const int at = kLetterIndex[static_cast<std::size_t>(code - 'A')];
    return at < 0 ? nullptr : &kFormatProfiles[static_cast<std::size_t>(at)];
}

std::string LayoutOptionText(const FormatProfile& profile, std::string_view entered) {
    std::string text;
    text.reserve(entered.size());
    for (const char c : entered) {
        if (c != ',' || !profile.commaSeparated) text.push_back(c);
    }
    return text;
}

const FormatProfile* FormatProfileAt(int listIndex) {
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= kFormatProfiles.size()) return nullptr;
    return &kFormatProfiles[static_cast<std::size_t>(listIndex)];
}

}  // namespace billpay
