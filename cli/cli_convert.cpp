#include <iostream>
#include <memory>
#include <optional>

#include "aba/text_decoding.h"
#include "bankfile/bank_file.h"
#include "bankfile/conversion_page.h"
#include "bankfile/format_options.h"
#include "bankfile/null_host.h"
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
class TerminalHost final : public NullHost {
public:
    void ShowMessage(MessageIcon, std::string_view caption, std::string_view text) override {
        PrintMessageBox(caption.empty() ? std::string_view("Vorla Bill Payment Utility") : caption, text);
    }
};

struct ConvertArguments {
    char code = 0;
    std::string file;
    std::optional<std::string> output;
    std::optional<std::string> batch, preformat, payerReference, payerParticulars, payerCode, debitAccount,
        now;
    bool confidential = false;
};

// The command line's name of each conversion option, in the order of OptionField.
constexpr std::string_view kOptionFlags[] = {
    "--batch",      "--preformat",     "--confidential", "--payer-reference", "--payer-particulars",
    "--payer-code", "--debit-account",
};

std::optional<std::string_view> Given(const std::optional<std::string>& value) {
    if (!value) return std::nullopt;
    return std::string_view(*value);
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

    const ConversionOptionsGiven given{
        .batchNo = Given(a.batch),
        .preformatRef = Given(a.preformat),
        .confidential = a.confidential,
        .payerReference = Given(a.payerReference),
        .payerParticulars = Given(a.payerParticulars),
        .payerCode = Given(a.payerCode),
        .debitAccount = Given(a.debitAccount),
    };
    if (const auto problem = CheckConversionOptions(a.code, given)) {
        return UsageError(std::string(kOptionFlags[static_cast<std::size_t>(problem->field)]) + " " +
                          problem->reason);
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
