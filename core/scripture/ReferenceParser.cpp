// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceParser.h"

#include "Bible.h"
#include "LocalBookNames.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Letters of other alphabets belong to a name too, so that it is shown whole when unknown.
bool NameChar(char c) {
    return IsAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80;
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Lower case, letters and digits only: "Song of Songs", "song-of-songs" and "1 Cor." meet.
// Letters and digits, lower case; the accented Latin letters of UTF-8 as their plain letter, so that
// "Génesis", "GÉNESIS" and "Genesis" are one key, and "Könige" is "Konige".
std::string Key(std::string_view name) {
    static constexpr std::string_view kLatin1Letters = "aaaaaaaceeeeiiiidnooooo ouuuuyts"
                                                       "aaaaaaaceeeeiiiidnooooo ouuuuyty";
    std::string k;
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (IsAsciiLetter(c) || IsAsciiDigit(c)) {
            k += Lower(c);
        } else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < name.size()) {
            const auto second = static_cast<unsigned char>(name[++i]);
            if (second >= 0x80 && second <= 0xBF && kLatin1Letters[second - 0x80u] != ' ')
                k += second == 0x9F ? "ss" : std::string(1, kLatin1Letters[second - 0x80u]);
        }
    }
    return k;
}

// The names each book is known by besides the canon's own: the usual English
// name where the canon spells it otherwise, the SBL abbreviations (also
// OSIS's), and the short forms study Bibles and reading lists use. Any
// case, with or without the blank after a number, with or without full
// stops; a number may also be written I, II, III, 1st, First and so on.
// Longer beginnings of a full name that fit one book only are read as well
// ("Deuter", "Philipp"), so they are not listed.
constexpr std::array<const char*, 66> kBookNameTable = {
    "Gen|Gn|Ge",
    "Exod|Ex|Exo",
    "Lev|Lv|Le",
    "Num|Nm|Nu|Nb",
    "Deut|Dt|De",
    "Josh|Jos|Jsh",
    "Judg|Jdg|Jg|Jdgs",
    "Ruth|Rth|Ru",
    "1 Samuel|1 Sam|1 Sm|1 Sa",
    "2 Samuel|2 Sam|2 Sm|2 Sa",
    "1 Kings|1 Kgs|1 Kg|1 Ki|1 Kin",
    "2 Kings|2 Kgs|2 Kg|2 Ki|2 Kin",
    "1 Chronicles|1 Chr|1 Chron|1 Ch",
    "2 Chronicles|2 Chr|2 Chron|2 Ch",
    "Ezra|Ezr",
    "Neh|Ne",
    "Esth|Est|Es",
    "Job|Jb",
    "Psalm|Ps|Pss|Psa|Psm|Pslm",
    "Prov|Pr|Prv|Pro",
    "Eccl|Ecc|Ec|Eccles|Qoh|Qoheleth",
    "Song of Solomon|Song of Sol|Song|Cant|Canticles|Canticle of Canticles|SOS",
    "Isa|Is",
    "Jer|Je|Jr",
    "Lam|La",
    "Ezek|Eze|Ezk",
    "Dan|Da|Dn",
    "Hos|Ho",
    "Joel|Jl",
    "Amos|Am",
    "Obad|Ob",
    "Jonah|Jnh",
    "Mic|Mc",
    "Nah|Na",
    "Hab|Hb",
    "Zeph|Zep|Zp",
    "Hag|Hg",
    "Zechariah|Zech|Zec|Zc",
    "Mal|Ml",
    "Matt|Mt",
    "Mark|Mk|Mrk|Mr",
    "Luke|Lk|Luk",
    "John|Jn|Jhn",
    "Acts|Ac",
    "Rom|Ro|Rm",
    "1 Corinthians|1 Cor|1 Co",
    "2 Corinthians|2 Cor|2 Co",
    "Gal|Ga",
    "Eph|Ephes",
    "Philippians|Phil|Php|Pp",
    "Col",
    "1 Thessalonians|1 Thess|1 Thes|1 Th",
    "2 Thessalonians|2 Thess|2 Thes|2 Th",
    "1 Timothy|1 Tim|1 Ti|1 Tm",
    "2 Timothy|2 Tim|2 Ti|2 Tm",
    "Titus|Tit",
    "Philemon|Phlm|Philem|Phm|Pm",
    "Heb",
    "Jas|Jm",
    "1 Peter|1 Pet|1 Pe|1 Pt",
    "2 Peter|2 Pet|2 Pe|2 Pt",
    "1 John|1 Jn|1 Jhn|1 Jo",
    "2 John|2 Jn|2 Jhn|2 Jo",
    "3 John|3 Jn|3 Jhn|3 Jo",
    "Jude|Jd",
    "Rev|Re|Rv|Revelations|Apocalypse|Apoc",
};

// Written forms that are long enough to be a name's beginning: "Deuter" finds
// Deuteronomy through these.
constexpr size_t kShortestBeginning = 3;

struct BookNames {
    std::unordered_map<std::string, uint16_t> exact;
    std::vector<std::pair<std::string, uint16_t>> full;
};

std::vector<std::string> Alternatives(std::string_view list) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t p = 0; p <= list.size(); ++p) {
        if (p < list.size() && list[p] != '|') continue;
        out.emplace_back(list.substr(start, p - start));
        start = p + 1;
    }
    return out;
}

const BookNames& Names() {
    static const BookNames names = [] {
        BookNames n;
        CBible& bible = TheBible();
        const uint16_t books = std::min<uint16_t>(bible.GetBookCount(), 66);
        for (uint16_t b = 1; b <= books; ++b) {
            const std::string canon = Key(bible.GetBookName(b));
            n.exact.emplace(canon, b);
            n.full.emplace_back(canon, b);
            for (const std::string& name : Alternatives(kBookNameTable[b - 1u])) {
                const std::string k = Key(name);
                n.exact.emplace(k, b);
                if (k.size() > 4) n.full.emplace_back(k, b);
            }
        }
        return n;
    }();
    return names;
}

// The names of a language the windows speak: its full names, preferred abbreviations and every
// spelling SWORD reads, each as a key.
const BookNames* NamesOf(std::string_view language) {
    static std::map<std::string, BookNames, std::less<>> made;
    static std::mutex guard;
    const CLocalBookNames* local = LocalBookNames(language);
    if (!local) return nullptr;
    const std::lock_guard lock(guard);
    auto it = made.find(language);
    if (it != made.end()) return &it->second;
    BookNames n;
    for (uint16_t b = 1; b <= 66; ++b) {
        const std::string full = Key(local->names[b - 1u]);
        n.exact.emplace(full, b);
        n.full.emplace_back(full, b);
        n.exact.emplace(Key(local->abbreviations[b - 1u]), b);
    }
    for (const CLocalBookNames::Spelling& s : local->spellings)
        n.exact.emplace(Key(s.text), s.book);
    return &made.emplace(std::string(language), std::move(n)).first->second;
}

// The book whose name is key in names: exact, or the only book with a full name that begins so.
uint16_t FindIn(const BookNames& names, const std::string& key) {
    if (auto it = names.exact.find(key); it != names.exact.end()) return it->second;
    if (key.size() < kShortestBeginning) return 0;
    uint16_t found = 0;
    for (const auto& [full, book] : names.full) {
        if (full.compare(0, key.size(), key) != 0) continue;
        if (found != 0 && found != book) return 0;
        found = book;
    }
    return found;
}

// "I Samuel", "II Kings", "1st John", "Third John": the number becomes a digit.
std::string ArabicPrefix(std::string_view name) {
    static const std::pair<const char*, char> words[] = {
        {"iii", '3'}, {"ii", '2'},    {"i", '1'},      {"1st", '1'},   {"2nd", '2'},
        {"3rd", '3'}, {"first", '1'}, {"second", '2'}, {"third", '3'},
    };
    std::string lower;
    for (char c : name)
        lower += Lower(c);
    for (const auto& [word, digit] : words) {
        std::string_view w(word);
        if (lower.size() > w.size() && lower.compare(0, w.size(), w) == 0 &&
            (IsInlineBlank(lower[w.size()]) || lower[w.size()] == '.'))
            return std::string(1, digit) + std::string(name.substr(w.size()));
    }
    return std::string(name);
}

struct Part {
    uint16_t book = 0; // 0 = no book named
    std::optional<uint16_t> chapter;
    std::optional<uint16_t> verse;
};

class RefReader {
public:
    explicit RefReader(std::string_view s) : s_(s) {}

    void SkipSpaces() {
        while (pos_ < s_.size() && IsInlineBlank(s_[pos_]))
            ++pos_;
    }
    bool AtEnd() {
        SkipSpaces();
        return pos_ >= s_.size();
    }
    bool AtDigit() {
        SkipSpaces();
        return pos_ < s_.size() && IsAsciiDigit(s_[pos_]);
    }

    // A book name: an optional leading number ("1 Kings", "1Kgs") and words
    // of letters ("Song of Songs"), dots of abbreviations skipped. Empty when
    // the text here is no book name.
    std::string BookName() {
        SkipSpaces();
        size_t start = pos_, p = pos_;
        if (p < s_.size() && IsAsciiDigit(s_[p])) {
            ++p;
            while (p < s_.size() && (IsInlineBlank(s_[p]) || s_[p] == '.'))
                ++p;
            if (p >= s_.size() || !NameChar(s_[p])) return {};
        }
        if (p >= s_.size() || !NameChar(s_[p])) return {};
        size_t end = p;
        while (p < s_.size()) {
            if (NameChar(s_[p])) {
                end = ++p;
            } else if (IsInlineBlank(s_[p]) || s_[p] == '.') {
                size_t q = p;
                while (q < s_.size() && (IsInlineBlank(s_[q]) || s_[q] == '.'))
                    ++q;
                // "through" and "to" join references; they are no part of a name.
                if (q < s_.size() && NameChar(s_[q]) && !JoinWordAt(q)) {
                    p = q;
                } else {
                    break;
                }
            } else {
                break;
            }
        }
        pos_ = end;
        while (pos_ < s_.size() && s_[pos_] == '.')
            ++pos_;
        return std::string(s_.substr(start, end - start));
    }

    // A number, held at 9999 at most; nothing when there is none.
    std::optional<uint16_t> Number() {
        if (!AtDigit()) return std::nullopt;
        uint32_t n = 0;
        while (pos_ < s_.size() && IsAsciiDigit(s_[pos_])) {
            n = std::min<uint32_t>(n * 10 + static_cast<uint32_t>(s_[pos_] - '0'), 9999);
            ++pos_;
        }
        return static_cast<uint16_t>(n);
    }

    // "-", "through" or "to".
    bool Join() {
        SkipSpaces();
        if (pos_ < s_.size() && s_[pos_] == '-') {
            ++pos_;
            return true;
        }
        if (size_t len = JoinWordAt(pos_)) {
            pos_ += len;
            return true;
        }
        return false;
    }

    // Chapter and verse separator: ":" always, "." between two numbers (OSIS "Gen.1.1").
    bool VerseSeparator() {
        if (pos_ < s_.size() && (s_[pos_] == ':' || s_[pos_] == '.') && pos_ + 1 < s_.size() &&
            IsAsciiDigit(s_[pos_ + 1])) {
            ++pos_;
            return true;
        }
        return false;
    }

private:
    size_t JoinWordAt(size_t p) const {
        for (std::string_view w : {std::string_view("through"), std::string_view("to")}) {
            if (p + w.size() > s_.size()) continue;
            bool same = true;
            for (size_t i = 0; i < w.size(); ++i)
                if (Lower(s_[p + i]) != w[i]) same = false;
            if (same && (p + w.size() == s_.size() || !IsAsciiLetter(s_[p + w.size()]))) return w.size();
        }
        return 0;
    }

    std::string_view s_;
    size_t pos_ = 0;
};

std::string Plural(uint16_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "Jude has 1 chapter of 25 verses": what a book of one chapter holds.
std::string OneChapterBook(uint16_t b) {
    CBible& bible = TheBible();
    return bible.GetBookName(b) + " has 1 chapter of " + Plural(bible.GetLastVerse(b, 1), "verse", "verses");
}

std::string CheckChapter(uint16_t b, uint16_t c) {
    CBible& bible = TheBible();
    if (bible.IsValidChapter(b, c)) return {};
    if (bible.GetChapterCount(b) == 1) return OneChapterBook(b);
    return bible.GetBookName(b) + " has " + Plural(bible.GetChapterCount(b), "chapter", "chapters");
}

std::string CheckVerse(uint16_t b, uint16_t c, uint16_t v) {
    if (std::string r = CheckChapter(b, c); !r.empty()) return r;
    CBible& bible = TheBible();
    if (bible.IsValidVerse(b, c, v)) return {};
    if (bible.GetChapterCount(b) == 1) return OneChapterBook(b);
    const uint16_t last = bible.GetLastVerse(b, c);
    const std::string has = bible.GetFirstVerse(b, c) == 0 ? "verses 0 to " + std::to_string(last)
                                                           : Plural(last, "verse", "verses");
    return bible.GetBookName(b) + " " + std::to_string(c) + " has no verse " + std::to_string(v) +
           " (it has " + has + ")";
}

// A verse a little beyond the chapter's end, as other numberings count it.
constexpr uint16_t kOtherNumberingSlack = 3;

// The verse of (b, c) that v stands for; a warning when it is read as the
// chapter's last verse.
uint16_t AdjustedVerse(uint16_t b, uint16_t c, uint16_t v, bool allowed, std::string& warning) {
    CBible& bible = TheBible();
    const uint16_t last = bible.GetLastVerse(b, c);
    if (!allowed || !bible.IsValidChapter(b, c) || v <= last || v > last + kOtherNumberingSlack) return v;
    const std::string chapter =
        bible.GetChapterCount(b) == 1 ? bible.GetBookName(b) : bible.GetBookName(b) + " " + std::to_string(c);
    warning = chapter + " has no verse " + std::to_string(v) + " in this numbering; read as " +
              bible.GetReferenceText(b, c, last);
    return last;
}

uint16_t Index(uint16_t b, uint16_t c, uint16_t v) {
    return TheBible().GetVerseIndex(b, c, v);
}
uint16_t ChapterFirst(uint16_t b, uint16_t c) {
    return Index(b, c, TheBible().GetFirstVerse(b, c));
}
uint16_t ChapterLast(uint16_t b, uint16_t c) {
    return Index(b, c, TheBible().GetLastVerse(b, c));
}

} // namespace

std::string Shorten(std::string_view s) {
    constexpr size_t kShown = 60;
    if (s.size() <= kShown) return std::string(s);
    size_t cut = kShown;
    // Never cut a UTF-8 sequence in two.
    while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(s.substr(0, cut)) + "...";
}

std::string PlainDashes(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i + 2 < s.size() && static_cast<unsigned char>(s[i]) == 0xE2 &&
            static_cast<unsigned char>(s[i + 1]) == 0x80 &&
            (static_cast<unsigned char>(s[i + 2]) == 0x93 || static_cast<unsigned char>(s[i + 2]) == 0x94)) {
            out += '-';
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

uint16_t FindBookByName(std::string_view rawName, std::string_view language) {
    const std::string key = Key(ArabicPrefix(rawName));
    if (key.empty()) return 0;
    if (const BookNames* local = NamesOf(language))
        if (const uint16_t b = FindIn(*local, key)) return b;
    return FindIn(Names(), key);
}

std::string KnownBookNames(uint16_t b) {
    CBible& bible = TheBible();
    if (!bible.IsValidBook(b) || b > kBookNameTable.size()) return {};
    std::string out = bible.GetBookName(b);
    for (const std::string& name : Alternatives(kBookNameTable[b - 1u]))
        if (Key(name) != Key(bible.GetBookName(b))) out += ", " + name;
    return out;
}

CReferenceReading ReadReference(std::string_view input, const CReferenceOptions& options) {
    CBible& bible = TheBible();
    CReferenceReading result;
    const std::string plain = PlainDashes(input);
    RefReader in(plain);
    Part a, b;
    auto fail = [&result](std::string reason) {
        result.error = std::move(reason);
        return result;
    };
    if (in.AtEnd()) return fail("no reference given");
    std::string name = in.BookName();
    if (!name.empty()) {
        a.book = FindBookByName(name, options.language);
        if (a.book == 0) return fail("unknown book \"" + Shorten(name) + "\"");
    } else {
        if (!options.bookOfLine || *options.bookOfLine == 0) return fail("no book named");
        a.book = *options.bookOfLine;
    }
    a.chapter = in.Number();
    if (a.chapter && in.VerseSeparator()) a.verse = in.Number();
    bool range = false;
    if (!in.AtEnd()) {
        if (!in.Join()) return fail("cannot read \"" + Shorten(input) + "\"");
        range = true;
        std::string second = in.BookName();
        if (!second.empty()) {
            b.book = FindBookByName(second, options.language);
            if (b.book == 0) return fail("unknown book \"" + Shorten(second) + "\"");
        }
        b.chapter = in.Number();
        if (b.chapter && in.VerseSeparator()) b.verse = in.Number();
        if (!in.AtEnd()) return fail("cannot read \"" + Shorten(input) + "\"");
        if (b.book == 0 && !b.chapter) return fail("the range \"" + Shorten(input) + "\" has no end");
    }
    if (options.bookOfLine) *options.bookOfLine = a.book;

    const bool aOneChapter = bible.GetChapterCount(a.book) == 1;
    // In a book of one chapter a lone number is a verse ("Jude 5").
    if (aOneChapter && a.chapter && !a.verse &&
        (range || *a.chapter != 1 || !options.loneOneIsWholeChapter)) {
        a.verse = a.chapter;
        a.chapter = 1;
    }
    const bool adjust = options.acceptVersesOfOtherNumberings;
    uint16_t start = 0;
    if (a.chapter && a.verse) {
        a.verse = AdjustedVerse(a.book, *a.chapter, *a.verse, adjust, result.warning);
        if (std::string r = CheckVerse(a.book, *a.chapter, *a.verse); !r.empty()) return fail(r);
        start = Index(a.book, *a.chapter, *a.verse);
    } else if (a.chapter) {
        if (std::string r = CheckChapter(a.book, *a.chapter); !r.empty()) return fail(r);
        start = ChapterFirst(a.book, *a.chapter);
    } else {
        start = ChapterFirst(a.book, 1);
    }

    uint16_t end = 0;
    uint16_t endBook = a.book;
    if (!range) {
        if (a.chapter && a.verse)
            end = start;
        else if (a.chapter)
            end = ChapterLast(a.book, *a.chapter);
        else
            end = ChapterLast(a.book, bible.GetChapterCount(a.book));
    } else {
        endBook = b.book ? b.book : a.book;
        const bool bOneChapter = bible.GetChapterCount(endBook) == 1;
        if (b.chapter && !b.verse && (bOneChapter || (b.book == 0 && a.verse))) {
            // A lone number after a verse, or in a one-chapter book: a verse.
            b.verse = b.chapter;
            b.chapter = b.book == 0 && a.chapter ? *a.chapter : 1;
        }
        if (b.chapter && b.verse) {
            b.verse = AdjustedVerse(endBook, *b.chapter, *b.verse, adjust, result.warning);
            if (std::string r = CheckVerse(endBook, *b.chapter, *b.verse); !r.empty()) return fail(r);
            end = Index(endBook, *b.chapter, *b.verse);
        } else if (b.chapter) {
            if (std::string r = CheckChapter(endBook, *b.chapter); !r.empty()) return fail(r);
            end = ChapterLast(endBook, *b.chapter);
        } else {
            end = ChapterLast(endBook, bible.GetChapterCount(endBook));
        }
        if (endBook < a.book || end < start)
            return fail("the range \"" + Shorten(input) + "\" runs backwards");
    }
    result.first = start;
    result.last = end;
    result.firstBook = a.book;
    result.lastBook = endBook;
    result.oneVerse = start == end;
    return result;
}
