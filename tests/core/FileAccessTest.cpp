// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/FileAccess.h"
#include "TempDir.h"
#include "foundation/Exceptions.h"
#include "foundation/FileTransaction.h"
#include "foundation/TextCodec.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(FileAccess, AtomicSaveReplacesAndKeepsMode) {
    TempDir dir;
    std::string path = dir.Path("plan.vnpln");
    SaveFileAtomic(path, "first");
    EXPECT_EQ(ReadWholeFile(path), "first");
    ::chmod(path.c_str(), 0640);
    SaveFileAtomic(path, std::string("sec\0ond", 7));
    EXPECT_EQ(ReadWholeFile(path), std::string("sec\0ond", 7));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.List(), std::vector<std::string>{"plan.vnpln"}); // no temporary left behind
}

TEST(FileAccess, FailuresKeepTheOldFile) {
    TempDir dir;
    std::string path = dir.Path("t.vntpl");
    SaveFileAtomic(path, "old");
    SetReadOnly(path, true);
    EXPECT_TRUE(IsReadOnly(path));
    try {
        SaveFileAtomic(path, "new");
        ADD_FAILURE();
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause, CFileException::accessDenied);
    }
    EXPECT_EQ(ReadWholeFile(path), "old");
    SetReadOnly(path, false);
    EXPECT_FALSE(IsReadOnly(path));

    try {
        SaveFileAtomic(dir.Path("missing/x"), "new");
        ADD_FAILURE();
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause, CFileException::fileNotFound);
    }
    try {
        ReadWholeFile(dir.Path("nothing"));
        ADD_FAILURE();
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause, CFileException::fileNotFound);
    }
}

TEST(FileAccess, KeepAsideNeverOverwritesAnEarlierCopy) {
    TempDir dir;
    std::string path = dir.Path("Scrivane.vnrdr");
    SaveFileAtomic(path, "one");
    EXPECT_EQ(KeepAside(path), path + ".damaged");
    SaveFileAtomic(path, "two");
    EXPECT_EQ(KeepAside(path), path + ".damaged2");
    EXPECT_EQ(ReadWholeFile(path + ".damaged"), "one");
    EXPECT_EQ(ReadWholeFile(path + ".damaged2"), "two");
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(KeepAside(path), "");

    // With every name of a copy taken, the file stays and no copy is replaced.
    for (int i = 3; i < 1000; ++i)
        SaveFileAtomic(path + ".damaged" + std::to_string(i), "old");
    SaveFileAtomic(path, "last");
    EXPECT_EQ(KeepAside(path), "");
    EXPECT_EQ(ReadWholeFile(path), "last");
    EXPECT_EQ(ReadWholeFile(path + ".damaged999"), "old");
}

TEST(FileAccess, ReadingRefusesWhatIsNoFileOrTooLargeWithoutBlocking) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.Path("fifo").c_str(), 0600), 0); // nobody writes: a blocking open would hang
    ::mkdir(dir.Path("dir").c_str(), 0700);
    int fd = ::open(dir.Path("huge").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t(1) << 30), 0); // sparse: nothing is really written
    ::close(fd);
    SaveFileAtomic(dir.Path("small"), std::string(100, 'x'));
    struct Case {
        std::string name;
        uint64_t limit;
        CFileException::Cause cause;
        int osError;
    } cases[] = {
        {"fifo", kMaxPlanFileBytes, CFileException::invalidFile, 0},
        {"dir", kMaxPlanFileBytes, CFileException::invalidFile, EISDIR},
        {"huge", kMaxPlanFileBytes, CFileException::tooLarge, 0},
        {"small", 99, CFileException::tooLarge, 0},
        {"missing", kMaxPlanFileBytes, CFileException::fileNotFound, ENOENT},
    };
    for (const Case& c : cases) {
        try {
            ReadWholeFile(dir.Path(c.name), c.limit);
            ADD_FAILURE() << c.name << " was read";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.cause, c.cause) << c.name;
            EXPECT_EQ(e.osError, c.osError) << c.name;
        }
    }
    EXPECT_EQ(ReadWholeFile(dir.Path("small"), 100).size(), 100u);
}

// Files of every size up to past the one where the buffer is mapped ahead,
// read whole and byte for byte; and a file whose size says nothing of its
// length (as in /proc), which is read to its end and held to the limit.
TEST(FileAccess, ReadingGivesEveryByteWhateverTheSize) {
    TempDir dir;
    uint32_t seed = 7;
    for (size_t size : {size_t(0), size_t(1), size_t(4095), size_t(65537), size_t(256 * 1024 - 1),
                        size_t(256 * 1024 + 3), size_t(1500000)}) {
        std::string bytes(size, '\0');
        for (char& c : bytes) {
            seed = seed * 1103515245u + 12345u;
            c = static_cast<char>(seed >> 24);
        }
        const std::string path = dir.Path("f" + std::to_string(size));
        SaveFileAtomic(path, bytes);
        EXPECT_EQ(ReadWholeFile(path, kMaxNotesFileBytes), bytes) << size;
    }
    struct stat st {};
    ASSERT_EQ(::stat("/proc/self/status", &st), 0);
    ASSERT_EQ(st.st_size, 0);
    const std::string status = ReadWholeFile("/proc/self/status");
    EXPECT_NE(status.find("\nPid:"), std::string::npos);
    EXPECT_THROW(ReadWholeFile("/proc/self/status", 10), CFileException);
}

// A data file that is a symbolic link is written through when the link
// stays in the reader's directory or the base directory above it, and stays
// a link; one that leads further away is refused and nothing changes. Plain
// saves and the commits of several files alike.
TEST(FileAccess, SavesFollowLinksThatStayNearAndRefuseOthers) {
    struct Case {
        const char* what;
        std::string target; // relative to the reader's directory, or absolute
        bool followed;
    };
    TempDir outside;
    const std::vector<Case> cases = {
        {"a file beside it", "real.vnpln", true},
        {"a file in the base directory", "../shared.vnpln", true},
        {"a file in another reader's directory", "../Ann/Ann.vnpln", true},
        {"a file not made yet", "later.vnpln", true},
        {"a link to a link beside it", "hop", true},
        {"a file outside the base directory", outside.Path("stolen.vnpln"), false},
        {"a climb out of the base directory", "../../x.vnpln", false},
    };
    for (bool commit : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (commit ? " (commit)" : ""));
            TempDir base;
            const std::string dir = base.Path("Bob"), link = dir + "/Bob.vnpln";
            std::filesystem::create_directories(base.Path("Ann"));
            std::filesystem::create_directories(dir);
            const std::string target = c.target[0] == '/' ? c.target : dir + "/" + c.target;
            for (const std::string& f :
                 {dir + "/real.vnpln", base.Path("shared.vnpln"), base.Path("Ann/Ann.vnpln"),
                  outside.Path("stolen.vnpln"), base.Path("../x.vnpln")})
                if (f.find("/..") == std::string::npos) SaveFileAtomic(f, "old");
            ASSERT_EQ(::symlink("real.vnpln", (dir + "/hop").c_str()), 0);
            ASSERT_EQ(::symlink(c.target.c_str(), link.c_str()), 0);
            try {
                if (commit) {
                    CFileTransaction t(dir + "/Bob.commit");
                    t.Write(link, "new");
                    t.Commit();
                } else {
                    SaveFileAtomic(link, "new");
                }
                EXPECT_TRUE(c.followed);
            } catch (const CFileException& e) {
                EXPECT_FALSE(c.followed);
                EXPECT_EQ(e.cause, CFileException::linkOutside);
            }
            struct stat st {};
            ASSERT_EQ(::lstat(link.c_str(), &st), 0);
            EXPECT_TRUE(S_ISLNK(st.st_mode));
            if (c.followed) {
                EXPECT_EQ(ReadWholeFile(link), "new");
            } else if (FileExists(target)) {
                EXPECT_EQ(ReadWholeFile(target), "old");
            }
        }
    }
}

TEST(FileAccess, PathPieces) {
    struct Case {
        std::string base, stem, joined;
    } joins[] = {
        {"/home/a/Scrivane", "\\Bob (John Smith)\\Bob", "/home/a/Scrivane/Bob (John Smith)/Bob"},
        {"/home/a/Scrivane/", "\\Ann\\Ann", "/home/a/Scrivane/Ann/Ann"},
        {"/", "\\Ann\\Ann", "/Ann/Ann"},
        {"", "\\Ann\\Ann", "/Ann/Ann"},
    };
    for (const Case& c : joins)
        EXPECT_EQ(JoinStem(c.base, c.stem), c.joined);
    EXPECT_EQ(FileTitle("/x/y/Default.vntpl"), "Default");
    EXPECT_EQ(FileTitle("noext"), "noext");
    EXPECT_EQ(FileNameOf("/x/y/a.b.txt"), "a.b.txt");
    EXPECT_EQ(LowerExtension("/x/A.TXT"), "txt");
    EXPECT_EQ(LowerExtension("/x.d/A"), "");
    EXPECT_EQ(CompleteTemplateExtension("/x/Plan.VNT"), "/x/Plan.vntpl");
    EXPECT_EQ(CompleteTemplateExtension("/x/Plan.txt"), "/x/Plan.txt");
}

TEST(TextCodec, EncodingsAndLineBreaks) {
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9"));
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));     // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));     // cut
    EXPECT_EQ(ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(ToUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(ToCrLf("a\nb\r\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(FromCrLf("a\r\nb\rc\r\n"), "a\nb\rc\n");
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(ToLowerAscii("DaYs"), "days");
}

// Long ASCII runs are checked a word at a time: a fault is found wherever it
// sits against the words' edges, and a good sequence anywhere passes.
TEST(TextCodec, Utf8CheckFindsAFaultAtEveryPosition) {
    for (size_t at = 0; at < 26; ++at) {
        std::string text(26, 'a');
        for (const std::string& bad :
             {std::string("\xE9"), std::string("\xC0\x80"), std::string("\xED\xA0\x80")}) {
            std::string t = text;
            t.replace(at, bad.size(), bad);
            EXPECT_FALSE(IsValidUtf8(t.substr(0, 26))) << at;
        }
        std::string good = text;
        good.replace(at, 2, "\xC3\xA9");
        EXPECT_TRUE(IsValidUtf8(good)) << at;
        EXPECT_FALSE(IsValidUtf8(text + "\xE2\x82")) << at; // cut at the end
        EXPECT_TRUE(IsValidUtf8(text.substr(0, at)));
    }
}

} // namespace
