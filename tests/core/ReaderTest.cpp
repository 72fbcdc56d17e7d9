// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempDir.h"
#include "foundation/Archive.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "reader/ReaderArray.h"
#include "reader/ReaderFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

CReaderData Reader(const std::string& nick, const std::string& first, const std::string& last) {
    CReaderData r;
    r.SetNickname(nick);
    r.SetFirstName(first);
    r.SetLastName(last);
    return r;
}

std::vector<std::string> Names(const CReaderArray& a) {
    std::vector<std::string> names;
    for (int i = 0; i < a.GetCount(); ++i)
        names.push_back(a.At(i).GetDisplayName());
    return names;
}

std::string Le32(int32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

TEST(ReaderData, QualifiedNames) {
    EXPECT_EQ(Reader("Bob", "John", "Smith").QualifiedName(), "Bob (John Smith)");
    EXPECT_EQ(Reader("Bob", "John", "").QualifiedName(), "Bob (John [No Last Name])");
    EXPECT_EQ(Reader("Bob", "", "Smith").QualifiedName(), "Bob (Smith)");
    EXPECT_EQ(Reader("Bob", "", "").QualifiedName(), "Bob (No Name Listed)");
}

TEST(ReaderData, DefaultsAndExactRecordLayout) {
    CReaderArray none;
    CReaderData d = none.GetReaderAt(0);
    EXPECT_EQ(d, CReaderData());
    EXPECT_EQ(d.GetApocrypha(), 0);
    for (int slot = 1; slot <= 4; ++slot) {
        WindowPlacement p = d.GetPlacement(slot);
        EXPECT_EQ(p.showCmd, 1);
        EXPECT_EQ(p.length, 0);
        EXPECT_EQ(p.right, 100);
        EXPECT_EQ(p.bottom, 100);
    }

    CArchive empty;
    CReaderData().Serialize(empty);
    EXPECT_EQ(empty.Bytes().size(), 186u);

    CReaderData r = Reader("Bob", "John", "Smith");
    r.SetDisplayName("Bob");
    r.SetFileStem("\\Bob (John Smith)\\Bob");
    r.SetGeneralNotesPath("/n.txt");
    r.SetPlacement(3, WindowPlacement{44, 2, 7, -1, -2, 3, 4, 75, 75, 675, 525});
    CArchive ar;
    r.Serialize(ar);
    std::string expected =
        std::string("\4John\5Smith\3Bob\3Bob") + "\x15\\Bob (John Smith)\\Bob" + "\6/n.txt";
    expected += Le32(0);
    for (int slot = 1; slot <= 4; ++slot) {
        std::vector<int32_t> v = slot == 3 ? std::vector<int32_t>{44, 2, 7, -1, -2, 3, 4, 75, 75, 675, 525}
                                           : std::vector<int32_t>{0, 0, 1, 0, 0, 0, 0, 0, 0, 100, 100};
        for (int32_t x : v)
            expected += Le32(x);
    }
    EXPECT_EQ(ar.Bytes(), expected);
    CArchive in(ar.Bytes());
    CReaderData back;
    back.Serialize(in);
    EXPECT_EQ(back, r);
}

TEST(ReaderArray, AddFindRemoveAndOrder) {
    CReaderArray a;
    EXPECT_EQ(a.AddReader(Reader("Bob", "John", "Smith")), "Bob");
    EXPECT_EQ(a.AddReader(Reader("Bob", "Jim", "Jones")), "Bob (Jim Jones)");
    EXPECT_EQ(Names(a), (std::vector<std::string>{"Bob (Jim Jones)", "Bob (John Smith)"}));
    EXPECT_EQ(a.AddReader(Reader("Bob", "John", "Smith")), "") << "a duplicate is refused";
    EXPECT_EQ(a.GetCount(), 2);
    EXPECT_EQ(a.AddReader(Reader("Bobby", "", "")), "Bobby");
    EXPECT_EQ(a.AddReader(Reader("adam", "", "")), "adam");
    EXPECT_EQ(a.AddReader(Reader("Zed", "", "")), "Zed");
    EXPECT_EQ(Names(a),
              (std::vector<std::string>{"Bob (Jim Jones)", "Bob (John Smith)", "Bobby", "Zed", "adam"}));
    // Bytes above 0x7F sort after ASCII.
    EXPECT_EQ(a.AddReader(Reader("\xC3\x89mile", "", "")), "\xC3\x89mile");
    EXPECT_EQ(a.At(a.GetCount() - 1).GetDisplayName(), "\xC3\x89mile");

    EXPECT_EQ(a.FindReader(Reader("Bob", "Jim", "Jones")), 0);
    EXPECT_EQ(a.FindReader(Reader("Bob", "Jim", "")), -1);
    EXPECT_EQ(a.FindNickname(Reader("Bob", "", "")), 1) << "the highest index";
    EXPECT_EQ(a.FindDisplayName("Zed"), 3);
    EXPECT_EQ(a.FindDisplayName("zed"), -1);
    EXPECT_TRUE(a.RemoveReader("Bobby"));
    EXPECT_FALSE(a.RemoveReader("Bobby"));
    EXPECT_EQ(Names(a), (std::vector<std::string>{"Bob (Jim Jones)", "Bob (John Smith)", "Zed", "adam",
                                                  "\xC3\x89mile"}));
    EXPECT_EQ(a.GetReaderAt(-1), CReaderData());
    EXPECT_EQ(a.GetReaderAt(a.GetCount()), CReaderData());
}

TEST(ReaderFile, EmptyFileIsFiveBytesAndLoadingAppends) {
    CReaderArray none;
    EXPECT_EQ(ReaderFileBytes("", none), std::string(5, '\0'));

    TempDir dir;
    CReaderArray a;
    a.AddReader(Reader("Bob", "John", "Smith"));
    a.AddReader(Reader("Ann", "", ""));
    SaveReaderFile(dir.Path(), "Bob", a);
    EXPECT_EQ(ReaderFileBytes("Bob", a).size(), 4u + 4 + 2 * 186 + 3 + 3 + 5 + 4 + 3 + 3);
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"Scrivane.vnrdr"}));

    CReaderArray b;
    b.AddReader(Reader("Zoe", "", ""));
    std::string last = "x";
    ReaderFileLoad r = LoadReaderFile(dir.Path(), last, b);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(last, "Bob");
    EXPECT_EQ(Names(b), (std::vector<std::string>{"Zoe", "Ann", "Bob"}));
}

TEST(ReaderFile, NothingToReadIsNoFailure) {
    TempDir dir;
    CReaderArray a;
    std::string last = "keep";
    EXPECT_TRUE(LoadReaderFile(dir.Path(), last, a).ok);
    EXPECT_TRUE(LoadReaderFile("", last, a).ok);
    SaveFileAtomic(dir.Path("Scrivane.vnrdr"), "");
    EXPECT_TRUE(LoadReaderFile(dir.Path(), last, a).ok);
    EXPECT_EQ(last, "keep");
    EXPECT_EQ(a.GetCount(), 0);
}

TEST(ReaderFile, DamagedFileIsKeptAsideAndNeverOverwritten) {
    TempDir dir;
    CReaderArray good;
    good.AddReader(Reader("Bob", "", ""));
    std::string bytes = ReaderFileBytes("Bob", good);
    // Truncations, a count that the file cannot hold, a negative count.
    std::vector<std::string> damaged = {bytes.substr(0, bytes.size() - 1), bytes.substr(0, 3),
                                        "\0" + Le32(1000000), "\0" + Le32(-1) + std::string(200, '\0')};
    for (const std::string& d : damaged) {
        SaveFileAtomic(dir.Path("Scrivane.vnrdr"), d);
        CReaderArray a;
        a.AddReader(Reader("Ann", "", ""));
        std::string last = "keep";
        ReaderFileLoad r = LoadReaderFile(dir.Path(), last, a);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message,
                  "Unexpected file format.\nScrivane.vnrdr is damaged or is not a file of its kind.");
        EXPECT_EQ(r.keptAside, dir.Path("Scrivane.vnrdr.damaged"));
        EXPECT_EQ(last, "keep");
        EXPECT_EQ(Names(a), (std::vector<std::string>{"Ann"}));
        EXPECT_EQ(ReadWholeFile(r.keptAside), d);
        SaveReaderFile(dir.Path(), last, a);
        EXPECT_EQ(ReadWholeFile(r.keptAside), d);
        ::unlink(r.keptAside.c_str());
    }

    // A damaged file that was never loaded is kept aside by the save itself.
    SaveFileAtomic(dir.Path("Scrivane.vnrdr"), "garbage");
    SaveReaderFile(dir.Path(), "", good);
    EXPECT_EQ(ReadWholeFile(dir.Path("Scrivane.vnrdr.damaged")), "garbage");
    EXPECT_EQ(ReadWholeFile(dir.Path("Scrivane.vnrdr")), ReaderFileBytes("", good));
}

TEST(ReaderFile, UnreadableFileIsNeitherMovedNorOverwritten) {
    for (const char* kind : {"directory", "fifo"}) {
        TempDir dir;
        const std::string path = dir.Path("Scrivane.vnrdr");
        if (std::string(kind) == "directory")
            ::mkdir(path.c_str(), 0700);
        else
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        CReaderArray a;
        std::string last = "keep";
        ReaderFileLoad r = LoadReaderFile(dir.Path(), last, a);
        EXPECT_FALSE(r.ok) << kind;
        EXPECT_TRUE(r.unreadable) << kind;
        EXPECT_TRUE(r.keptAside.empty()) << kind;
        EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
        EXPECT_EQ(last, "keep");
        a.AddReader(Reader("Bob", "", ""));
        EXPECT_THROW(SaveReaderFile(dir.Path(), last, a), CFileException) << kind;
        EXPECT_EQ(dir.List(), std::vector<std::string>{"Scrivane.vnrdr"}) << kind;
    }
}

} // namespace
