// billpay-cli end to end: arguments, exit statuses, what goes to which stream.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "aba_generator.h"

namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("billpay-cli-test-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs billpay-cli with standard output in a file, or redirected as
    // `stdoutTo` says (">/dev/full", ">&-"), and at most `memoryKiB` of
    // address space when that is not 0.
    Result Run(const std::string& arguments, const std::string& stdoutTo = "", long memoryKiB = 0) {
        const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        std::string command = std::string(BILLPAY_CLI) + " " + arguments + " " +
                              (stdoutTo.empty() ? ">" + out.string() : stdoutTo) + " 2>" + err.string() +
                              " </dev/null";
        if (memoryKiB > 0) command = "ulimit -v " + std::to_string(memoryKiB) + " && " + command;
        fs::remove(out);
        const int raw = std::system(command.c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = ReadFile(out);
        r.err = ReadFile(err);
        return r;
    }

    // Runs billpay-cli with standard output on a pipe whose reading end is
    // already closed; the status, and standard error.
    Result RunOnClosedPipe(std::vector<std::string> arguments) {
        const fs::path err = dir_ / "stderr";
        int fds[2];
        EXPECT_EQ(::pipe(fds), 0);
        ::close(fds[0]);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        arguments.insert(arguments.begin(), BILLPAY_CLI);
        std::vector<char*> argv;
        for (std::string& a : arguments) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        Result r;
        if (::posix_spawn(&pid, BILLPAY_CLI, &actions, nullptr, argv.data(), environ) == 0) {
            int raw = 0;
            ::waitpid(pid, &raw, 0);
            r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        r.err = ReadFile(err);
        return r;
    }

    fs::path Sample() const { return fs::path(BILLPAY_GOLDEN) / "input.aba"; }
    fs::path dir_;
};

TEST_F(Cli, ValidateCleanFile) {
    const Result r = Run("validate --format a " + Sample().string());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Validation Completed OK\nFile Contains 4 Transactions\nDirect Credit Balance is $100999.98\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(Cli, ValidateStatuses) {
    WriteFile(dir_ / "bad.aba", billpay::testing::AbaHeaderRecord("091226") + "\r\n");
    WriteFile(dir_ / "empty.aba", "");
    struct Case {
        std::string arguments;
        int status;
        std::string outOrErr;  // a text the output (status 0/1) or standard error must contain
    } cases[] = {
        {"validate --format A " + (dir_ / "bad.aba").string(), 1, "Trailer record missing\n"},
        {"validate --format A " + (dir_ / "missing.aba").string(), 2,
         "Error Opening ABA File\nCannot open ABA file.\n\nError: No such file or directory\n"},
        {"validate --format A " + dir_.string(), 2, "Error: Is a directory"},
        {"validate --format A " + (dir_ / "empty.aba").string(), 2,
         "No Data To Process\nThe specified ABA file is empty!\n"},
        {"validate --format Q " + Sample().string(), 64, "unknown format code 'Q'"},
        {"validate " + Sample().string(), 64, "needs --format"},
        {"validate --format A", 64, "needs an ABA file"},
        {"validate --format A a b", 64, "one ABA file"},
        {"validate --format A --strict " + Sample().string(), 64, "unknown option '--strict' for 'validate'"},
        {"frobnicate", 64, "unknown command"},
    };
    for (const Case& c : cases) {
        const Result r = Run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        const std::string& where = c.status <= 1 ? r.out : r.err;
        EXPECT_NE(where.find(c.outOrErr), std::string::npos) << c.arguments << "\n" << where;
    }
}

TEST_F(Cli, HelpVersionAndFormats) {
    EXPECT_EQ(Run("--help").status, 0);
    EXPECT_NE(Run("--help").out.find("validate --format CODE FILE"), std::string::npos);
    EXPECT_EQ(Run("--version").out.rfind("billpay-cli ", 0), 0u);
    const Result formats = Run("formats");
    EXPECT_EQ(formats.status, 0);
    std::istringstream lines(formats.out);
    std::string line, codes;
    while (std::getline(lines, line)) codes += line[0];
    EXPECT_EQ(codes, "GKJSAHDBEVFLXIZNMTUWP");
    EXPECT_NE(formats.out.find("B\t1\tA:\\PTMDnnnn.dat\tBNZ PC Diskette\n"), std::string::npos)
        << formats.out;
    EXPECT_NE(formats.out.find("J\t2\tA:\\bankfile.csv\tASB EPW CSV\n"), std::string::npos);
}

TEST_F(Cli, AccountCheck) {
    struct Case {
        std::string arguments;
        int status;
        std::string out;  // exactly
    } cases[] = {
        {"12-3113-0123457-00 '08 6523 1954512 000' 2626003456785000", 0,
         "12-3113-0123457-00\tvalid\n08-6523-1954512-000\tvalid\n26-2600-3456785-000\tvalid\n"},
        {"12-3113-0123458-00 12-3113-0123457-00", 1,
         "12-3113-0123458-00\tinvalid\n12-3113-0123457-00\tvalid\n"},
        // Any invalid number decides the status, the last one too.
        {"12-3113-0123457-00 12-3113-0123458-00", 1,
         "12-3113-0123457-00\tvalid\n12-3113-0123458-00\tinvalid\n"},
        {"12-3113-0123457-00 12-3113-0123", 1,
         "12-3113-0123457-00\tvalid\n12-3113-0123\tinvalid (wrong length: 10 digits, expected 15 or 16)\n"},
    };
    for (const Case& c : cases) {
        const Result r = Run("account " + c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        EXPECT_EQ(r.out, c.out) << c.arguments;
    }
    EXPECT_EQ(Run("account").status, 64);
}

}  // namespace

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// Every golden case converted through the command line gives the same file:
// the options map onto the flags one for one.
TEST_F(Cli, ConvertReproducesEveryGoldenFile) {
    const fs::path golden(BILLPAY_GOLDEN);
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(golden)) {
        if (!fs::exists(entry.path() / "options.txt")) continue;
        const std::string name = entry.path().filename().string();
        std::string input, arguments = "convert --format " + name.substr(0, 1);
        std::istringstream options(ReadFile(entry.path() / "options.txt"));
        std::string line;
        while (std::getline(options, line)) {
            const auto eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
            if (key == "input")
                input = (golden / value).string();
            else if (key == "confidential")
                arguments += value == "1" ? " --confidential" : "";
            else if (key == "batch" || key == "preformat" || key == "now" || key == "debit-account" ||
                     key.rfind("payer-", 0) == 0)
                arguments += " --" + key + " " + Quoted(value);
            else
                ADD_FAILURE() << name << ": unknown option " << key;
        }
        const fs::path out = dir_ / (name + ".out");
        const Result r = Run(arguments + " " + Quoted(input) + " -o " + out.string());
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_EQ(ReadFile(out), ReadFile(entry.path() / "expected.txt")) << name;
        ++cases;
    }
    EXPECT_GE(cases, 21);
}

TEST_F(Cli, ConvertToStandardOutputEndsEveryLineInCrLf) {
    const Result r = Run("convert --format a --now 2026-12-10T09:30:00 " + Sample().string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, ReadFile(fs::path(BILLPAY_GOLDEN) / "A" / "expected.txt"));
}

TEST_F(Cli, ConvertUsageErrors) {
    const std::string file = " " + Sample().string();
    struct Case {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"convert --format A --batch 12" + file, "--batch is not offered by format A (ASB Fastnet Office)"},
        {"convert --format B" + file, "--batch is required for format B (BNZ PC Diskette)"},
        {"convert --format B --batch '   '" + file, "--batch must not be blank for format B"},
        {"convert --format B --batch 12345" + file, "--batch is longer than 4 characters for format B"},
        {"convert --format E" + file, "--preformat is required for format E"},
        {"convert --format D --preformat 1234567890123" + file, "--preformat is longer than 12 characters"},
        {"convert --format A --confidential" + file, "--confidential is not offered by format A"},
        {"convert --format A --payer-code X" + file, "--payer-code is not offered by format A"},
        {"convert --format S --payer-code 1234567890123" + file, "--payer-code is longer than 12 characters"},
        {"convert --format A --now yesterday" + file, "--now takes YYYY-MM-DDTHH:MM:SS[.cc]"},
        {"convert --format A --debit-account 12x" + file, "--debit-account takes digits"},
        // A debit account given passes the check validation gives the file's own.
        {"convert --format A --debit-account ''" + file,
         "--debit-account is refused for format A (ASB Fastnet Office): Account Number length incorrect - "},
        {"convert --format A --debit-account -" + file, "Account Number length incorrect - "},
        {"convert --format A --debit-account 1" + file, "Account Number length incorrect - 1"},
        {"convert --format A --debit-account 123456789012345678901234567890" + file,
         "Account Number length incorrect - 123456789012345678901234567890"},
        {"convert --format A --debit-account 12-3113-0123458-00" + file,
         "Account Number invalid - 123113012345800"},
        {"convert --format E --preformat P --debit-account 12345678901" + file,
         "Account Number invalid - 12345678901"},
        {"convert --format X --debit-account 12345678901" + file, "Account Number invalid - 12345678901"},
        // A control character in any option is refused, naming the option.
        {"convert --format D --preformat \"$(printf 'Pay\\tDec')\"" + file,
         "--preformat must not contain a control character"},
        {"convert --format B --batch \"$(printf '1\\r')\"" + file,
         "--batch must not contain a control character"},
        {"convert --format S --payer-code \"$(printf '\\177')\"" + file,
         "--payer-code must not contain a control character"},
        {"convert --format A --batch", "--batch needs a value"},
        {"convert" + file, "needs --format"},
    };
    for (const Case& c : cases) {
        const Result r = Run(c.arguments);
        EXPECT_EQ(r.status, 64) << c.arguments;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.arguments << "\n" << r.err;
        EXPECT_EQ(r.out, "") << c.arguments;
    }
    // A macron counts as one character: folded, "Tāmaki" is six.
    EXPECT_EQ(Run("convert --format D --preformat 'Tāmaki Tāmak'" + file).status, 0);
}

TEST_F(Cli, ConvertTakesADebitAccountWrittenWithHyphens) {
    // The file's own debit account, given as the user writes it, gives the same file.
    const Result r = Run("convert --format A --now 2026-12-10T09:30:00 --debit-account 12-3113-0123457-00 " +
                         Sample().string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, ReadFile(fs::path(BILLPAY_GOLDEN) / "A" / "expected.txt"));
}

TEST_F(Cli, CommaInAnOptionOfACommaSeparatedFormatAddsNoField) {
    const Result r = Run("convert --format J --now 2026-12-10T09:30:00 --batch 1, " + Sample().string());
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string header = r.out.substr(0, r.out.find('\r'));
    EXPECT_EQ(header.rfind("12,123113012345701,", 0), 0u) << header;
    EXPECT_EQ(std::count(header.begin(), header.end(), ','), 6) << header;
}

TEST_F(Cli, ConvertRefusesAFileWithProblems) {
    WriteFile(dir_ / "bad.aba", billpay::testing::AbaHeaderRecord("091226") + "\r\n");
    const fs::path out = dir_ / "out.txt";
    const Result r = Run("convert --format A " + (dir_ / "bad.aba").string() + " -o " + out.string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Trailer record missing\n");
    EXPECT_FALSE(fs::exists(out));
    // Without -o, standard output would be the bank file: the problems stay off it.
    const Result toStandardOutput = Run("convert --format A " + (dir_ / "bad.aba").string());
    EXPECT_EQ(toStandardOutput.status, 1);
    EXPECT_EQ(toStandardOutput.out, "");
    EXPECT_EQ(toStandardOutput.err, "Trailer record missing\n");
}

TEST_F(Cli, OutputIsReplacedWholeOrNotAtAll) {
    const fs::path target = dir_ / "bank.txt";
    WriteFile(target, "previous\r\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A failed conversion leaves the previous file as it was: HSBC Batch
    // Payments takes at most 300 payments.
    billpay::testing::AbaGeneratorOptions tooMany;
    tooMany.details = 301;
    tooMany.debitAccount = "123456789012";
    WriteFile(dir_ / "many.aba", billpay::testing::GenerateAbaFile(tooMany));
    Result r = Run("convert --format X " + (dir_ / "many.aba").string() + " -o " + target.string());
    fs::remove(dir_ / "many.aba");
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("Could not convert ABA file\nThe number of detail records being generated exceeds"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(ReadFile(target), "previous\r\n");

    // A successful one replaces it and keeps its permissions; a link stays a link.
    const fs::path link = dir_ / "link.txt";
    fs::create_symlink(target, link);
    r = Run("convert --format A --now 2026-12-10T09:30:00 " + Sample().string() + " -o " + link.string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(target), ReadFile(fs::path(BILLPAY_GOLDEN) / "A" / "expected.txt"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // Nothing is left behind when the output cannot be written.
    r = Run("convert --format A " + Sample().string() + " -o " +
            (dir_ / "no" / "such" / "folder.txt").string());
    EXPECT_EQ(r.status, 4);
    EXPECT_NE(r.err.find("Error Writing Bank File\n"), std::string::npos);
    r = Run("convert --format A " + Sample().string() + " -o /dev/full");
    EXPECT_EQ(r.status, 4);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++entries;
    EXPECT_EQ(entries, 4);  // bank.txt, link.txt, stdout, stderr
}

// Whatever cannot be written to standard output is said on standard error,
// once, with exit 4: a full disk, a closed descriptor, a reader that left.
TEST_F(Cli, FailedWritesToStandardOutputAreReported) {
    const std::string sample = " " + Sample().string();
    const std::string cannotWrite = "billpay-cli: cannot write to standard output";
    struct Case {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"validate --format A" + sample, cannotWrite},
        {"account 12-3113-0123457-00", cannotWrite},
        {"formats", cannotWrite},
        {"--help", cannotWrite},
        {"convert --format A" + sample,
         "Error Writing Bank File\nCannot write the bank file to standard output."},
    };
    for (const Case& c : cases) {
        for (const std::string redirect : {">/dev/full", ">&-"}) {
            const Result r = Run(c.arguments, redirect);
            EXPECT_EQ(r.status, 4) << c.arguments << " " << redirect;
            const auto at = r.err.find(c.message);
            EXPECT_NE(at, std::string::npos) << c.arguments << " " << redirect << "\n" << r.err;
            EXPECT_EQ(at, r.err.rfind(c.message)) << c.arguments << ": reported twice\n" << r.err;
        }
        std::vector<std::string> arguments;
        std::istringstream words(c.arguments);
        for (std::string word; words >> word;) arguments.push_back(word);
        const Result r = RunOnClosedPipe(arguments);
        EXPECT_EQ(r.status, 4) << c.arguments << " on a closed pipe";
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.arguments << "\n" << r.err;
    }
}

TEST_F(Cli, OutputThatIsTheAbaFileIsRefused) {
    const fs::path input = dir_ / "in.aba", symbolic = dir_ / "symbolic.aba", hard = dir_ / "hard.aba";
    fs::copy_file(Sample(), input);
    fs::create_symlink(input, symbolic);
    fs::create_hard_link(input, hard);
    const std::string original = ReadFile(input);
    const std::pair<fs::path, fs::path> cases[] = {
        {input, input}, {input, dir_ / "." / "in.aba"}, {input, symbolic}, {input, hard}, {symbolic, input},
    };
    for (const auto& [from, to] : cases) {
        const Result r = Run("convert --format A " + from.string() + " -o " + to.string());
        EXPECT_EQ(r.status, 4) << from << " -o " << to;
        EXPECT_NE(r.err.find("Error Writing Bank File\nCannot write the bank file " + to.string() +
                             ": it is the ABA file being converted"),
                  std::string::npos)
            << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(ReadFile(input), original) << from << " -o " << to;
        EXPECT_TRUE(fs::is_symlink(symbolic));
    }
    // A device is no file to overwrite: as both ends it is read (and found empty), not refused.
    EXPECT_EQ(Run("convert --format A /dev/null -o /dev/null").status, 2);
    // Another file in the same folder is written as usual.
    EXPECT_EQ(Run("convert --format A " + input.string() + " -o " + (dir_ / "bank.txt").string()).status, 0);
}

// Control characters other than the line ends and the tabs that separate columns.
bool HasControlCharacterBesidesLayout(const std::string& text) {
    for (const char c : text) {
        if (c != '\n' && c != '\t' && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)) return true;
    }
    return false;
}

TEST_F(Cli, ControlCharactersAreShownAsQuestionMarks) {
    using billpay::testing::AbaDetailRecord;
    std::string escapeLine = "\x1b[2J";
    escapeLine.resize(120, ' ');
    std::string detail =
        AbaDetailRecord("123113012345700", 100, "J SMITH", "WAGES", "123113012345700", "ACME LTD");
    detail.replace(20, 10, "000\x1b[31m00");
    const fs::path aba = dir_ / "control.aba";
    WriteFile(aba, billpay::testing::AbaHeaderRecord("091226") + "\r\n" + escapeLine + "\r\n" + detail +
                       "\r\n" + billpay::testing::AbaTrailerRecord(100, 100, 0, 1) + "\r\n");
    const std::string problems =
        "Line    2 - (\?\?\?) Unrecognised Record Type conversion error - ?\n"
        "Line    3 - (DTL) Amount conversion error - '000?[31m00' is not a valid integer value\n";

    const Result validated = Run("validate --format A " + aba.string());
    EXPECT_EQ(validated.status, 1);
    EXPECT_NE(validated.out.find(problems), std::string::npos) << validated.out;
    const Result converted = Run("convert --format A " + aba.string());
    EXPECT_EQ(converted.status, 1);
    EXPECT_NE(converted.err.find(problems), std::string::npos) << converted.err;

    struct Case {
        std::string arguments;
        bool onStandardOutput;
        std::string shown;
    } cases[] = {
        {"account " + Quoted("12\x1b[2J\x07"), true, "12?[2J?\tinvalid ("},
        {"validate --format A " + Quoted("--x\x1b]0;title\x07"), false, "unknown option '--x?]0;title?'"},
        {"convert --format A " + Sample().string() + " -o " +
             Quoted((dir_ / "no\x1b[2Jfolder" / "x").string()),
         false, "Cannot write the bank file " + (dir_ / "no?[2Jfolder" / "x").string()},
        {"account " + Quoted("\xc2\x9b"
                             "31m"),
         true, "?31m\tinvalid ("},  // CSI as a C1 control in UTF-8
    };
    for (const Case& c : cases) {
        const Result r = Run(c.arguments);
        const std::string& shown = c.onStandardOutput ? r.out : r.err;
        EXPECT_NE(shown.find(c.shown), std::string::npos) << c.arguments << "\n" << shown;
        EXPECT_FALSE(HasControlCharacterBesidesLayout(r.out + r.err)) << c.arguments;
    }
    for (const Result& r : {validated, converted})
        EXPECT_FALSE(HasControlCharacterBesidesLayout(r.out + r.err));
}

// Running out of memory while the ABA file is read and validated is a file
// that cannot be read (exit 2), never an abort.
TEST_F(Cli, NotEnoughMemoryToReadTheAbaFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
#endif
    billpay::testing::AbaGeneratorOptions options;
    options.details = 200000;
    const fs::path big = dir_ / "big.aba";
    WriteFile(big, billpay::testing::GenerateAbaFile(options));
    // 30 MiB of address space: enough to start the program, far too little
    // for 200,000 records (about 70 MiB).
    for (const std::string command : {"validate", "convert"}) {
        const Result r = Run(command + " --format A " + big.string(), "", 30 * 1024);
        EXPECT_EQ(r.status, 2) << command << "\n" << r.err;
        EXPECT_NE(
            r.err.find("Error Opening ABA File\nCannot open ABA file.\n\nError: Cannot allocate memory\n"),
            std::string::npos)
            << command << "\n"
            << r.err;
        EXPECT_EQ(r.out, "") << command;
    }
}

}  // namespace
