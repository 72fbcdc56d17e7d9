// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCli.h"

#include "../core/TempDir.h"
#include "foundation/FileAccess.h"

#include <gtest/gtest.h>

namespace {

TEST(NotesCli, SetShowAndRemove) {
    TempDir dir;
    std::string file = dir.Path("Anna.vnnot");
    EXPECT_EQ(RunCli("notes set '" + file + "' 'John 3:16' 'For God\nso loved'").out, "26252\tJohn 3:16\n");
    EXPECT_EQ(RunCli("notes set '" + file + "' 'Genesis 1:1' 'first'").status, 0);
    CliResult shown = RunCli("notes show '" + file + "'");
    EXPECT_EQ(shown.status, 0);
    // 0 is in bucket 0, 26252 in bucket (26252 / 16) mod 17 = 8.
    EXPECT_EQ(shown.out, "notes\t2\tfirst\t0\tlast\t26252\n"
                         "0\tGenesis 1:1\tfirst\n"
                         "26252\tJohn 3:16\tFor God\\r\\nso loved\n");
    EXPECT_EQ(RunCli("notes set '" + file + "' 'Genesis 1:1'").status, 0);
    EXPECT_EQ(RunCli("notes set '" + file + "' 'John 3:16' ''").status, 0);
    EXPECT_EQ(ReadWholeFile(file), std::string("\x00\x00\x5F\xEA\x5F\xEA", 6));
}

TEST(NotesCli, DamagedFileIsLeftAlone) {
    TempDir dir;
    std::string file = dir.Path("Bob.vnnot");
    SaveFileAtomic(file, std::string("\x03\x00", 2));
    EXPECT_EQ(RunCli("notes show '" + file + "'").status, 1);
    EXPECT_EQ(RunCli("notes set '" + file + "' 'Jude 3' 'x'").status, 1);
    EXPECT_EQ(ReadWholeFile(file), std::string("\x03\x00", 2));
    EXPECT_EQ(RunCli("notes bogus").status, 2);
}

} // namespace
