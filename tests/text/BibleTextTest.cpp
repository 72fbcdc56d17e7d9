// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempDir.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"
#include "text/BibleTextSource.h"

#include <gtest/gtest.h>
#include <rawtext.h>
#include <versekey.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::string kKjv = "engKJV2006eb";
const std::string kWeb = "engWEB2015eb";

uint16_t Index(const std::string& reference) {
    CVerse r;
    r.SetFromText(reference);
    return r.GetIndex();
}

// One source for the whole run, as the program has.
CBibleTextSource& Source() {
    static CBibleTextSource source;
    return source;
}

std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every file under dir with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        files[e.path().string()] = e.is_regular_file() ? ReadFile(e.path()) : "<dir>";
    return files;
}

// A SWORD library of one small module in the canon's versification, written
// with SWORD itself; it has only the verses given.
void WriteLibrary(const std::string& root, const std::string& name,
                  const std::map<std::string, std::string>& verses, const std::string& v11n = "KJV") {
    // The text source settles SWORD's locale before any key exists, as in the program.
    Source();
    const std::string data = root + "/modules/texts/rawtext/" + name + "/";
    std::filesystem::create_directories(data);
    std::filesystem::create_directories(root + "/mods.d");
    ASSERT_EQ(sword::RawText::createModule(data.c_str(), v11n.c_str()), 0);
    {
        sword::RawText module(data.c_str(), name.c_str(), "test", nullptr, sword::ENC_UTF8,
                              sword::DIRECTION_LTR, sword::FMT_OSIS, "en", v11n.c_str());
        sword::VerseKey key;
        key.setVersificationSystem(v11n.c_str());
        key.setIntros(true);
        for (const auto& [reference, text] : verses) {
            key.setText(reference.c_str());
            module.setKey(key);
            module.setEntry(text.c_str());
        }
    }
    std::ofstream conf(root + "/mods.d/" + name + ".conf");
    conf << "[" << name << "]\nDataPath=./modules/texts/rawtext/" << name
         << "/\nModDrv=RawText\nSourceType=OSIS\nEncoding=UTF-8\nLang=en\nDescription=A test module\n"
         << "Versification=" << v11n
         << "\nGlobalOptionFilter=OSISFootnotes\nGlobalOptionFilter=OSISHeadings\n";
}

} // namespace

TEST(BibleText, ListsTheInstalledModulesWithTheirVersification) {
    std::map<std::string, CTextModuleInfo> modules;
    for (const CTextModuleInfo& m : Source().Modules())
        modules[m.name] = m;
    ASSERT_TRUE(modules.count(kKjv)) << "the package sword-text-kjv is not installed";
    ASSERT_TRUE(modules.count(kWeb)) << "the package sword-text-web is not installed";
    EXPECT_EQ(modules[kKjv].versification, "KJV");
    EXPECT_EQ(modules[kKjv].description, "King James Version");
    EXPECT_EQ(modules[kKjv].language, "en");
    EXPECT_EQ(modules[kWeb].versification, "NRSVA");
    EXPECT_EQ(modules[kWeb].description, "World English Bible with Deuterocanon");
    EXPECT_EQ(Source().DefaultModule(), kKjv);
}

TEST(BibleText, TheDefaultModuleIsOneInTheReadersLanguageWhenOneIsInstalled) {
    const std::vector<CTextModuleInfo> modules = {{"WEB", "", "en", "NRSVA", ""},
                                                  {"KJV", "", "en", "KJV", ""},
                                                  {"SpaRV", "", "es", "KJV", ""},
                                                  {"GerLut", "", "de", "Luther", ""},
                                                  {"GerElb", "", "de", "German", ""}};
    const struct {
        const char* language;
        const char* module;
    } cases[] = {{"", "KJV"}, {"en", "KJV"}, {"es", "SpaRV"}, {"de", "GerLut"}, {"fr", "KJV"}};
    for (const auto& c : cases)
        EXPECT_EQ(DefaultModuleOf(modules, c.language), c.module) << c.language;
    EXPECT_EQ(DefaultModuleOf({}, "es"), "");
}

TEST(BibleText, EveryVerseOfTheCanonHasTextInTheKingJamesModule) {
    CBible& bible = TheBible();
    CPassage all = Source().GetPassage(0, 31217, kKjv);
    ASSERT_EQ(all.problem, "");
    EXPECT_EQ(all.damage, "");
    ASSERT_EQ(all.verses.size(), 31218u);
    int numbered = 0, titles = 0;
    for (const CVerseText& v : all.verses) {
        CVerse r = bible.GetVerseAt(v.index);
        EXPECT_FALSE(v.missing) << v.reference;
        EXPECT_FALSE(v.text.empty()) << v.reference;
        EXPECT_EQ(v.reference, bible.GetReferenceText(r));
        (r.GetVerse() == 0 ? titles : numbered)++;
        EXPECT_EQ(v.text.find("  "), std::string::npos) << v.reference;
        EXPECT_EQ(v.text.find('<'), std::string::npos) << v.reference;
    }
    EXPECT_EQ(numbered, 31102);
    EXPECT_EQ(titles, 116);
}

TEST(BibleText, VersesReadRightInBothModules) {
    struct Case {
        std::string module, reference, text;
        bool whole; // the whole text, or a part of it
    } cases[] = {
        {kKjv, "John 3:16", "For God so loved the world, that he gave his only begotten Son", false},
        {kWeb, "John 3:16", "For God so loved the world, that he gave his only born Son, that whoever",
         false},
        {kKjv, "Psalms 3:0", "A Psalm of David, when he fled from Absalom his son.", true},
        {kWeb, "Psalms 3:0", "A Psalm by David, when he fled from Absalom his son.", true},
        {kKjv, "Psalms 3:1",
         "LORD, how are they increased that trouble me! many are they that rise up against me.", true},
        {kWeb, "Psalms 3:1",
         "Yahweh, how my adversaries have increased!\nMany are those who rise up against me.", true},
        {kKjv, "Malachi 4:1", "For, behold, the day cometh, that shall burn as an oven;", false},
        {kWeb, "Malachi 4:1", "For behold, the day comes, burning like a furnace,", false},
        {kKjv, "3John 1:14", "Peace be to thee. Our friends salute thee. Greet the friends by name.", false},
        {kWeb, "3John 1:14", "Peace be to you. The friends greet you. Greet the friends by name.", false},
        {kKjv, "Genesis 1:1", "In the beginning God created the heaven and the earth.", true},
        {kWeb, "Genesis 1:1", "In the beginning, God created the heavens and the earth.", true},
        {kKjv, "Revelation 22:21", "The grace of our Lord Jesus Christ be with you all. Amen.", true},
        {kKjv, "Psalms 119:1", "Blessed are the undefiled in the way, who walk in the law of the LORD.",
         true},
    };
    for (const Case& c : cases) {
        CVerseText v = Source().GetVerse(Index(c.reference), c.module);
        EXPECT_FALSE(v.missing) << c.module << " " << c.reference;
        if (c.whole)
            EXPECT_EQ(v.text, c.text) << c.module << " " << c.reference;
        else
            EXPECT_NE(v.text.find(c.text), std::string::npos)
                << c.module << " " << c.reference << ": " << v.text;
    }
}

TEST(BibleText, HeadingsStandBeforeTheirVerseAndPsalmTitlesOnlyAsVerseZero) {
    struct Case {
        std::string module, reference;
        std::vector<std::string> headings;
    } cases[] = {
        {kWeb, "Psalms 119:1", {"ALEPH"}}, {kWeb, "Psalms 119:9", {"BETH"}}, {kWeb, "Psalms 3:1", {}},
        {kKjv, "Psalms 3:1", {}},          {kKjv, "Psalms 23:1", {}},        {kWeb, "Genesis 1:2", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Source().GetVerse(Index(c.reference), c.module).headings, c.headings)
            << c.module << " " << c.reference;
}

TEST(BibleText, NoWordsAreGluedWhereNotesWereTakenOut) {
    // Checked over the whole New Testament of the module with the most notes.
    CPassage nt = Source().GetPassage(Index("Matthew 1:1"), Index("Revelation 22:21"), kWeb);
    EXPECT_EQ(nt.damage, "");
    for (const CVerseText& v : nt.verses) {
        for (const char* glued : {"Godcreated", "bornSon"})
            EXPECT_EQ(v.text.find(glued), std::string::npos) << v.reference << ": " << v.text;
        // A lower-case letter run straight into a capital is a sign of a lost break.
        for (size_t i = 1; i < v.text.size(); ++i)
            if (std::islower(static_cast<unsigned char>(v.text[i - 1])) &&
                std::isupper(static_cast<unsigned char>(v.text[i])))
                ADD_FAILURE() << v.reference << ": " << v.text;
    }
}

TEST(BibleText, ARangeRunsAcrossABookBoundary) {
    CPassage p = Source().GetPassage(Index("Malachi 4:5"), Index("Matthew 1:2"), kWeb);
    ASSERT_EQ(p.verses.size(), 4u);
    const char* references[] = {"Malachi 4:5", "Malachi 4:6", "Matthew 1:1", "Matthew 1:2"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(p.verses[i].reference, references[i]);
        EXPECT_EQ(p.verses[i].index, Index(references[i]));
        EXPECT_FALSE(p.verses[i].missing) << references[i];
    }
    EXPECT_NE(p.verses[2].text.find("Jesus Christ"), std::string::npos);
    // Out of the canon: clamped, never past its end.
    EXPECT_EQ(Source().GetPassage(31216, 60000, kKjv).verses.size(), 2u);
    EXPECT_TRUE(Source().GetPassage(31218, 31218, kKjv).verses.empty());
}

TEST(BibleText, AVerseTheModuleLacksIsMissingNeverInvented) {
    TempDir dir;
    WriteLibrary(
        dir.Path(), "Tiny",
        {{"Gen 1:1", "In the beginning."},
         {"Ps 3:1", "<div type=\"x-milestone\" subType=\"x-preverse\" sID=\"p1\"/><title type=\"psalm\" "
                    "canonical=\"true\">A title.</title><div type=\"x-milestone\" subType=\"x-preverse\" "
                    "eID=\"p1\"/>Lord, how."}});
    CBibleTextSource source(dir.Path());
    ASSERT_EQ(source.DefaultModule(), "Tiny");
    CPassage p = source.GetPassage(Index("Genesis 1:1"), Index("Genesis 1:3"));
    ASSERT_EQ(p.verses.size(), 3u);
    EXPECT_EQ(p.verses[0].text, "In the beginning.");
    EXPECT_TRUE(p.verses[1].missing);
    EXPECT_EQ(p.verses[1].text, "");
    EXPECT_TRUE(p.verses[2].missing);
    EXPECT_EQ(source.GetVerse(Index("Psalms 3:0")).text, "A title.");
    EXPECT_EQ(source.GetVerse(Index("Psalms 3:1")).text, "Lord, how.");
    EXPECT_TRUE(source.GetVerse(Index("Psalms 4:0")).missing);
}

TEST(BibleText, AModuleInAnotherVersificationIsReadWhereItNumbersTheVerse) {
    // Synodal counts the psalm titles as verses and numbers the psalms after the Septuagint.
    TempDir dir;
    WriteLibrary(dir.Path(), "Syn",
                 {{"Ps 50:1", "Title one."},
                  {"Ps 50:2", "Title two."},
                  {"Ps 50:3", "Have mercy."},
                  {"3John 1:14", "Soon."},
                  {"3John 1:15", "Peace."}},
                 "Synodal");
    CBibleTextSource source(dir.Path());
    EXPECT_EQ(source.GetVerse(Index("Psalms 51:0")).text, "Title one.\nTitle two.");
    EXPECT_EQ(source.GetVerse(Index("Psalms 51:1")).text, "Have mercy.");
    EXPECT_EQ(source.GetVerse(Index("3John 1:14")).text, "Soon.\nPeace.");
    EXPECT_TRUE(source.GetVerse(Index("Psalms 52:1")).missing);
}

TEST(BibleText, NoModuleOrAGoneModuleIsOneSentenceNamingThePackage) {
    TempDir empty;
    std::filesystem::create_directories(empty.Path("mods.d"));
    CBibleTextSource none(empty.Path());
    EXPECT_TRUE(none.Modules().empty());
    EXPECT_EQ(none.DefaultModule(), "");
    CPassage p = none.GetPassage(0, 10);
    EXPECT_TRUE(p.verses.empty());
    EXPECT_EQ(p.problem, NoModuleMessage());
    EXPECT_NE(p.problem.find("sword-text-kjv"), std::string::npos);
    EXPECT_TRUE(none.GetVerse(0).missing);

    CPassage gone = none.GetPassage(0, 10, kWeb);
    EXPECT_EQ(gone.problem, "The translation engWEB2015eb is not installed: install the package "
                            "sword-text-web or choose another translation.");

    // Removed after the library was opened.
    TempDir dir;
    WriteLibrary(dir.Path(), "Tiny", {{"Gen 1:1", "In the beginning."}});
    CBibleTextSource source(dir.Path());
    EXPECT_EQ(source.GetVerse(0, "Tiny").text, "In the beginning.");
    std::filesystem::remove_all(dir.Path("modules"));
    CPassage after = source.GetPassage(0, 3, "Tiny");
    EXPECT_TRUE(after.verses.empty());
    EXPECT_EQ(after.problem, ModuleGoneMessage("Tiny"));
}

TEST(BibleText, ADamagedModuleShowsMissingVersesAndNothingCrashes) {
    const std::filesystem::path kjvData = "/usr/share/sword/modules/texts/ztext/engKJV2006eb";
    ASSERT_TRUE(std::filesystem::exists(kjvData));
    struct Damage {
        const char* name;
        void (*apply)(const std::filesystem::path& dir);
    } damages[] = {
        {"truncated",
         [](const std::filesystem::path& d) {
             for (const char* f : {"ot.bzz", "ot.bzs", "ot.bzv", "nt.bzz"})
                 std::filesystem::resize_file(d / f, std::filesystem::file_size(d / f) / 3);
         }},
        {"garbage",
         [](const std::filesystem::path& d) {
             for (const char* f : {"ot.bzz", "nt.bzz"}) {
                 std::string bytes = ReadFile(d / f);
                 for (size_t i = 0; i < bytes.size(); i += 7)
                     bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
                 std::ofstream(d / f, std::ios::binary) << bytes;
             }
         }},
        {"empty",
         [](const std::filesystem::path& d) {
             for (const char* f : {"ot.bzz", "ot.bzs", "ot.bzv", "nt.bzz", "nt.bzs", "nt.bzv"})
                 std::ofstream(d / f, std::ios::binary | std::ios::trunc);
         }},
        {"no files",
         [](const std::filesystem::path& d) {
             for (const char* f : {"ot.bzz", "ot.bzs", "ot.bzv", "nt.bzz", "nt.bzs", "nt.bzv"})
                 std::filesystem::remove(d / f);
         }},
    };
    for (const Damage& damage : damages) {
        TempDir dir;
        const std::filesystem::path data = dir.Path("modules/texts/ztext/broken");
        std::filesystem::create_directories(data);
        std::filesystem::create_directories(dir.Path("mods.d"));
        for (const auto& e : std::filesystem::directory_iterator(kjvData))
            std::filesystem::copy_file(e.path(), data / e.path().filename());
        damage.apply(data);
        std::ofstream(dir.Path("mods.d/broken.conf"))
            << "[broken]\nDataPath=./modules/texts/ztext/broken/\nModDrv=zText\nSourceType=OSIS\n"
               "Encoding=UTF-8\nCompressType=ZIP\nBlockType=BOOK\nVersification=KJV\nLang=en\n";
        CBibleTextSource source(dir.Path());
        CPassage p = source.GetPassage(Index("Genesis 1:1"), Index("Genesis 1:3"), "broken");
        CPassage q = source.GetPassage(Index("Psalms 119:1"), Index("Psalms 119:176"), "broken");
        CPassage r = source.GetPassage(Index("Revelation 22:20"), Index("Revelation 22:21"), "broken");
        EXPECT_EQ(p.verses.size() + q.verses.size() + r.verses.size(), 3u + 176u + 2u) << damage.name;
        for (const CPassage* passage : {&p, &q, &r})
            for (const CVerseText& v : passage->verses)
                EXPECT_EQ(v.missing, v.text.empty()) << damage.name << " " << v.reference;
    }
}

TEST(BibleText, ReadingChangesNoFileOfTheReaderOrTheModules) {
    TempDir base;
    std::filesystem::create_directories(base.Path("Bob (John Smith)"));
    std::ofstream(base.Path("Scrivane.vnrdr"), std::ios::binary) << std::string("\x01\x00\x00\x00", 4);
    std::ofstream(base.Path("Bob (John Smith)/Bob.vnpln"), std::ios::binary) << "plan bytes";
    std::ofstream(base.Path("Bob (John Smith)/Bob.vnnot"), std::ios::binary)
        << std::string("\0\0\x5f\xea\x5f\xea", 6);
    const auto before = Snapshot(base.Path());
    const auto modulesBefore = Snapshot("/usr/share/sword");
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(base.Path());
    {
        CBibleTextSource source;
        source.Modules();
        source.GetPassage(Index("Psalms 119:1"), Index("Psalms 119:176"), kKjv);
        source.GetPassage(Index("John 3:1"), Index("John 3:36"), kWeb);
    }
    std::filesystem::current_path(cwd);
    EXPECT_EQ(Snapshot(base.Path()), before);
    EXPECT_EQ(Snapshot("/usr/share/sword"), modulesBefore);
}

// A block index that claims more than its data file holds (SWORD would
// allocate and fill the block it claims: gigabytes, for minutes) is found
// before SWORD reads it: the verses kept in that block are missing, the module
// is named as damaged, and the rest reads as before.
TEST(BibleText, ADamagedBlockIndexIsFoundBeforeSwordBelievesIt) {
    const std::filesystem::path kjvData = "/usr/share/sword/modules/texts/ztext/engKJV2006eb";
    ASSERT_TRUE(std::filesystem::exists(kjvData));
    struct Damage {
        const char* what;
        size_t field; // 0 offset, 1 compressed size, 2 unpacked size of the block of Genesis
        uint32_t value;
    } damages[] = {
        {"a block that unpacks to 2 GB", 2, 0x7FFFFFF0u},
        {"a block past the end of the data", 0, 0x7FFFFFF0u},
        {"a block larger than the data", 1, 0x7FFFFFF0u},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        TempDir dir;
        const std::filesystem::path data = dir.Path("modules/texts/ztext/broken");
        std::filesystem::create_directories(data);
        std::filesystem::create_directories(dir.Path("mods.d"));
        for (const auto& e : std::filesystem::directory_iterator(kjvData))
            std::filesystem::copy_file(e.path(), data / e.path().filename());
        std::string index = ReadFile(data / "ot.bzs");
        ASSERT_GE(index.size(), 24u);
        // The first block holds the testament's introduction, the second Genesis.
        for (size_t i = 0; i < 4; ++i)
            index[12 + damage.field * 4 + i] = static_cast<char>(damage.value >> (8 * i));
        std::ofstream(data / "ot.bzs", std::ios::binary | std::ios::trunc) << index;
        std::ofstream(dir.Path("mods.d/broken.conf"))
            << "[broken]\nDataPath=./modules/texts/ztext/broken/\nModDrv=zText\nSourceType=OSIS\n"
               "Encoding=UTF-8\nCompressType=ZIP\nBlockType=BOOK\nVersification=KJV\nLang=en\n";
        CBibleTextSource source(dir.Path());
        const auto start = std::chrono::steady_clock::now();
        CPassage p = source.GetPassage(Index("Genesis 1:1"), Index("Genesis 2:3"), "broken");
        CPassage r = source.GetPassage(Index("Revelation 22:20"), Index("Revelation 22:21"), "broken");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        ASSERT_EQ(p.verses.size(), 34u);
        for (const CVerseText& v : p.verses)
            EXPECT_TRUE(v.missing) << v.reference;
        EXPECT_NE(p.damage.find("broken"), std::string::npos) << p.damage;
        EXPECT_NE(p.damage.find("ot.bzs"), std::string::npos) << p.damage;
        ASSERT_EQ(r.verses.size(), 2u);
        EXPECT_FALSE(r.verses[1].missing);
        EXPECT_EQ(r.damage, "");
    }
}

// A read that never returns is given up at the time limit, naming the module;
// while it runs on, every read is answered so at once (SWORD does one thing at
// a time), and the source closes without waiting for it.
TEST(BibleText, AReadThatNeverReturnsIsGivenUpAtTheTimeLimit) {
    const auto start = std::chrono::steady_clock::now();
    {
        CBibleTextSource stalled({}, SCRIVANE_STALLED_TEXT);
        ASSERT_EQ(stalled.Problem(), "");
        EXPECT_EQ(stalled.DefaultModule(), "Stalled");
        EXPECT_EQ(BibleTextReadsLeftRunning(), 0);
        const CPassage p = stalled.GetPassage(0, 10);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_GE(waited, kTextTimeLimit);
        EXPECT_LT(waited, kTextTimeLimit + std::chrono::milliseconds(400));
        EXPECT_TRUE(p.verses.empty());
        EXPECT_EQ(p.problem, TextTimeoutMessage("Stalled"));
        EXPECT_NE(p.problem.find("Stalled gave no text within 1.5 seconds"), std::string::npos) << p.problem;
        EXPECT_EQ(BibleTextReadsLeftRunning(), 1);

        const std::shared_ptr<CTextRead> next = stalled.Start({"Stalled", {{0, 0}}});
        ASSERT_TRUE(next->Wait(std::chrono::milliseconds(0)));
        EXPECT_EQ(next->Answer()->problem, TextTimeoutMessage("Stalled"));
        EXPECT_EQ(next->Answer()->modules.size(), 1u);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, kTextTimeLimit + std::chrono::seconds(1));
}
