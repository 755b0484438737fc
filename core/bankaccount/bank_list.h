#pragma once

#include <array>
#include <string_view>

namespace billpay {

// The banks an account number may name: the 2-digit bank number, one blank, the bank's name.
// These texts fill the bank drop-down of the account entry control as they stand.
inline constexpr std::array<std::string_view, 31> kBankList{
    "01 ANZ",
    "02 BNZ",
    "03 Westpac",
    "06 National Bank",
    "08 National Australia Bank",
    "09 Reserve Bank",
    "11 PostBank",
    "12 ASB Bank",
    "13 Trustbank Southland",
    "14 Trustbank Otago",
    "15 TSB Bank",
    "16 Trustbank Canterbury",
    "17 Trustbank Waikato",
    "18 Trustbank BOP",
    "19 Trustbank South Canterbury",
    "20 Trustbank Central",
    "21 Trustbank Auckland",
    "22 Trustbank Central Wanganui",
    "23 Trustbank Wellington",
    "24 Westland",
    "25 Countrywide",
    "26 NZI",
    "27 Trustbank NZ",
    "28 State Bank SA",
    "29 United",
    "30 Hong Kong & Shanghai",
    "31 Citibank",
    "32 National Mutual",
    "33 Rural Bank",
    "35 Countrywide",
    "38 Kiwibank",
};

// The name of the bank whose entry starts with bankNumber (exactly two digits, e.g. "38" gives
// "Kiwibank"); empty when no entry has that number.
std::string_view BankName(std::string_view bankNumber);

}  // namespace billpay
