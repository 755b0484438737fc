// aba-generate, the tool that writes large valid ABA files: it refuses what
// no trailer could count.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

int RunGenerator(const std::string& arguments, const fs::path& err) {
    const std::string command = std::string(BILLPAY_ABA_GENERATE) + " " + arguments + " 2>" + err.string();
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(AbaGenerate, RefusesCountsNoTrailerHolds) {
    if (std::string(BILLPAY_ABA_GENERATE).empty()) GTEST_SKIP() << "aba-generate is not built";
    const fs::path dir = fs::temp_directory_path() / ("aba-generate-test-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path out = dir / "out.aba", err = dir / "stderr";
    struct Case {
        std::string count;
        std::string message;
    } cases[] = {
        {"1000000", "aba-generate: an ABA trailer counts at most 999999 details"},
        {"-1", "must be a whole number from 0 to 999999, not '-1'"},
        {"12x", "not '12x'"},
        {"99999999999", "not '99999999999'"},
        {"''", "not ''"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunGenerator(c.count + " " + out.string(), err), 64) << c.count;
        EXPECT_NE(ReadFile(err).find(c.message), std::string::npos) << c.count << "\n" << ReadFile(err);
        EXPECT_FALSE(fs::exists(out)) << c.count;
    }
    EXPECT_EQ(RunGenerator("3 " + out.string(), err), 0);
    const std::string file = ReadFile(out);
    EXPECT_EQ(file.size(), 5u * 122);
    EXPECT_EQ(file.substr(4 * 122 + 74, 6), "000003");  // the trailer's count
    fs::remove_all(dir);
}

}  // namespace
