// Validation of arbitrary bytes. The first byte picks the format code, the
// rest is the ABA file. The bytes are decoded, split into lines and validated
// in memory; every memo line must hold only characters below 128. The same
// bytes then go through the file path (a temporary file read, decoded in
// place and validated), which must give the same lines, errors and memo.

#include <unistd.h>

#include <cstdio>
#include <string>

#include "aba/text_decoding.h"
#include "aba/validation.h"
#include "fuzz_support.h"

using namespace billpay;
using namespace billpay::fuzz;

namespace {

// One file per fuzzing process, rewritten for every input.
const std::string& TemporaryPath() {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        return std::string(dir && *dir ? dir : "/tmp") + "/billpay-fuzz-validate-" +
               std::to_string(getpid()) + ".aba";
    }();
    return path;
}

bool WriteWhole(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char code = FormatCodeFromByte(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string decoded = DecodeAbaText(bytes);
    Check(IsSevenBit(decoded), "decoded text holds a character of 128 or above");
    const ValidationRun run = ValidateAbaLines(AbaLines::FromText(decoded), code);
    for (const std::string& line : run.Memo())
        Check(IsSevenBit(line), "memo line with a character of 128 or above", line);
    Check(run.Validated() == run.errors.empty(), "validated with errors");
    Check(run.Memo().size() == run.errors.size() + (run.Validated() ? 3 : 0),
          "memo is not the errors (+ summary)", Joined(run.Memo()));

    if (!WriteWhole(TemporaryPath(), bytes)) return 0;
    const ValidationOutcome fromFile = ValidateAbaFile(TemporaryPath(), code);
    std::remove(TemporaryPath().c_str());
    if (fromFile.problem) {
        // The only problem a readable file can have is being empty.
        Check(fromFile.problem->caption == "No Data To Process", "file path refused a readable file",
              fromFile.problem->text);
        Check(decoded.empty(), "file path found a file with text empty");
        return 0;
    }
    Check(fromFile.run.lines.size() == run.lines.size(), "file path read another number of lines");
    for (std::size_t i = 0; i < run.lines.size(); ++i)
        Check(fromFile.run.lines[i].text == run.lines[i].text, "file path read another line",
              std::string(run.lines[i].text));
    Check(fromFile.run.errors == run.errors, "file path gave other errors", Joined(fromFile.run.errors));
    Check(fromFile.run.Memo() == run.Memo(), "file path gave another memo", Joined(fromFile.run.Memo()));
    return 0;
}
