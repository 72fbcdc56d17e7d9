// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliText.h"
#include "RunCli.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Escaping looks at eight bytes at a time: every byte value, at every
// position against the words' edges, comes out as a byte-by-byte escape would.
TEST(Cli, FieldEscapingOfEveryByteAtEveryPosition) {
    auto oneByOne = [](const std::string& text) {
        std::string out;
        for (char c : text)
            out += c == '\\'   ? "\\\\"
                   : c == '\t' ? "\\t"
                   : c == '\r' ? "\\r"
                   : c == '\n' ? "\\n"
                               : std::string(1, c);
        return out;
    };
    for (size_t at = 0; at < 20; ++at)
        for (int b = 0; b < 256; ++b) {
            std::string text(20, 'x');
            text[at] = static_cast<char>(b);
            text[19 - at] = '\n';
            ASSERT_EQ(CliField(text), oneByOne(text)) << at << " " << b;
        }
    EXPECT_EQ(CliField(""), "");
    EXPECT_EQ(CliField("a\\b\tc\r\nd"), "a\\\\b\\tc\\r\\nd");
}

// Listings print text that passes the quick check as it is: it never passes a byte that
// needs escaping or converting, and passes printable ASCII, whatever the length and position.
TEST(Cli, PlainTextCheckOfEveryByteAtEveryPosition) {
    for (size_t size = 1; size <= 20; ++size)
        for (size_t at = 0; at < size; ++at)
            for (int b = 0; b < 256; ++b) {
                std::string text(size, 'x');
                text[at] = static_cast<char>(b);
                if (IsPlainCliText(text)) {
                    ASSERT_LT(b, 0x80) << size << " " << at;
                    ASSERT_EQ(CliField(text), text) << size << " " << at << " " << b;
                } else {
                    ASSERT_TRUE(b < ' ' || b == '\\' || b >= 0x7F) << size << " " << at << " " << b;
                }
            }
    EXPECT_TRUE(IsPlainCliText(""));
}

// A listing comes out whole and in order, whatever the sizes of its pieces against its buffer.
TEST(Cli, ListingKeepsEveryPiece) {
    for (size_t piece :
         {size_t(1), size_t(7), size_t(4096), kCliWriteChunk - 1, kCliWriteChunk, kCliWriteChunk + 1}) {
        std::ostringstream out;
        std::string expected;
        {
            CCliListing listing(out);
            for (int n = 0; n < 5; ++n) {
                const std::string text(piece, static_cast<char>('a' + n));
                listing.Append(text);
                expected += text;
                char* p = listing.Room(3);
                std::memcpy(p, "<n>", 3);
                listing.Advance(p + 3);
                listing.Append('\n');
                expected += "<n>\n";
            }
        }
        EXPECT_EQ(out.str(), expected) << piece;
    }
}

TEST(Cli, VerseCommands) {
    struct Case {
        std::string args;
        int status;
        std::string out;
    } cases[] = {
        {"verse '1 John 3:16'", 0, "30711\t1John 3:16\n"},
        {"verse 'Jude 1' 'Psalms 3:0'", 0, "30789\tJude 1\n13958\tPsalms 3:0\n"},
        // A book or a chapter is more than the one verse asked for.
        {"verse Jude", 2, ""},
        {"verse 'Psalms 3'", 2, ""},
        {"verse --index 0 31217 31218 13958", 0,
         "0\t0\tGenesis 1:1\n31217\t31217\tRevelation 22:21\n31218\t0\tGenesis 1:1\n13958\t13958\tPsalms "
         "3:0\n"},
        {"verse --index 65536", 2, ""},
        {"verse --index -1", 2, ""},
        {"verse --index 12 x", 2, ""},
        {"verse", 2, ""},
        {"verse --index", 2, ""},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

TEST(Cli, DateCommands) {
    struct Case {
        std::string args, env;
        int status;
        std::string out;
    } cases[] = {
        {"date 2000-1-1 2001-13-1", "", 0, "2451545\t7\tSat 01/01/2000\n2452276\t3\tTue 01/01/2002\n"},
        {"date today", "SCRIVANE_TODAY=2026-12-07", 0, "2461382\t2\tMon 12/07/2026\n"},
        {"date 2001-02-30", "", 0, "2451971\t6\tFri 03/02/2001\n"},
        {"date 2001/1/1", "", 2, ""},
        {"date", "", 2, ""},
        {"nonsense", "", 2, ""},
    };
    for (const Case& c : cases) {
        CliResult r = RunCli(c.args, c.env);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

} // namespace
