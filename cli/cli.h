#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace billpay::cli {

// Exit statuses of billpay-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;    // validation listed problems, or an account is invalid
inline constexpr int kExitUnreadable = 2;  // the ABA file cannot be read, is empty or does not fit in memory
inline constexpr int kExitConversionFailed = 3;
inline constexpr int kExitCannotWrite = 4;  // the bank file or standard output, or OUT is the ABA file
inline constexpr int kExitUsage = 64;
inline constexpr int kExitInternal = 70;  // an exception nothing else caught

using Args = std::vector<std::string>;

int RunFormats(const Args& args);
int RunAccount(const Args& args);
int RunValidate(const Args& args);
int RunConvert(const Args& args);

// Prints "billpay-cli: <message>" (control characters shown as "?") and a
// pointer to --help on standard error; returns kExitUsage.
int UsageError(std::string_view message);

// A message box on the terminal: the caption, then the text, on standard
// error. Message texts separate their lines with CR; the terminal gets LF.
// Every other control character is shown as "?".
void PrintMessageBox(std::string_view caption, std::string_view text);

// The format code named on the command line, either case; 0 when it is not one of the 21.
char ParseFormatCode(std::string_view text);

// Takes the value of the --format option at args[i + 1] (moving i onto it)
// into `code`. Returns kExitOk, or the usage error's status.
int TakeFormatCode(const Args& args, std::size_t& i, char& code);

}  // namespace billpay::cli
