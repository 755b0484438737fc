// Account number parsing. The input is a text as a person might write an
// account number (byte 0 also splits it into four parts for the check).
//
// A text that parses gives a stored form of 15 or 16 digits whose written
// form parses back to it; a stored form split into parts and joined again is
// itself; the check of the parts, of the stored form and validation's check
// agree. Splitting, joining, writing and checking arbitrary text never fails.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "aba/validation.h"
#include "bankaccount/bank_account.h"
#include "fuzz_support.h"

using namespace billpay;
using namespace billpay::fuzz;

namespace {

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

void CheckStoredForm(const std::string& stored) {
    const BankAccountParts parts = SplitStoredForm(stored);
    Check(JoinParts(parts) == stored, "split and joined is not the stored form", stored);
    const bool valid = CheckStoredAccount(stored);
    Check(CheckBankAccount(parts.bank, parts.branch, parts.customer, parts.suffix) == valid,
          "parts and stored form checked differently", stored);
    Check(CheckAccountDigits(stored) == valid, "validation's check disagrees", stored);

    const std::string written = WrittenForm(stored);
    Check(written == parts.bank + "-" + parts.branch + "-" + parts.customer + "-" + parts.suffix,
          "written form is not the parts joined with \"-\"", written);
    std::string reason;
    const auto reparsed = ParseAccountNumber(written, &reason);
    Check(reparsed.has_value(), "written form does not parse", written + ": " + reason);
    Check(*reparsed == stored, "written form parses to another number", written + " gave " + *reparsed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::string reason;
    const auto stored = ParseAccountNumber(text, &reason);
    Check(ParseAccountNumber(text, nullptr) == stored, "parsing without a reason gave another result");
    if (stored) {
        Check((stored->size() == 15 || stored->size() == 16) && AllDigits(*stored),
              "parsed to something that is not 15 or 16 digits", *stored);
        CheckStoredForm(*stored);
    } else {
        Check(!reason.empty(), "refused without a reason", text);
    }

    // Arbitrary text through the stored-form helpers.
    const BankAccountParts parts = SplitStoredForm(text);
    const std::string joined = JoinParts(parts);
    Check(joined.size() <= kStoredFormMaxLength, "joined form longer than a stored form");
    if (text.size() <= kStoredFormMaxLength)
        Check(joined == text, "a short text split and joined changed", text);
    (void)WrittenForm(text);
    (void)CheckStoredAccount(text);
    (void)CheckAccountDigits(text);

    // Arbitrary parts: the text cut at three points taken from the first bytes.
    if (size >= 3) {
        const std::string_view rest = text.substr(3);
        std::size_t cuts[3];
        for (int k = 0; k < 3; ++k) cuts[k] = data[k] % (rest.size() + 1);
        std::sort(std::begin(cuts), std::end(cuts));
        const bool valid = CheckBankAccount(rest.substr(0, cuts[0]), rest.substr(cuts[0], cuts[1] - cuts[0]),
                                            rest.substr(cuts[1], cuts[2] - cuts[1]), rest.substr(cuts[2]));
        if (valid) {
            Check(AllDigits(rest), "parts that are not all digits passed the check", rest);
        }
    }
    return 0;
}
