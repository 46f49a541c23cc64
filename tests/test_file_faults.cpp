// Chart files when the disk fails or the path is no plain file. A failed save
// leaves the previous file byte for byte, a failed open the set as it was;
// both say why. This program's own read() disturbs reads while a fault is armed.

#include "ChartFile.h"
#include "ChartSet.h"
#include "ChartSetJson.h"

#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A fault put into the reads of one file: each read gives at most limit
// bytes (0: as many as asked); before read number at (counted from 1), act
// runs, and with error set that read fails with it.
struct ReadFault {
    std::size_t limit = 0;
    int at = 1;
    std::function<void()> act;
    int error = 0;
    dev_t device = 0; // the file's, and the reads counted so far
    ino_t inode = 0;
    int reads = 0;
};

ReadFault* g_fault = nullptr;

} // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    struct stat st {};
    const bool faulty = g_fault && fstat(fd, &st) == 0 && st.st_dev == g_fault->device && st.st_ino == g_fault->inode;
    if (faulty && ++g_fault->reads == g_fault->at) {
        if (g_fault->act)
            g_fault->act();
        if (g_fault->error) {
            errno = g_fault->error;
            return -1;
        }
    }
    if (faulty && g_fault->limit)
        count = std::min(count, g_fault->limit);
    return syscall(SYS_read, fd, buffer, count);
}

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A set with something in every kind, and notes long enough that its file
// takes many writes of the stream's buffer.
void Fill(CChartSet& set, int notes)
{
    for (const int kind : CChartSlots::kFileOrder) {
        CBaseDraw& chart = set.SwitchKind(kind);
        chart.m_FillCells[3] = Cell_Style {2, 0x00FF00, true, true};
        chart.m_Lines.insert({"1/5", CLine {1, 0xFF, true, 1, 5}});
        for (int i = 0; i < notes; ++i)
            chart.m_Comments.insert(
                {i + 1, Comments {std::string(400, 'a' + i % 26) + "\n注释", 0, 12, 0, 0, 0, "", {}, 0}});
    }
}

std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class FileFaults : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder = testing::TempDir() + "quadrix_faults_" + std::to_string(getpid());
        ASSERT_EQ(mkdir(m_folder.c_str(), 0755), 0);
        m_path = m_folder + "/set.rtl";
        CChartSet saved;
        Fill(saved, 2);
        ASSERT_TRUE(saved.Save(m_path).Ok());
        m_bytes = ReadFile(m_path);
        Fill(m_other, 1);
    }

    void TearDown() override
    {
        chmod(m_folder.c_str(), 0755);
        std::filesystem::remove_all(m_folder);
    }

    // A failed save: reported, the previous file whole, nothing left beside it.
    void ExpectSaveFailedCleanly(CChartSet& set, const Result<void>& saved, const char* reason)
    {
        const std::string& message = saved.Message();
        EXPECT_TRUE(!saved.Ok() && message.rfind("Failed to save document.", 0) == 0 && Contains(message, reason))
            << message;
        EXPECT_EQ(ReadFile(m_path), m_bytes);
        EXPECT_EQ(Entries(m_folder), std::vector<std::string> {"set.rtl"});
        EXPECT_TRUE(set.Path().empty());
    }

    // Opens m_path with fault armed into a set showing other charts.
    void ExpectOpenFailsAndKeepsTheSet(ReadFault fault, const char* reason)
    {
        CChartSet open;
        open.SwitchKind(kWheel).m_Lines.insert({"2/3", CLine {}});
        const std::string before = ChartSetJson::ToText(open.Slots());
        CBaseDraw* const current = open.Current();

        struct stat st {};
        ASSERT_EQ(stat(m_path.c_str(), &st), 0);
        fault.device = st.st_dev;
        fault.inode = st.st_ino;
        g_fault = &fault;
        const Result<void> opened = open.Open(m_path);
        g_fault = nullptr;

        const std::string& message = opened.Message();
        EXPECT_GE(fault.reads, fault.at) << "the fault was never reached";
        EXPECT_TRUE(!opened.Ok() && message.rfind("Failed to open document.", 0) == 0 && Contains(message, reason))
            << message;
        EXPECT_EQ(ChartSetJson::ToText(open.Slots()), before);
        EXPECT_EQ(open.Current(), current);
        EXPECT_TRUE(open.Path().empty());
    }

    std::string m_folder, m_path, m_bytes;
    CChartSet m_other; // another set to save over the saved one
};

TEST_F(FileFaults, ReadOnlyPathsFifosAndFoldersAreRefusedLinkedAndWritableFilesReplaced)
{
    ASSERT_TRUE(chmod(m_path.c_str(), 0666) == 0 && chmod(m_folder.c_str(), 0555) == 0); // the folder stands in the way
    const int previous = setfsuid(65534); // an ordinary user's access, also when the tests run as root
    const Result<void> saved = m_other.Save(m_path);
    setfsuid(previous);
    ExpectSaveFailedCleanly(m_other, saved, "Permission denied");

    // As root, even: a file without write permission is the user's choice.
    ASSERT_TRUE(chmod(m_folder.c_str(), 0755) == 0 && chmod(m_path.c_str(), 0444) == 0);
    ExpectSaveFailedCleanly(m_other, m_other.Save(m_path), "set.rtl is not writable");

    const uid_t owner = geteuid() == 0 ? 65534 : geteuid(), group = geteuid() == 0 ? 65534 : getegid();
    ASSERT_TRUE(chmod(m_path.c_str(), 0640) == 0 && chown(m_path.c_str(), owner, group) == 0);
    ASSERT_TRUE(m_other.Save(m_path).Ok());
    struct stat st {};
    ASSERT_EQ(stat(m_path.c_str(), &st), 0);
    EXPECT_TRUE((st.st_mode & 07777) == 0640 && st.st_uid == owner && st.st_gid == group)
        << std::oct << st.st_mode << std::dec << " " << st.st_uid << ":" << st.st_gid;

    // A FIFO or a folder is neither read nor replaced.
    const std::string fifo = m_folder + "/pipe.rtl";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    CChartSet set;
    const Result<void> opened = set.Open(fifo); // hangs, for CTest to stop, if the open blocks
    EXPECT_TRUE(!opened.Ok() && Contains(opened.Message(), "not a regular file")) << opened.Message();
    for (const std::string& path : {fifo, m_folder}) {
        const Result<void> refused = set.Save(path);
        EXPECT_TRUE(!refused.Ok() && Contains(refused.Message(), path + " is not a regular file")) << refused.Message();
    }
    EXPECT_TRUE(lstat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));

    // The save goes to the file at the end of the links, which stay links; a
    // link to a file not made yet makes it.
    const std::pair<const char*, const char*> links[] = {
        {"link.rtl", "set.rtl"}, {"folder", "."}, {"chain.rtl", "folder/link.rtl"}, {"dangling.rtl", "new.rtl"}};
    for (const auto& [link, target] : links)
        ASSERT_EQ(symlink(target, (m_folder + "/" + link).c_str()), 0);
    const std::string bytes = ChartFile::ToBytes(m_other.Slots()).Value();
    ASSERT_TRUE(m_other.Save(m_folder + "/chain.rtl").Ok() && m_other.Save(m_folder + "/dangling.rtl").Ok());

    EXPECT_EQ(ReadFile(m_path), bytes);
    EXPECT_EQ(ReadFile(m_folder + "/new.rtl"), bytes);
    for (const auto& [link, target] : links) {
        EXPECT_TRUE(lstat((m_folder + "/" + link).c_str(), &st) == 0 && S_ISLNK(st.st_mode)) << link;
    }
    EXPECT_EQ(Entries(m_folder), (std::vector<std::string> {"chain.rtl", "dangling.rtl", "folder", "link.rtl",
                                     "new.rtl", "pipe.rtl", "set.rtl"}));
}

TEST_F(FileFaults, SaveWhoseWritingFailsHalfWayOpenOfAFileThatShrinksOrVanishes)
{
    CChartSet larger;
    Fill(larger, 40);
    const std::string bytes = ChartFile::ToBytes(larger.Slots()).Value();
    ASSERT_GT(bytes.size(), 2 * m_bytes.size());

    // A disk that fills up: writes past the limit fail, their signal ignored.
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit diskFull {bytes.size() / 2, previous.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &diskFull);
    const Result<void> saved = larger.Save(m_path);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    ExpectSaveFailedCleanly(larger, saved, "File too large");

    // With room again the same save goes through.
    ASSERT_TRUE(larger.Save(m_path).Ok());
    EXPECT_EQ(ReadFile(m_path), bytes);

    // A file that shrinks while it is read.
    const off_t half = static_cast<off_t>(m_bytes.size() / 2);
    ExpectOpenFailsAndKeepsTheSet({0, 1, [&] { truncate(m_path.c_str(), half); }}, "cut short");
    std::ofstream(m_path, std::ios::binary) << m_bytes;

    // Its medium gone half-way, the rest of the file can no longer be read.
    ExpectOpenFailsAndKeepsTheSet({m_bytes.size() / 2, 2, [&] { unlink(m_path.c_str()); }, EIO}, "Input/output error");
}

} // namespace
