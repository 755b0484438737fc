#include "aba_generator.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace billpay::testing {
namespace {

std::uint64_t Next(std::uint64_t& state) {
    // xorshift64*: fast, deterministic, good enough for test data.
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return state * 2685821657736338717ULL;
}

void Put(std::string& line, std::size_t column, std::string_view text) {
    // column is 1-based; the record is already 120 blanks
    const std::size_t start = column - 1;
    const std::size_t count = std::min(text.size(), line.size() - std::min(start, line.size()));
    std::copy_n(text.begin(), count, line.begin() + static_cast<std::ptrdiff_t>(start));
}

std::string ZeroFilled(std::int64_t value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, static_cast<long long>(value));
    return buffer;
}

}  // namespace

std::string GenerateAccountNumber(std::uint64_t& state) {
    if (state == 0) state = 0x9E3779B97F4A7C15ULL;
    // Scheme A: branch d3-d6 weighted 6 3 7 9, base d8-d13 weighted 10 5 8 4 2 1,
    // modulus 11; d7 is 0 and d8 below 9 keep the base under 990000.
    static constexpr int kBranchWeights[4] = {6, 3, 7, 9};
    static constexpr int kBaseWeights[6] = {10, 5, 8, 4, 2, 1};
    for (;;) {
        const std::uint64_t r = Next(state);
        const bool bank35 = (r & 3) == 0;  // bank 35 takes a 3-digit suffix
        std::string account = bank35 ? "35" : "12";
        int sum = 0;
        std::uint64_t bits = r >> 2;
        for (int weight : kBranchWeights) {
            const int digit = static_cast<int>(bits % 10);
            bits /= 10;
            account += static_cast<char>('0' + digit);
            sum += digit * weight;
        }
        account += '0';
        for (int k = 0; k < 5; ++k) {
            const int digit = static_cast<int>(bits % (k == 0 ? 9 : 10));
            bits /= 10;
            account += static_cast<char>('0' + digit);
            sum += digit * kBaseWeights[k];
        }
        const int last = (11 - sum % 11) % 11;
        if (last == 10) continue;
        account += static_cast<char>('0' + last);
        account += bank35 ? "001" : "00";
        return account;
    }
}

std::string AbaHeaderRecord(std::string_view payDate) {
    std::string line(120, ' ');
    Put(line, 1, "0");
    Put(line, 18, "01");
    Put(line, 21, "ASB");
    Put(line, 31, "ACME PAYROLL LIMITED");
    Put(line, 57, "123456");
    Put(line, 63, "PAYROLL");
    Put(line, 75, payDate.substr(0, 6));
    return line;
}

std::string AbaDetailRecord(std::string_view account, std::int64_t cents, std::string_view title,
                            std::string_view reference, std::string_view debitAccount,
                            std::string_view remitter, std::string_view transactionCode) {
    std::string line(120, ' ');
    Put(line, 1, "1");
    Put(line, 2, account.substr(0, 16));
    Put(line, 19, transactionCode.substr(0, 2));
    if (cents < 0) {
        Put(line, 21, "-");
        Put(line, 22, ZeroFilled(-cents, 9));
    } else {
        Put(line, 21, ZeroFilled(cents, 10));
    }
    Put(line, 31, title.substr(0, 32));
    Put(line, 63, reference.substr(0, 18));
    Put(line, 81, debitAccount.substr(0, 16));
    Put(line, 97, remitter.substr(0, 16));
    return line;
}

std::string AbaTrailerRecord(std::int64_t netCents, std::int64_t creditCents, std::int64_t debitCents,
                             int count) {
    std::string line(120, ' ');
    Put(line, 1, "7");
    Put(line, 2, "999-999");
    Put(line, 21, ZeroFilled(netCents, 10));
    Put(line, 31, ZeroFilled(creditCents, 10));
    Put(line, 41, ZeroFilled(debitCents, 10));
    Put(line, 75, ZeroFilled(count, 6));
    return line;
}

std::string GenerateAbaFile(const AbaGeneratorOptions& options) {
    if (options.details < 0 || options.details > kMaxAbaDetails)
        throw std::invalid_argument("an ABA trailer counts 0 to " + std::to_string(kMaxAbaDetails) +
                                    " details, not " + std::to_string(options.details));
    std::string file;
    const std::size_t lineSize = 120 + options.lineEnd.size();
    file.reserve(lineSize * (static_cast<std::size_t>(options.details) + 2));
    file += AbaHeaderRecord(options.payDate);
    file += options.lineEnd;
    std::uint64_t state = options.seed * 0x9E3779B97F4A7C15ULL + 1;
    std::int64_t total = 0;
    static constexpr std::string_view kNames[] = {"J SMITH", "MARY O'BRIEN", "WIREMU NGATA", "LI WEI & CO",
                                                  "A.B. TAYLOR"};
    // Amounts of up to $5,000, smaller for big files so that the total fits
    // the trailer's ten columns of cents.
    const std::uint64_t maxCents = std::min<std::uint64_t>(
        500000, 9999999999ULL / static_cast<std::uint64_t>(std::max(options.details, 1)));
    for (int i = 0; i < options.details; ++i) {
        const std::string account = GenerateAccountNumber(state);
        const std::int64_t cents = 1 + static_cast<std::int64_t>(Next(state) % maxCents);
        total += cents;
        char reference[24];
        std::snprintf(reference, sizeof reference, "WAGES %06d", i % 1000000);
        file += AbaDetailRecord(account, cents, kNames[static_cast<std::size_t>(i) % std::size(kNames)],
                                reference, options.debitAccount, options.remitter);
        file += options.lineEnd;
    }
    file += AbaTrailerRecord(total, total, 0, options.details);
    file += options.lineEnd;
    return file;
}

}  // namespace billpay::testing
