// Writes a valid ABA file of N details to standard output or a file, for
// measuring the command line on large inputs:  aba-generate N [FILE]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "aba_generator.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "Usage: aba-generate DETAILS [FILE]\n";
        return 64;
    }
    billpay::testing::AbaGeneratorOptions options;
    options.details = std::atoi(argv[1]);
    const std::string text = billpay::testing::GenerateAbaFile(options);
    if (argc == 3) {
        std::ofstream out(argv[2], std::ios::binary);
        out << text;
        return out ? 0 : 1;
    }
    std::cout << text;
    return std::cout ? 0 : 1;
}
