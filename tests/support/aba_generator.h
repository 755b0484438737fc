#pragma once

#include <cstdint>
#include <string>

namespace billpay::testing {

// The most details an ABA file can hold: the trailer's count has six columns.
inline constexpr int kMaxAbaDetails = 999999;

struct AbaGeneratorOptions {
    int details = 10;
    std::uint64_t seed = 1;
    std::string debitAccount = "123113012345700";  // 12-3113-0123457-00
    std::string remitter = "ACME LTD";
    std::string payDate = "091226";  // ddmmyy
    std::string lineEnd = "\r\n";
};

// A valid ABA file of `details` payments to valid New Zealand accounts (a mix
// of 15- and 16-digit numbers), with a trailer that matches. Deterministic for
// a seed. Throws std::invalid_argument for fewer than 0 or more than
// kMaxAbaDetails details, which no trailer can count.
std::string GenerateAbaFile(const AbaGeneratorOptions& options);

// A valid New Zealand account number (stored form) drawn from the generator's
// sequence; used for fixtures.
std::string GenerateAccountNumber(std::uint64_t& state);

// The fixed-width records, for tests that build files by hand.
std::string AbaHeaderRecord(std::string_view payDate);
std::string AbaDetailRecord(std::string_view account, std::int64_t cents, std::string_view title,
                            std::string_view reference, std::string_view debitAccount,
                            std::string_view remitter, std::string_view transactionCode = "50");
std::string AbaTrailerRecord(std::int64_t netCents, std::int64_t creditCents, std::int64_t debitCents,
                             int count);

}  // namespace billpay::testing
