#include <iostream>
#include <memory>
#include <optional>

#include "aba/text_decoding.h"
#include "bankfile/bank_file.h"
#include "bankfile/format_options.h"
#include "bankfile/format_table.h"
#include "cli.h"
#include "cli_output.h"
#include "cli_validation.h"
#include "util/clock.h"
#include "util/file_output.h"
#include "util/text.h"

namespace billpay::cli {
namespace {

// The conversion engine's host on a terminal: messages go to standard error,
// caption first; there is no progress bar or cursor to drive.
class TerminalHost final : public ConversionHost {
public:
    void SetProgressMaximum(int) override {}
    void SetProgressPosition(int) override {}
    void StepProgress() override {}
    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon) override {
        PrintMessageBox(caption.empty() ? std::string_view("Vorla Bill Payment Utility") : caption, text);
    }
    void SetBusyCursor(bool) override {}
    void ProcessPendingEvents() override {}
};

struct ConvertArguments {
    char code = 0;
    std::string file;
    std::optional<std::string> output;
    std::optional<std::string> batch, preformat, payerReference, payerParticulars, payerCode, debitAccount,
        now;
    bool confidential = false;
};

std::string FormatName(const FormatOptions& options) {
    const BankFormat* format = FindBankFormat(options.code);
    return std::string(1, options.code) + " (" + std::string(format ? format->listText : "") + ")";
}

// Checks one text option against what the format offers. Returns a usage
// message, or nothing when the option is fine.
std::optional<std::string> CheckTextOption(const char* flag, const std::optional<std::string>& value,
                                           const FormatOptions& format, int maxLength, bool required) {
    if (!value) {
        if (required) return std::string(flag) + " is required for format " + FormatName(format);
        return std::nullopt;
    }
    if (maxLength == 0) return std::string(flag) + " is not offered by format " + FormatName(format);
    if (required && TrimView(*value).empty())
        return std::string(flag) + " must not be blank for format " + FormatName(format);
    if (static_cast<int>(value->size()) > maxLength)
        return std::string(flag) + " is longer than " + std::to_string(maxLength) +
               " characters for format " + FormatName(format);
    return std::nullopt;
}

int ParseConvertArguments(const Args& args, ConvertArguments& out) {
    auto takeValue = [&](std::size_t& i, std::optional<std::string>& into) -> bool {
        if (i + 1 >= args.size()) return false;
        // Option texts are folded to single-byte characters like the ABA file's text.
        into = FoldToSingleByte(args[++i]);
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* target = nullptr;
        if (arg == "--format" || arg == "-f") {
            if (int status = TakeFormatCode(args, i, out.code); status != kExitOk) return status;
            continue;
        }
        if (arg == "--confidential") {
            out.confidential = true;
            continue;
        }
        if (arg == "-o" || arg == "--output") {
            if (i + 1 >= args.size()) return UsageError(arg + " needs a file name");
            out.output = args[++i];
            continue;
        }
        if (arg == "--batch") target = &out.batch;
        if (arg == "--preformat") target = &out.preformat;
        if (arg == "--payer-reference") target = &out.payerReference;
        if (arg == "--payer-particulars") target = &out.payerParticulars;
        if (arg == "--payer-code") target = &out.payerCode;
        if (arg == "--debit-account") target = &out.debitAccount;
        if (arg == "--now") target = &out.now;
        if (target) {
            if (!takeValue(i, *target)) return UsageError(arg + " needs a value");
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') return UsageError("unknown option '" + arg + "' for 'convert'");
        if (!out.file.empty()) return UsageError("'convert' takes one ABA file");
        out.file = arg;
    }
    if (!out.code) return UsageError("'convert' needs --format CODE");
    if (out.file.empty()) return UsageError("'convert' needs an ABA file");
    return kExitOk;
}

}  // namespace

int RunConvert(const Args& args) {
    ConvertArguments a;
    if (int status = ParseConvertArguments(args, a); status != kExitOk) return status;
    const FormatOptions& format = *FindFormatOptions(a.code);

    const std::optional<std::string> problems[] = {
        CheckTextOption("--batch", a.batch, format, format.batchMaxLength, format.batchRequired),
        CheckTextOption("--preformat", a.preformat, format, format.preformatMaxLength,
                        format.preformatRequired),
        CheckTextOption("--payer-reference", a.payerReference, format,
                        format.payerFields ? kPayerFieldMaxLength : 0, false),
        CheckTextOption("--payer-particulars", a.payerParticulars, format,
                        format.payerFields ? kPayerFieldMaxLength : 0, false),
        CheckTextOption("--payer-code", a.payerCode, format, format.payerFields ? kPayerFieldMaxLength : 0,
                        false),
    };
    for (const auto& problem : problems) {
        if (problem) return UsageError(*problem);
    }
    if (a.confidential && !format.confidential)
        return UsageError("--confidential is not offered by format " + FormatName(format));
    if (a.debitAccount) {
        for (char c : *a.debitAccount) {
            if ((c < '0' || c > '9') && c != '-')
                return UsageError("--debit-account takes digits (and \"-\"), not '" + *a.debitAccount + "'");
        }
    }
    std::unique_ptr<Clock> clock;
    if (a.now) {
        const auto instant = ParseIsoInstant(*a.now);
        if (!instant) return UsageError("--now takes YYYY-MM-DDTHH:MM:SS[.cc], not '" + *a.now + "'");
        clock = std::make_unique<TickingClock>(instant->first, instant->second);
    } else {
        clock = std::make_unique<SystemClock>();
    }

    if (int status = RefuseOutputOverInput(a.file, a.output); status != kExitOk) return status;

    int status = kExitOk;
    const auto run = ValidateForCommand(a.file, a.code, status);
    if (!run) return status;
    if (!run->Validated()) {
        // Standard output carries the bank file only, so the problems go to standard error.
        PrintResults(std::cerr, *run);
        return kExitProblems;
    }

    ConversionOptions options;
    options.DebitAccount =
        a.debitAccount ? *a.debitAccount : DebitAccountForDisplay(run->DebitAccount, format.debitDisplay);
    options.BatchNo = a.batch.value_or("");
    options.PreformatRef = a.preformat.value_or("");
    options.Confidential = a.confidential;
    options.PayerReference = a.payerReference.value_or("");
    options.PayerParticulars = a.payerParticulars.value_or("");
    options.PayerCode = a.payerCode.value_or("");

    TerminalHost host;
    TBankFile engine(host, *clock);
    engine.BankingFileName = a.output ? *a.output : "(standard output)";
    TextLines bankFile;
    if (!engine.CreateBankFile(run->lines, a.code, options, bankFile)) return kExitConversionFailed;

    const std::string_view contents = bankFile.CrLfText();
    if (a.output) {
        if (const auto failure = WriteFileReplacing(*a.output, contents)) {
            PrintMessageBox("Error Writing Bank File",
                            "Cannot write the bank file " + *a.output + ": " + *failure);
            return kExitCannotWrite;
        }
        return kExitOk;
    }
    std::cout.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    std::cout.flush();
    if (!std::cout) {
        PrintMessageBox("Error Writing Bank File", "Cannot write the bank file to standard output.");
        return kExitCannotWrite;
    }
    return kExitOk;
}

}  // namespace billpay::cli
