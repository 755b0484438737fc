// Writes a valid ABA file of N details to standard output or a file, for
// measuring the command line on large inputs:  aba-generate N [FILE]
#include <charconv>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

#include "aba_generator.h"

namespace {

constexpr int kUsage = 64;

int Refuse(std::string_view message) {
    std::cerr << "aba-generate: " << message << "\nUsage: aba-generate DETAILS [FILE]\n";
    return kUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) return Refuse("expects a number of details and an optional file");
    const std::string_view count(argv[1]);
    int details = -1;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), details);
    if (count.empty() || error != std::errc() || end != count.data() + count.size() || details < 0)
        return Refuse("the number of details must be a whole number from 0 to " +
                      std::to_string(billpay::testing::kMaxAbaDetails) + ", not '" + std::string(count) +
                      "'");
    // The trailer's count has six columns: a larger file could never be valid.
    if (details > billpay::testing::kMaxAbaDetails)
        return Refuse("an ABA trailer counts at most " + std::to_string(billpay::testing::kMaxAbaDetails) +
                      " details, so " + std::string(count) + " cannot make a valid file");
    try {
        billpay::testing::AbaGeneratorOptions options;
        options.details = details;
        const std::string text = billpay::testing::GenerateAbaFile(options);
        if (argc == 3) {
            std::ofstream out(argv[2], std::ios::binary);
            out << text;
            out.close();
            if (!out) {
                std::cerr << "aba-generate: cannot write " << argv[2] << "\n";
                return 1;
            }
            return 0;
        }
        std::cout << text << std::flush;
        if (!std::cout) {
            std::cerr << "aba-generate: cannot write to standard output\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "aba-generate: " << e.what() << "\n";
        return 1;
    }
}
