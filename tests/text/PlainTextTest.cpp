// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/PlainText.h"

#include <gtest/gtest.h>

TEST(PlainText, ANoteBetweenTwoWordsLeavesABreak) {
    struct Case {
        const char* osis;
        const char* expected;
    } cases[] = {
        {"God<note placement=\"foot\">Elohim</note><w>created</w>",
         "God <note placement=\"foot\">Elohim</note><w>created</w>"},
        {"<w>God</w><note>a</note><w>created</w>", "<w>God</w> <note>a</note><w>created</w>"},
        {"born</q><note>x</note><q><w>Son</w>", "born</q> <note>x</note><q><w>Son</w>"},
        // Blanks of its own, punctuation and the end of the text need nothing.
        {"God <note>a</note>created", "God <note>a</note>created"},
        {"God<note>a</note> created", "God<note>a</note> created"},
        {"law.<note>a</note> <l/>", "law.<note>a</note> <l/>"},
        {"end<note>a</note>", "end<note>a</note>"},
        {"<note>a</note>Start", "<note>a</note>Start"},
        // A sentence ends before a new word: the break is kept too.
        {"law.<note>a</note>The", "law. <note>a</note>The"},
        {"said,<note>a</note>\xE2\x80\x9C"
         "Come",
         "said, <note>a</note>\xE2\x80\x9C"
         "Come"},
        // Inside a word (an apostrophe follows) nothing is added.
        {"God<note>a</note>\xE2\x80\x99s", "God<note>a</note>\xE2\x80\x99s"},
        // Two notes in a row count as one; letters of other scripts are words too.
        {"a<note>1</note><note>2</note>b", "a <note>1</note><note>2</note>b"},
        {"\xCE\xB8\xCE\xB5<note>x</note>\xCE\xBF\xCF\x82", "\xCE\xB8\xCE\xB5 <note>x</note>\xCE\xBF\xCF\x82"},
        // Self-closing notes, unterminated markup and words that only look like notes.
        {"a<note n=\"1\"/>b", "a <note n=\"1\"/>b"},
        {"a<note>never closed", "a<note>never closed"},
        {"a<notebook>b", "a<notebook>b"},
        {"a<note", "a<note"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepWordBreaksAroundNotes(c.osis), c.expected) << c.osis;
}

TEST(PlainText, BlanksAreTidiedAndPoetryLinesKept) {
    struct Case {
        const char* rendered;
        const char* expected;
    } cases[] = {
        {" \xE2\x80\x9C"
         "Blessed are the poor in spirit, \n for theirs is the Kingdom.   \n",
         "\xE2\x80\x9C"
         "Blessed are the poor in spirit,\nfor theirs is the Kingdom."},
        {"face.  Peace be\tto you.    ", "face. Peace be to you."},
        {"one\r\n\r\n\n two", "one\ntwo"},
        {"   \n \n", ""},
        {"plain", "plain"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizePlainText(c.rendered), c.expected) << c.rendered;
}
