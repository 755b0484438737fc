#include "bankaccount/bank_list.h"

namespace billpay {

std::string_view BankName(std::string_view bankNumber) {
    constexpr std::size_t kNumberLength = 2;
    if (bankNumber.size() != kNumberLength) return {};
    for (std::string_view entry : kBankList) {
        if (entry.substr(0, kNumberLength) == bankNumber) return entry.substr(kNumberLength + 1);
    }
    return {};
}

}  // namespace billpay
