// billpay-cli end to end: arguments, exit statuses, what goes to which stream.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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

    Result Run(const std::string& arguments) {
        const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        const std::string command = std::string(BILLPAY_CLI) + " " + arguments + " >" + out.string() + " 2>" +
                                    err.string() + " </dev/null";
        const int raw = std::system(command.c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = ReadFile(out);
        r.err = ReadFile(err);
        return r;
    }

    fs::path Sample() const { return fs::path(BILLPAY_GOLDEN) / "input.aba"; }
    fs::path dir_;
};

TEST_F(Cli, ValidateCleanFile) {
    const Result r = Run("validate --format a " + Sample().string());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Validation Completed OK\nFile Contains 4 Transactions\nDirect Credit Balance is $100999.98\n");
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
    EXPECT_NE(formats.out.find("B\t1\tA:\\PTMDnnnn.dat\tBNZ PC Diskette\n"), std::string::npos) << formats.out;
    EXPECT_NE(formats.out.find("J\t2\tA:\\bankfile.csv\tASB EPW CSV\n"), std::string::npos);
}

TEST_F(Cli, AccountCheck) {
    Result r = Run("account 12-3113-0123457-00 '08 6523 1954512 000' 2626003456785000");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "12-3113-0123457-00\tvalid\n08-6523-1954512-000\tvalid\n26-2600-3456785-000\tvalid\n");
    r = Run("account 12-3113-0123458-00 12-3113-0123");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("12-3113-0123458-00\tinvalid\n"), std::string::npos);
    EXPECT_NE(r.out.find("12-3113-0123\tinvalid ("), std::string::npos);
    EXPECT_EQ(Run("account").status, 64);
}

}  // namespace
