#pragma once

#include <string>

namespace billpay {

class TBankFile;

// The record builders of each format family, one file per family. Each
// builder looks at the engine's FormatCode for the variants of its family.
namespace asb {  // A, S, H, J
std::string Header(TBankFile& bf);
std::string Detail(TBankFile& bf);
std::string Footer(TBankFile& bf);
}  // namespace asb

namespace bnz {  // B, D, Z
std::string Header(TBankFile& bf);
std::string Detail(TBankFile& bf);
std::string Footer(TBankFile& bf);
}  // namespace bnz

namespace gifts {  // G, K
std::string Header(TBankFile& bf);
std::string Detail(TBankFile& bf);
std::string Footer(TBankFile& bf);
}  // namespace gifts

namespace citibank {  // E, V, F, L
std::string Header(TBankFile& bf);
std::string Detail(TBankFile& bf);
std::string Footer(TBankFile& bf);
}  // namespace citibank

namespace hsbc {  // X, I
std::string Header(TBankFile& bf);
std::string Detail(TBankFile& bf);
std::string Footer(TBankFile& bf);
}  // namespace hsbc

namespace nationalbank {  // N, M
std::string Header(TBankFile& bf);
std::string Detail(TBankFile& bf);
std::string Footer(TBankFile& bf);
}  // namespace nationalbank

namespace westpac {  // W, P
std::string Header(TBankFile& bf);
std::string Detail(TBankFile& bf);
std::string Footer(TBankFile& bf);
}  // namespace westpac

namespace trustbank {  // T, U
std::string Header(TBankFile& bf);
std::string Detail(TBankFile& bf);
std::string Footer(TBankFile& bf);
}  // namespace trustbank

}  // namespace billpay
