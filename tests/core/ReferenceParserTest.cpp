// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripture/ReferenceParser.h"
#include "gallery/ReadingList.h"
#include "scripture/Bible.h"
#include "scripture/LocalBookNames.h"
#include "scripture/Verse.h"

#include <gtest/gtest.h>

namespace {

// "John 3:16", "John 3:16 - John 3:18", or "!" and the reason it was refused.
std::string Outcome(const CReferenceReading& r) {
    if (!r.Ok()) return "!" + r.error;
    CBible& bible = TheBible();
    std::string text = bible.GetReferenceText(bible.GetVerseAt(r.first));
    if (r.last != r.first) text += " - " + bible.GetReferenceText(bible.GetVerseAt(r.last));
    return text;
}

TEST(ReferenceParser, ReadsReferencesAsPeopleWriteThem) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Genesis 1:1", "Genesis 1:1"},
        {"Genesis 1", "Genesis 1:1 - Genesis 1:31"},
        {"Exodus 20:1-17", "Exodus 20:1 - Exodus 20:17"},
        {"Leviticus 19:18", "Leviticus 19:18"},
        {"Numbers 6:24-26", "Numbers 6:24 - Numbers 6:26"},
        {"Deuteronomy 6:4", "Deuteronomy 6:4"},
        {"Joshua 1:9", "Joshua 1:9"},
        {"Judges 6", "Judges 6:1 - Judges 6:40"},
        {"Ruth 1:16", "Ruth 1:16"},
        {"1Samuel 17", "1Samuel 17:1 - 1Samuel 17:58"},
        {"2Samuel 7:12", "2Samuel 7:12"},
        {"1Kings 18:21", "1Kings 18:21"},
        {"2Kings 2:11", "2Kings 2:11"},
        {"1Chronicles 29:11", "1Chronicles 29:11"},
        {"2Chronicles 7:14", "2Chronicles 7:14"},
        {"Ezra 7:10", "Ezra 7:10"},
        {"Nehemiah 8:10", "Nehemiah 8:10"},
        {"Esther 4:14", "Esther 4:14"},
        {"Job 19:25", "Job 19:25"},
        {"Psalms 23", "Psalms 23:0 - Psalms 23:6"},
        {"Proverbs 3:5-6", "Proverbs 3:5 - Proverbs 3:6"},
        {"Ecclesiastes 3:1", "Ecclesiastes 3:1"},
        {"Song Of Songs 2:4", "Song Of Songs 2:4"},
        {"Isaiah 53", "Isaiah 53:1 - Isaiah 53:12"},
        {"Jeremiah 29:11", "Jeremiah 29:11"},
        {"Lamentations 3:22-23", "Lamentations 3:22 - Lamentations 3:23"},
        {"Ezekiel 37", "Ezekiel 37:1 - Ezekiel 37:28"},
        {"Daniel 3:17", "Daniel 3:17"},
        {"Hosea 6:6", "Hosea 6:6"},
        {"Joel 2:28", "Joel 2:28"},
        {"Amos 5:24", "Amos 5:24"},
        {"Obadiah 15", "Obadiah 15"},
        {"Jonah 2", "Jonah 2:1 - Jonah 2:10"},
        {"Micah 6:8", "Micah 6:8"},
        {"Nahum 1:7", "Nahum 1:7"},
        {"Habakkuk 2:4", "Habakkuk 2:4"},
        {"Zephaniah 3:17", "Zephaniah 3:17"},
        {"Haggai 2:9", "Haggai 2:9"},
        {"Zecharia 9:9", "Zecharia 9:9"},
        {"Malachi 3:10", "Malachi 3:10"},
        {"Matthew 5:3", "Matthew 5:3"},
        {"Mark 10:45", "Mark 10:45"},
        {"Luke 2:1-20", "Luke 2:1 - Luke 2:20"},
        {"John 3:16", "John 3:16"},
        {"Acts 2:38", "Acts 2:38"},
        {"Romans 8:28", "Romans 8:28"},
        {"1Corinthians 13", "1Corinthians 13:1 - 1Corinthians 13:13"},
        {"2Corinthians 5:17", "2Corinthians 5:17"},
        {"Galatians 5:22-23", "Galatians 5:22 - Galatians 5:23"},
        {"Ephesians 2:8-9", "Ephesians 2:8 - Ephesians 2:9"},
        {"Philipians 4:13", "Philipians 4:13"},
        {"Colossians 3:23", "Colossians 3:23"},
        {"1Thessalonians 5:16-18", "1Thessalonians 5:16 - 1Thessalonians 5:18"},
        {"2Thessalonians 3:10", "2Thessalonians 3:10"},
        {"1Timothy 6:10", "1Timothy 6:10"},
        {"2Timothy 3:16", "2Timothy 3:16"},
        {"Titus 2:11", "Titus 2:11"},
        {"Philemon 6", "Philemon 6"},
        {"Hebrews 11:1", "Hebrews 11:1"},
        {"James 1:22", "James 1:22"},
        {"1Peter 5:7", "1Peter 5:7"},
        {"2Peter 3:9", "2Peter 3:9"},
        {"1John 1:9", "1John 1:9"},
        {"2John 6", "2John 6"},
        {"3John 4", "3John 4"},
        {"Jude 24-25", "Jude 24 - Jude 25"},
        {"Revelation 21:4", "Revelation 21:4"},
        {"Philippians 1:1", "Philipians 1:1"},
        {"Zechariah 1:1", "Zecharia 1:1"},
        {"Song of Solomon 1:1", "Song Of Songs 1:1"},
        {"Song of Songs 1:1", "Song Of Songs 1:1"},
        {"song of sol 1:1", "Song Of Songs 1:1"},
        {"Cant 1:1", "Song Of Songs 1:1"},
        {"Canticles 2:1", "Song Of Songs 2:1"},
        {"Song 8:6", "Song Of Songs 8:6"},
        {"SOS 1:2", "Song Of Songs 1:2"},
        {"Ps 23", "Psalms 23:0 - Psalms 23:6"},
        {"Psalm 23", "Psalms 23:0 - Psalms 23:6"},
        {"Pss 23", "Psalms 23:0 - Psalms 23:6"},
        {"Psa 23:1", "Psalms 23:1"},
        {"ps. 23:1", "Psalms 23:1"},
        {"PS 119:105", "Psalms 119:105"},
        {"Psalm 117", "Psalms 117:1 - Psalms 117:2"},
        {"Rev 22:21", "Revelation 22:21"},
        {"Rev. 22:21", "Revelation 22:21"},
        {"Revelations 1:1", "Revelation 1:1"},
        {"1 Cor 13", "1Corinthians 13:1 - 1Corinthians 13:13"},
        {"1Cor 13:4", "1Corinthians 13:4"},
        {"I Cor 13:4", "1Corinthians 13:4"},
        {"1 Cor. 13:4", "1Corinthians 13:4"},
        {"1st Corinthians 13:4", "1Corinthians 13:4"},
        {"First Corinthians 13:4", "1Corinthians 13:4"},
        {"II Cor 5:17", "2Corinthians 5:17"},
        {"2nd Cor 5:17", "2Corinthians 5:17"},
        {"Jn 3:16", "John 3:16"},
        {"Jhn 3:16", "John 3:16"},
        {"john 3:16", "John 3:16"},
        {"JOHN 3:16", "John 3:16"},
        {"matthew 5:3", "Matthew 5:3"},
        {"Matt 5:3", "Matthew 5:3"},
        {"Mt 5:3", "Matthew 5:3"},
        {"Mk 1:1", "Mark 1:1"},
        {"Lk 2:1", "Luke 2:1"},
        {"Ac 2:1", "Acts 2:1"},
        {"Rom 8:28", "Romans 8:28"},
        {"Gal 2:20", "Galatians 2:20"},
        {"Eph 6:10", "Ephesians 6:10"},
        {"Phil 4:13", "Philipians 4:13"},
        {"Php 4:13", "Philipians 4:13"},
        {"Col 1:15", "Colossians 1:15"},
        {"1 Thess 4:16", "1Thessalonians 4:16"},
        {"1Th 4:16", "1Thessalonians 4:16"},
        {"2 Thes 2:3", "2Thessalonians 2:3"},
        {"1 Tim 2:5", "1Timothy 2:5"},
        {"2 Tm 1:7", "2Timothy 1:7"},
        {"Tit 2:11", "Titus 2:11"},
        {"Phlm 6", "Philemon 6"},
        {"Philem 6", "Philemon 6"},
        {"Heb 11:1", "Hebrews 11:1"},
        {"Jas 1:5", "James 1:5"},
        {"Jm 1:5", "James 1:5"},
        {"1 Pet 1:3", "1Peter 1:3"},
        {"1 Pt 1:3", "1Peter 1:3"},
        {"2 Pe 1:3", "2Peter 1:3"},
        {"1 Jn 4:8", "1John 4:8"},
        {"2 Jn 1", "2John 1"},
        {"2 Jn", "2John 1 - 2John 13"},
        {"3 Jn 1:4", "3John 4"},
        {"III John 2", "3John 2"},
        {"Third John 2", "3John 2"},
        {"Jude 5", "Jude 5"},
        {"Jude 1:5", "Jude 5"},
        {"Jd 3", "Jude 3"},
        {"Jude", "Jude 1 - Jude 25"},
        {"Jude 1-3", "Jude 1 - Jude 3"},
        {"Gen 1:1", "Genesis 1:1"},
        {"Gn 1:1", "Genesis 1:1"},
        {"gen. 1:1", "Genesis 1:1"},
        {"Exod 3:14", "Exodus 3:14"},
        {"Ex 3:14", "Exodus 3:14"},
        {"Lev 19:2", "Leviticus 19:2"},
        {"Num 6:24", "Numbers 6:24"},
        {"Deut 6:4-9", "Deuteronomy 6:4 - Deuteronomy 6:9"},
        {"Dt 6:4", "Deuteronomy 6:4"},
        {"Deuter 6:4", "Deuteronomy 6:4"},
        {"Josh 24:15", "Joshua 24:15"},
        {"Judg 6:12", "Judges 6:12"},
        {"Jdg 6:12", "Judges 6:12"},
        {"Rth 1:16", "Ruth 1:16"},
        {"1 Sam 3:10", "1Samuel 3:10"},
        {"1Sm 3:10", "1Samuel 3:10"},
        {"I Samuel 3:10", "1Samuel 3:10"},
        {"2 Sam 7:12", "2Samuel 7:12"},
        {"1 Kgs 19:12", "1Kings 19:12"},
        {"1 Ki 19:12", "1Kings 19:12"},
        {"II Kings 2:11", "2Kings 2:11"},
        {"1 Chr 16:34", "1Chronicles 16:34"},
        {"1 Chron 16:34", "1Chronicles 16:34"},
        {"2 Chr 7:14", "2Chronicles 7:14"},
        {"Neh 8:10", "Nehemiah 8:10"},
        {"Esth 4:14", "Esther 4:14"},
        {"Est 4:14", "Esther 4:14"},
        {"Jb 1:21", "Job 1:21"},
        {"Prov 3:5", "Proverbs 3:5"},
        {"Pr 3:5", "Proverbs 3:5"},
        {"Eccl 3:1", "Ecclesiastes 3:1"},
        {"Ecc 3:1", "Ecclesiastes 3:1"},
        {"Qoh 3:1", "Ecclesiastes 3:1"},
        {"Isa 40:31", "Isaiah 40:31"},
        {"Is 40:31", "Isaiah 40:31"},
        {"Jer 29:11", "Jeremiah 29:11"},
        {"Lam 3:23", "Lamentations 3:23"},
        {"Ezek 36:26", "Ezekiel 36:26"},
        {"Eze 36:26", "Ezekiel 36:26"},
        {"Dan 6:22", "Daniel 6:22"},
        {"Hos 11:1", "Hosea 11:1"},
        {"Obad 1", "Obadiah 1"},
        {"Obad 21", "Obadiah 21"},
        {"Jon 1:17", "Jonah 1:17"},
        {"Mic 6:8", "Micah 6:8"},
        {"Nah 1:7", "Nahum 1:7"},
        {"Hab 3:17-18", "Habakkuk 3:17 - Habakkuk 3:18"},
        {"Zeph 3:17", "Zephaniah 3:17"},
        {"Hag 2:9", "Haggai 2:9"},
        {"Zech 9:9", "Zecharia 9:9"},
        {"Mal 4:6", "Malachi 4:6"},
        {"John 3", "John 3:1 - John 3:36"},
        {"John 3-4", "John 3:1 - John 4:54"},
        {"John 3:16-18", "John 3:16 - John 3:18"},
        {"John 3:16-4:2", "John 3:16 - John 4:2"},
        {"John 3:16 - 4:2", "John 3:16 - John 4:2"},
        {"John 3:16\xE2\x80\x93"
         "18",
         "John 3:16 - John 3:18"},
        {"John 3:16 to 3:18", "John 3:16 - John 3:18"},
        {"John 3:16 through John 4:2", "John 3:16 - John 4:2"},
        {"Genesis 50 - Exodus 2", "Genesis 50:1 - Exodus 2:25"},
        {"Gen.1.1", "Genesis 1:1"},
        {"  John 3:16  ", "John 3:16"},
        {"John3:16", "John 3:16"},
        {"1John3:16", "1John 3:16"},
        {"Psalm 3:0", "Psalms 3:0"},
        {"Ps 119", "Psalms 119:1 - Psalms 119:176"},
        {"Psalms 150:6", "Psalms 150:6"},
        {"John 3:16-16", "John 3:16"},
        {"Jude 26", "!Jude has 1 chapter of 25 verses"},
        {"Jude 2:1", "!Jude has 1 chapter of 25 verses"},
        {"Jude 1:26", "!Jude has 1 chapter of 25 verses"},
        {"Jude 0", "!Jude has 1 chapter of 25 verses"},
        {"3 John 15", "!3John has 1 chapter of 14 verses"},
        {"Obadiah 22", "!Obadiah has 1 chapter of 21 verses"},
        {"2 Jn 14", "!2John has 1 chapter of 13 verses"},
        {"John 3:99", "!John 3 has no verse 99 (it has 36 verses)"},
        {"John 99:1", "!John has 21 chapters"},
        {"John 0", "!John has 21 chapters"},
        {"John 22", "!John has 21 chapters"},
        {"John 3:0", "!John 3 has no verse 0 (it has 36 verses)"},
        {"Psalms 151", "!Psalms has 150 chapters"},
        {"Ps 3:9", "!Psalms 3 has no verse 9 (it has verses 0 to 8)"},
        {"Ps 1:0", "!Psalms 1 has no verse 0 (it has 6 verses)"},
        {"Genesis 1:32", "!Genesis 1 has no verse 32 (it has 31 verses)"},
        {"Genesis 99999", "!Genesis has 50 chapters"},
        {"Revelation 22:22", "!Revelation 22 has no verse 22 (it has 21 verses)"},
        {"Revelation 23", "!Revelation has 22 chapters"},
        {"Song of Solomon 9", "!Song Of Songs has 8 chapters"},
        {"John 3:16-4:99", "!John 4 has no verse 99 (it has 54 verses)"},
        {"John 3:18-16", "!the range \"John 3:18-16\" runs backwards"},
        {"John 4-3", "!the range \"John 4-3\" runs backwards"},
        {"Exodus 1 - Genesis 2", "!the range \"Exodus 1 - Genesis 2\" runs backwards"},
        {"John 3:16-2:1", "!the range \"John 3:16-2:1\" runs backwards"},
        {"Genisis 1", "!unknown book \"Genisis\""},
        {"Psalmz 3:1", "!unknown book \"Psalmz\""},
        {"Psalmss 1", "!unknown book \"Psalmss\""},
        {"Jo 1", "!unknown book \"Jo\""},
        {"Ju 1", "!unknown book \"Ju\""},
        {"Phi 1", "!unknown book \"Phi\""},
        {"4 John 1", "!unknown book \"4 John\""},
        {"3:16", "!no book named"},
        {"", "!no reference given"},
        {"   ", "!no reference given"},
        {"John 3:16x", "!cannot read \"John 3:16x\""},
        {"John 3:16,", "!cannot read \"John 3:16,\""},
        {"John 3:16 18", "!cannot read \"John 3:16 18\""},
        {"John 3:16-", "!the range \"John 3:16-\" has no end"},
    };
    ASSERT_GE(std::size(cases), 150u);
    for (const Case& c : cases) {
        const CReferenceReading r = ReadReference(c.text);
        EXPECT_EQ(Outcome(r), c.expected) << '"' << c.text << '"';
        EXPECT_EQ(r.oneVerse, r.Ok() && r.first == r.last) << c.text;
        EXPECT_EQ(r.warning, "") << c.text;
        // The reading-list importer reads through the same reader, lists' own ways aside.
        uint16_t book = 0;
        CReferenceOptions listOptions;
        listOptions.bookOfLine = &book;
        listOptions.loneOneIsWholeChapter = true;
        const CReferenceReading asList = ReadReference(c.text, listOptions);
        uint16_t listBook = 0;
        std::vector<VerseRange> ranges;
        ASSERT_EQ(ParseListReference(c.text, listBook, ranges), asList.error) << c.text;
        if (asList.Ok()) {
            ASSERT_FALSE(ranges.empty()) << c.text;
            EXPECT_EQ(ranges.front().start, asList.first) << c.text;
            EXPECT_EQ(ranges.back().end, asList.last) << c.text;
        }
    }
}

TEST(ReferenceParser, ListsAndOtherNumberings) {
    struct Case {
        const char* text;
        bool list;
        bool otherNumberings;
        const char* expected;
        const char* warning;
    } cases[] = {
        // Chapter lists write "Obadiah 1" for the whole book; a person typing it means verse 1.
        {"Obadiah 1", true, false, "Obadiah 1 - Obadiah 21", ""},
        {"Obadiah 1", false, false, "Obadiah 1", ""},
        {"Obadiah 1-3", true, false, "Obadiah 1 - Obadiah 3", ""},
        {"3 John 1:15", false, false, "!3John has 1 chapter of 14 verses", ""},
        {"3 John 1:15", true, true, "3John 14", "3John has no verse 15 in this numbering; read as 3John 14"},
        {"3 John 13-15", true, true, "3John 13 - 3John 14",
         "3John has no verse 15 in this numbering; read as 3John 14"},
        {"Revelation 12:18", true, true, "Revelation 12:17",
         "Revelation 12 has no verse 18 in this numbering; read as Revelation 12:17"},
        // More than a verse or two beyond is no other numbering but a mistake.
        {"3 John 1:18", true, true, "!3John has 1 chapter of 14 verses", ""},
        {"John 3:99", true, true, "!John 3 has no verse 99 (it has 36 verses)", ""},
        {"John 22:1", true, true, "!John has 21 chapters", ""},
        {"John 3:36", true, true, "John 3:36", ""},
    };
    for (const Case& c : cases) {
        CReferenceOptions options;
        options.loneOneIsWholeChapter = c.list;
        options.acceptVersesOfOtherNumberings = c.otherNumberings;
        const CReferenceReading r = ReadReference(c.text, options);
        EXPECT_EQ(Outcome(r), c.expected) << c.text;
        EXPECT_EQ(r.warning, c.warning) << c.text;
    }
}

TEST(ReferenceParser, ABookMayBeLeftOutAfterAnotherReferenceOfTheLine) {
    uint16_t book = 0;
    CReferenceOptions options;
    options.bookOfLine = &book;
    EXPECT_EQ(Outcome(ReadReference("12", options)), "!no book named");
    EXPECT_EQ(Outcome(ReadReference("Gen 1", options)), "Genesis 1:1 - Genesis 1:31");
    EXPECT_EQ(book, 1);
    EXPECT_EQ(Outcome(ReadReference("3:4-6", options)), "Genesis 3:4 - Genesis 3:6");
    EXPECT_EQ(Outcome(ReadReference("Matthew 28 to Mark 1", options)), "Matthew 28:1 - Mark 1:45");
    EXPECT_EQ(book, 40);
    // A refused reference leaves the book of the line as it was.
    EXPECT_EQ(Outcome(ReadReference("Genisis 2", options)), "!unknown book \"Genisis\"");
    EXPECT_EQ(book, 40);
}

TEST(ReferenceParser, EveryListedNameFindsItsOwnBook) {
    CBible& bible = TheBible();
    size_t names = 0;
    for (uint16_t b = 1; b <= 66; ++b) {
        const std::string list = KnownBookNames(b);
        ASSERT_EQ(list.rfind(bible.GetBookName(b), 0), 0u) << list;
        size_t start = 0;
        for (size_t p = 0; p <= list.size(); ++p) {
            if (p < list.size() && list.compare(p, 2, ", ") != 0) continue;
            const std::string name = list.substr(start, p - start);
            start = p + 2;
            ++names;
            EXPECT_EQ(FindBookByName(name), b) << name;
            // Closed up, in capitals and with a full stop, it is still the same book.
            std::string upper, closed;
            for (char ch : name) {
                upper += static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch);
                if (ch != ' ') closed += ch;
            }
            EXPECT_EQ(FindBookByName(upper + "."), b) << name;
            EXPECT_EQ(FindBookByName(closed), b) << name;
        }
    }
    EXPECT_GE(names, 240u);
    EXPECT_EQ(
        KnownBookNames(22),
        "Song Of Songs, Song of Solomon, Song of Sol, Song, Cant, Canticles, Canticle of Canticles, SOS");
    EXPECT_EQ(KnownBookNames(0), "");
    EXPECT_EQ(KnownBookNames(67), "");
}

} // namespace

TEST(ReferenceParser, ReadsTheBookNamesOfTheReadersLanguage) {
    const struct {
        const char* language;
        const char* typed;
        const char* english;
    } cases[] = {
        {"es", "Salmos 23", "Psalms 23"},
        {"es", "Sal 23:1-3", "Psalms 23:1-3"},
        {"es", "Génesis 1:1", "Genesis 1:1"},
        {"es", "GENESIS 1", "Genesis 1"},
        {"es", "Éxodo 20", "Exodus 20"},
        {"es", "1 Cor 13", "1 Corinthians 13"},
        {"es", "Juan 3:16", "John 3:16"},
        {"es", "Apocalipsis 22", "Revelation 22"},
        {"de", "1 Kor 13", "1 Corinthians 13"},
        {"de", "Psalmen 23", "Psalms 23"},
        {"de", "1. Mose 1:1", "Genesis 1:1"},
        {"de", "2. Könige 2", "2 Kings 2"},
        {"de", "2. Konige 2", "2 Kings 2"},
        {"de", "Offb 21", "Revelation 21"},
        {"de", "Johannes 3:16", "John 3:16"},
        {"de", "Mt 5 - Lk 2", "Matthew 5 - Luke 2"},
        // English names are still read, and no other language's names are.
        {"de", "John 3:16", "John 3:16"},
        {"", "Psalms 23", "Psalms 23"},
    };
    for (const auto& c : cases) {
        CReferenceOptions options;
        options.language = c.language;
        const CReferenceReading typed = ReadReference(c.typed, options), english = ReadReference(c.english);
        ASSERT_TRUE(english.Ok()) << c.english << ": " << english.error;
        EXPECT_TRUE(typed.Ok()) << c.language << " " << c.typed << ": " << typed.error;
        EXPECT_EQ(typed.first, english.first) << c.typed;
        EXPECT_EQ(typed.last, english.last) << c.typed;
    }
    EXPECT_FALSE(ReadReference("Salmos 23").Ok());
    // Every name and abbreviation of each language finds its own book.
    for (const char* language : {"es", "de"}) {
        const CLocalBookNames* names = LocalBookNames(language);
        ASSERT_TRUE(names) << language;
        for (uint16_t b = 1; b <= 66; ++b) {
            EXPECT_EQ(FindBookByName(names->names[b - 1u], language), b) << names->names[b - 1u];
            EXPECT_EQ(FindBookByName(names->abbreviations[b - 1u], language), b)
                << names->abbreviations[b - 1u];
        }
    }
    EXPECT_EQ(LocalBookNames("en"), nullptr);
}
