// The platform layer on POSIX systems: reading whole files, replacing files
// atomically, removing the temporary file when the program is interrupted.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/file_system.h"
#include "platform/interrupt_cleanup_posix.h"

namespace billpay {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Put(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Names in the folder that a replacement may have left behind.
int Temporaries(const fs::path& folder) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        n += e.path().filename().string().rfind(".billpay-", 0) == 0;
    return n;
}

class PlatformFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("billpay-platform-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_ / "locked", fs::perms::owner_all, ignored);
        fs::remove_all(dir_);
    }
    fs::path dir_;
};

TEST_F(PlatformFiles, ReadWholeFile) {
    Put(dir_ / "ten", "0123456789");
    Put(dir_ / "empty", "");
    struct Case {
        std::string path;
        std::size_t limit;
        ReadStatus status;
        std::string bytesOrError;
    } cases[] = {
        {(dir_ / "ten").string(), 100, ReadStatus::Read, "0123456789"},
        {(dir_ / "ten").string(), 10, ReadStatus::Read, "0123456789"},  // exactly the limit
        {(dir_ / "ten").string(), 9, ReadStatus::TooLarge, ""},
        {(dir_ / "empty").string(), 10, ReadStatus::Read, ""},
        {(dir_ / "missing").string(), 10, ReadStatus::Failed, "No such file or directory"},
        {dir_.string(), 10, ReadStatus::Failed, "Is a directory"},
        {"", 10, ReadStatus::Failed, std::string(kNoFileName)},
        // Devices have no size: read until their end, or until the limit.
        {"/dev/null", 10, ReadStatus::Read, ""},
        {"/dev/zero", 100000, ReadStatus::TooLarge, ""},
    };
    for (const Case& c : cases) {
        const WholeFile file = ReadWholeFile(c.path, c.limit);
        EXPECT_EQ(file.status, c.status) << c.path << " " << c.limit;
        EXPECT_EQ(file.status == ReadStatus::Failed ? file.error : file.bytes, c.bytesOrError) << c.path;
    }
}

// A file that holds fewer bytes than its size said when it was looked at is
// what a file shortened during the read looks like. Files under /sys report
// a size of a page and hold less; a mapped read of them faults.
TEST_F(PlatformFiles, FileShorterThanItsSizeGivesWhatItHolds) {
    const char* path = "/sys/kernel/mm/transparent_hugepage/enabled";
    struct stat info {};
    if (::stat(path, &info) != 0 || info.st_size != 4096) GTEST_SKIP() << "no /sys file to stand for it";
    const WholeFile file = ReadWholeFile(path, 1 << 20);
    EXPECT_EQ(file.status, ReadStatus::Read);
    EXPECT_LT(file.bytes.size(), 4096u);
    EXPECT_EQ(file.bytes, Slurp(path));
}

// Shortening a file again and again while it is read: whatever the timing,
// the reader ends with some of the bytes, never with a signal.
TEST_F(PlatformFiles, FileTruncatedWhileReadIsNoFault) {
    const fs::path path = dir_ / "shrinking";
    const std::string text(8 << 20, 'x');
    for (int round = 0; round < 5; ++round) {
        Put(path, text);
        std::jthread truncator([&] { ::truncate(path.c_str(), 0); });
        const WholeFile file = ReadWholeFile(path.string(), 64 << 20);
        EXPECT_EQ(file.status, ReadStatus::Read);
        EXPECT_LE(file.bytes.size(), text.size());
    }
}

TEST_F(PlatformFiles, NewFileGetsTheUsualModeAndAReplacedOneKeepsItsOwn) {
    const mode_t mask = ::umask(027);  // this test runs alone; the code under test never touches the umask
    const fs::path fresh = dir_ / "fresh", kept = dir_ / "kept";
    EXPECT_FALSE(WriteFileReplacing(fresh.string(), "new"));
    Put(kept, "old");
    ::chmod(kept.c_str(), 0604);
    EXPECT_FALSE(WriteFileReplacing(kept.string(), "new"));
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ASSERT_EQ(::stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
    EXPECT_EQ(Slurp(kept), "new");
}

// A pipe is written as it is, not replaced by a file of the same name.
TEST_F(PlatformFiles, PipeIsWrittenDirectly) {
    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A reader that is there before the write (the pipe's buffer holds the
    // few bytes, so the write does not wait on it).
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_FALSE(WriteFileReplacing(fifo.string(), "data"));
    char received[16] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 4);
    ::close(reader);
    EXPECT_STREQ(received, "data");
    EXPECT_EQ(Temporaries(dir_), 0);
}

TEST_F(PlatformFiles, IsSameFile) {
    Put(dir_ / "a", "a");
    Put(dir_ / "b", "b");
    fs::create_symlink(dir_ / "a", dir_ / "link");
    fs::create_hard_link(dir_ / "a", dir_ / "hard");
    const std::string a = (dir_ / "a").string();
    EXPECT_TRUE(IsSameFile(a, a));
    EXPECT_TRUE(IsSameFile(a, (dir_ / "link").string()));
    EXPECT_TRUE(IsSameFile(a, (dir_ / "hard").string()));
    EXPECT_TRUE(IsSameFile(a, (dir_ / "." / "a").string()));
    EXPECT_FALSE(IsSameFile(a, (dir_ / "b").string()));
    EXPECT_FALSE(IsSameFile(a, (dir_ / "missing").string()));
    EXPECT_FALSE(IsSameFile((dir_ / "missing").string(), (dir_ / "missing").string()));
}

// The program ended by a signal while the temporary file exists: the file
// is gone and the signal still ends the program, as it would have.
TEST_F(PlatformFiles, InterruptRemovesTheTemporaryFile) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const fs::path temp = dir_ / ".billpay-test";
        Put(temp, "partial");
        EXPECT_EXIT(
            {
                const int folder = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY);
                posix::InterruptCleanup cleanup(folder, temp.filename().string());
                ::raise(signal);
                std::_Exit(0);
            },
            ::testing::KilledBySignal(signal), "")
            << signal;
        EXPECT_FALSE(fs::exists(temp)) << signal;
    }
    // Once the file is written the cleanup is gone and signals act as before.
    {
        const int folder = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY);
        { posix::InterruptCleanup cleanup(folder, "x"); }
        struct sigaction now {};
        ::sigaction(SIGTERM, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL);
        ::sigaction(SIGPIPE, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL);
        ::close(folder);
    }
}

}  // namespace
}  // namespace billpay
