// The file system layer as every system must show it: whole files read
// byte for byte, bank files replaced whole or not at all, UTF-8 paths.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/file_system.h"
#include "temp_path.h"

namespace billpay {
namespace {

namespace fs = std::filesystem;

// Paths go to the layer as UTF-8 on every system (path::string() is the
// local code page on Windows).
std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path FromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Put(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Everything in the folder but `keep`: what a replacement may have left behind.
int Others(const fs::path& folder, const fs::path& keep) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder)) n += entry.path().filename() != keep.filename();
    return n;
}

using namespace std::string_literals;
const std::string kBankFile = "1,12-3113-0123457-00\r\n2,\0,x\r\n\r\n"s;

class FileSystem : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = billpay::testing::RunTempPath(std::string("platform-") +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(dir_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add, ignored);
        fs::remove_all(dir_, ignored);
    }
    fs::path dir_;
};

TEST_F(FileSystem, WrittenFileReadsBackByteForByte) {
    const fs::path file = dir_ / "bankfile.txt";
    EXPECT_EQ(WriteFileReplacing(Utf8(file), kBankFile), std::nullopt);
    EXPECT_EQ(Slurp(file), kBankFile);
    const WholeFile read = ReadWholeFile(Utf8(file), kBankFile.size());
    EXPECT_EQ(read.status, ReadStatus::Read);
    EXPECT_EQ(read.bytes, kBankFile);
    EXPECT_EQ(ReadWholeFile(Utf8(file), kBankFile.size() - 1).status, ReadStatus::TooLarge);
    EXPECT_EQ(Others(dir_, file), 0);
}

TEST_F(FileSystem, ReplacesAnExistingFileWhole) {
    const fs::path file = dir_ / "bankfile.txt";
    Put(file, std::string(100000, 'o'));
    EXPECT_EQ(WriteFileReplacing(Utf8(file), kBankFile), std::nullopt);
    EXPECT_EQ(Slurp(file), kBankFile);
    EXPECT_EQ(WriteFileReplacing(Utf8(file), ""), std::nullopt);
    EXPECT_EQ(Slurp(file), "");
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(Others(dir_, file), 0);
}

TEST_F(FileSystem, RefusedTargetsAreLeftAsTheyWere) {
    const fs::path folder = dir_ / "folder";
    fs::create_directory(folder);
    Put(folder / "inside", "kept");
    EXPECT_EQ(WriteFileReplacing(Utf8(folder), kBankFile), "Is a directory");
    EXPECT_EQ(Slurp(folder / "inside"), "kept");
    EXPECT_EQ(Others(dir_, folder), 0);

    const fs::path nowhere = dir_ / "missing" / "bankfile.txt";
    const auto failure = WriteFileReplacing(Utf8(nowhere), kBankFile);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
    EXPECT_FALSE(fs::exists(dir_ / "missing"));

    EXPECT_EQ(WriteFileReplacing("", kBankFile), std::string(kNoFileName));
    EXPECT_EQ(ReadWholeFile("", 10).error, kNoFileName);
    EXPECT_EQ(ReadWholeFile(Utf8(folder), 10).error, "Is a directory");
}

TEST_F(FileSystem, ReadOnlyFileIsRefused) {
    const fs::path file = dir_ / "locked.txt";
    Put(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (std::ofstream(file, std::ios::app)) GTEST_SKIP() << "this user may write read-only files";
    const auto failure = WriteFileReplacing(Utf8(file), kBankFile);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
    EXPECT_EQ(Slurp(file), "old");
    EXPECT_EQ(Others(dir_, file), 0);
}

// A bank file named without a folder goes to the current one.
TEST_F(FileSystem, NameWithoutFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    const auto written = WriteFileReplacing("PTMD0012.dat", kBankFile);
    const auto replaced = WriteFileReplacing("PTMD0012.dat", "again\r\n");
    const WholeFile read = ReadWholeFile("PTMD0012.dat", 100);
    fs::current_path(before);
    EXPECT_EQ(written, std::nullopt);
    EXPECT_EQ(replaced, std::nullopt);
    EXPECT_EQ(read.bytes, "again\r\n");
    EXPECT_EQ(Others(dir_, dir_ / "PTMD0012.dat"), 0);
}

// Payroll folders and file names in te reo Māori or with accents.
TEST_F(FileSystem, PathsOutsideAsciiAreUtf8) {
    const fs::path folder = dir_ / FromUtf8("Utu \xC4\x81 Zo\xC3\xAB");
    fs::create_directory(folder);
    const std::string file = Utf8(folder) + "/p\xC4\x93ke.txt";
    EXPECT_EQ(WriteFileReplacing(file, kBankFile), std::nullopt);
    EXPECT_EQ(WriteFileReplacing(file, kBankFile + "2"), std::nullopt);
    EXPECT_EQ(Slurp(FromUtf8(file)), kBankFile + "2");
    EXPECT_EQ(ReadWholeFile(file, 1000).bytes, kBankFile + "2");
    EXPECT_TRUE(IsSameFile(file, Utf8(folder / FromUtf8("p\xC4\x93ke.txt"))));
    EXPECT_EQ(Others(folder, FromUtf8(file)), 0);
    // Bytes that are not UTF-8 name no file.
    EXPECT_EQ(ReadWholeFile(Utf8(folder) + "/p\xE9ke.txt", 1000).status, ReadStatus::Failed);
}

}  // namespace
}  // namespace billpay
