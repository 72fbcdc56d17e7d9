#include "ReadingList.h"

#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "foundation/TextCodec.h"
#include "framework/UiServices.h"
#include "plan/TemplateText.h"
#include "scripture/Bible.h"
#include "scripture/Verse.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <optional>
#include <unordered_map>

namespace {

bool Digit(char c) {
    return c >= '0' && c <= '9';
}
bool Letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool Space(char c) {
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}
// Letters of other alphabets belong to a name too, so that it is shown whole when unknown.
bool NameChar(char c) {
    return Letter(c) || static_cast<unsigned char>(c) >= 0x80;
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Lower case, letters and digits only: "Song of Songs" and "song-of-songs" meet.
std::string Key(std::string_view name) {
    std::string k;
    for (char c : name)
        if (Letter(c) || Digit(c)) k += Lower(c);
    return k;
}

// OSIS abbreviations in canon order, then spellings other lists use.
constexpr std::array<const char*, 66> kOsis = {
    "Gen",   "Exod", "Lev",  "Num",  "Deut", "Josh", "Judg",  "Ruth",   "1Sam",   "2Sam",  "1Kgs",
    "2Kgs",  "1Chr", "2Chr", "Ezra", "Neh",  "Esth", "Job",   "Ps",     "Prov",   "Eccl",  "Song",
    "Isa",   "Jer",  "Lam",  "Ezek", "Dan",  "Hos",  "Joel",  "Amos",   "Obad",   "Jonah", "Mic",
    "Nah",   "Hab",  "Zeph", "Hag",  "Zech", "Mal",  "Matt",  "Mark",   "Luke",   "John",  "Acts",
    "Rom",   "1Cor", "2Cor", "Gal",  "Eph",  "Phil", "Col",   "1Thess", "2Thess", "1Tim",  "2Tim",
    "Titus", "Phlm", "Heb",  "Jas",  "1Pet", "2Pet", "1John", "2John",  "3John",  "Jude",  "Rev"};

struct Alias {
    const char* name;
    uint16_t book;
};
constexpr Alias kAliases[] = {
    {"Psalm", 19},     {"Pss", 19},         {"Psa", 19},         {"Song of Solomon", 22},
    {"Canticles", 22}, {"Qoheleth", 21},    {"Philippians", 50}, {"Zechariah", 38},
    {"Philemon", 57},  {"Revelations", 66}, {"Apocalypse", 66},  {"Jn", 43},
    {"Mk", 41},        {"Mt", 40},          {"Lk", 42},          {"Jas", 59},
};

struct BookNames {
    std::unordered_map<std::string, uint16_t> exact;
    // Full names and long spellings, for unique prefixes ("Deuter", "Philipp").
    std::vector<std::pair<std::string, uint16_t>> full;
};

const BookNames& Names() {
    static const BookNames names = [] {
        BookNames n;
        CBible& bible = TheBible();
        const uint16_t books = std::min<uint16_t>(bible.GetBookCount(), 66);
        for (uint16_t b = 1; b <= books; ++b) {
            std::string k = Key(bible.GetBookName(b));
            n.exact.emplace(k, b);
            n.full.emplace_back(k, b);
            n.exact.emplace(Key(kOsis[b - 1]), b);
        }
        for (const Alias& a : kAliases) {
            n.exact.emplace(Key(a.name), a.book);
            n.full.emplace_back(Key(a.name), a.book);
        }
        return n;
    }();
    return names;
}

// "I Samuel", "II Kings", "III John": the Roman numeral becomes a digit.
std::string ArabicPrefix(std::string_view name) {
    static const std::pair<const char*, char> romans[] = {{"iii", '3'}, {"ii", '2'}, {"i", '1'}};
    std::string lower;
    for (char c : name)
        lower += Lower(c);
    for (const auto& [roman, digit] : romans) {
        std::string_view r(roman);
        if (lower.size() > r.size() && lower.compare(0, r.size(), r) == 0 &&
            (Space(lower[r.size()]) || lower[r.size()] == '.'))
            return std::string(1, digit) + std::string(name.substr(r.size()));
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
        while (pos_ < s_.size() && Space(s_[pos_]))
            ++pos_;
    }
    bool AtEnd() {
        SkipSpaces();
        return pos_ >= s_.size();
    }
    bool AtDigit() {
        SkipSpaces();
        return pos_ < s_.size() && Digit(s_[pos_]);
    }
    char Peek() {
        SkipSpaces();
        return pos_ < s_.size() ? s_[pos_] : '\0';
    }
    void Take() { ++pos_; }
    size_t Pos() const { return pos_; }

    // A book name: an optional leading number ("1 Kings", "1Kgs") and words
    // of letters ("Song of Songs"), dots of abbreviations skipped. Empty when
    // the text here is no book name.
    std::string BookName() {
        SkipSpaces();
        size_t start = pos_, p = pos_;
        if (p < s_.size() && Digit(s_[p])) {
            ++p;
            while (p < s_.size() && (Space(s_[p]) || s_[p] == '.'))
                ++p;
            if (p >= s_.size() || !NameChar(s_[p])) return {};
        }
        if (p >= s_.size() || !NameChar(s_[p])) return {};
        size_t end = p;
        while (p < s_.size()) {
            if (NameChar(s_[p])) {
                end = ++p;
            } else if (Space(s_[p]) || s_[p] == '.') {
                size_t q = p;
                while (q < s_.size() && (Space(s_[q]) || s_[q] == '.'))
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

    // A number of at most four digits; nothing when there is none.
    std::optional<uint16_t> Number() {
        if (!AtDigit()) return std::nullopt;
        uint32_t n = 0;
        size_t digits = 0;
        while (pos_ < s_.size() && Digit(s_[pos_])) {
            n = std::min<uint32_t>(n * 10 + static_cast<uint32_t>(s_[pos_] - '0'), 9999);
            ++pos_;
            ++digits;
        }
        return static_cast<uint16_t>(n);
    }

    // "-", an en or em dash (already made "-"), "through" or "to".
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
            Digit(s_[pos_ + 1])) {
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
            if (same && (p + w.size() == s_.size() || !Letter(s_[p + w.size()]))) return w.size();
        }
        return 0;
    }

    std::string_view s_;
    size_t pos_ = 0;
};

std::string BookLabel(uint16_t b) {
    return TheBible().GetBookName(b);
}

// Chapter and verse checks against the canon; the reason, or empty.
std::string CheckChapter(uint16_t b, uint16_t c) {
    CBible& bible = TheBible();
    if (c == 0 || c > bible.GetChapterCount(b))
        return BookLabel(b) + " has " + std::to_string(bible.GetChapterCount(b)) +
               (bible.GetChapterCount(b) == 1 ? " chapter" : " chapters");
    return {};
}

std::string CheckVerse(uint16_t b, uint16_t c, uint16_t v) {
    if (std::string r = CheckChapter(b, c); !r.empty()) return r;
    CBible& bible = TheBible();
    if (!bible.IsValidVerse(b, c, v))
        return BookLabel(b) + " " + std::to_string(c) + " has no verse " + std::to_string(v);
    return {};
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
uint16_t BookFirst(uint16_t b) {
    return ChapterFirst(b, 1);
}
uint16_t BookLast(uint16_t b) {
    return ChapterLast(b, TheBible().GetChapterCount(b));
}

std::string Shorten(std::string_view s) {
    constexpr size_t kShown = 60;
    if (s.size() <= kShown) return std::string(s);
    size_t cut = kShown;
    // Never cut a UTF-8 sequence in two.
    while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(s.substr(0, cut)) + "...";
}

// Dashes of other lists become "-"; everything else stays as it is.
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

// Strips a day's prefix: a date ("2027-01-04,"), "Day 3:", "3:" "3." "3)" or a
// properties key ("3=", "day3="). Returns the rest.
std::string_view StripDayPrefix(std::string_view line) {
    auto skip = [&](size_t p) {
        while (p < line.size() && Space(line[p]))
            ++p;
        return p;
    };
    size_t p = 0;
    // A date, YYYY-MM-DD or YYYY/MM/DD.
    if (line.size() >= 10) {
        bool date = true;
        for (size_t i = 0; i < 10; ++i) {
            const bool sep = i == 4 || i == 7;
            if (sep ? (line[i] != '-' && line[i] != '/') : !Digit(line[i])) date = false;
        }
        if (date && (line.size() == 10 || Space(line[10]) || line[10] == ',' || line[10] == ':' ||
                     line[10] == ';' || line[10] == '=')) {
            p = skip(10);
            if (p < line.size() && (line[p] == ',' || line[p] == ':' || line[p] == ';' || line[p] == '='))
                p = skip(p + 1);
            return line.substr(p);
        }
    }
    // A key of letters then digits: "Day 3", "day3", "3".
    size_t q = 0;
    while (q < line.size() && Letter(line[q]))
        ++q;
    const std::string word = Key(line.substr(0, q));
    if (q > 0 && word != "day" && word != "d") {
        // A properties key of other letters, such as "reading3=".
        size_t r = q;
        while (r < line.size() && Digit(line[r]))
            ++r;
        if (r > q && skip(r) < line.size() && line[skip(r)] == '=') return line.substr(skip(skip(r) + 1));
        return line;
    }
    size_t d = skip(q);
    size_t digitsEnd = d;
    while (digitsEnd < line.size() && Digit(line[digitsEnd]))
        ++digitsEnd;
    if (digitsEnd == d) return line;
    size_t after = skip(digitsEnd);
    if (after >= line.size()) return q > 0 ? line.substr(after) : line;
    const char c = line[after];
    if (c == ':' || c == '=' || c == '.' || c == ')' || c == ',' || c == '-')
        return line.substr(skip(after + 1));
    // A tab after the number separates a column of day numbers.
    if (line[digitsEnd] == '\t') return line.substr(after);
    // "Day 3 Genesis 1": the word makes it a prefix; "1 John 1" is a reference.
    if (q > 0) return line.substr(after);
    return line;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// A reading as the list writes it back: "Genesis1:1-3:24", or "Psalms3:0" alone.
std::string ImportReference(const VerseRange& r) {
    CBible& bible = TheBible();
    const CVerse a = bible.GetVerseAt(r.start), b = bible.GetVerseAt(r.end);
    std::string name;
    for (char c : bible.GetBookName(a.GetBook()))
        if (c != ' ') name += c;
    std::string text = "[" + name + std::to_string(a.GetChapter()) + ":" + std::to_string(a.GetVerse());
    if (r.end != r.start) text += "-" + std::to_string(b.GetChapter()) + ":" + std::to_string(b.GetVerse());
    return text + "]";
}

// Tag texts end at ">" and the parser stops at "<": neither may appear inside.
std::string TagText(std::string_view s) {
    std::string out;
    for (char c : s)
        out += c == '<' || c == '>' || c == '\r' || c == '\n' ? ' ' : c;
    return Trim(out);
}

} // namespace

uint16_t FindListBook(std::string_view rawName) {
    const std::string key = Key(ArabicPrefix(rawName));
    if (key.empty()) return 0;
    const BookNames& names = Names();
    if (auto it = names.exact.find(key); it != names.exact.end()) return it->second;
    // A unique beginning of a full name: "Deut" is known, "Deuter" is Deuteronomy too.
    uint16_t found = 0;
    if (key.size() < 3) return 0;
    for (const auto& [full, book] : names.full) {
        if (full.compare(0, key.size(), key) != 0) continue;
        if (found != 0 && found != book) return 0;
        found = book;
    }
    return found;
}

std::string ParseListReference(std::string_view text, uint16_t& bookOfLine, std::vector<VerseRange>& ranges) {
    CBible& bible = TheBible();
    RefReader in(text);
    Part a, b;
    std::string name = in.BookName();
    if (!name.empty()) {
        a.book = FindListBook(name);
        if (a.book == 0) return "unknown book \"" + Shorten(name) + "\"";
    } else {
        if (bookOfLine == 0) return "no book named";
        a.book = bookOfLine;
    }
    a.chapter = in.Number();
    if (a.chapter && in.VerseSeparator()) a.verse = in.Number();
    bool range = false;
    if (!in.AtEnd()) {
        if (!in.Join()) return "cannot read \"" + Shorten(text) + "\"";
        range = true;
        std::string second = in.BookName();
        if (!second.empty()) {
            b.book = FindListBook(second);
            if (b.book == 0) return "unknown book \"" + Shorten(second) + "\"";
        }
        b.chapter = in.Number();
        if (b.chapter && in.VerseSeparator()) b.verse = in.Number();
        if (!in.AtEnd()) return "cannot read \"" + Shorten(text) + "\"";
        if (b.book == 0 && !b.chapter) return "the range \"" + Shorten(text) + "\" has no end";
    }
    bookOfLine = a.book;

    const bool aOneChapter = bible.GetChapterCount(a.book) == 1;
    // In a book of one chapter a lone number is a verse ("Jude 5"); a lone
    // "1" without a range is the whole chapter, as chapter lists write it.
    if (aOneChapter && a.chapter && !a.verse && (range || *a.chapter != 1)) {
        a.verse = a.chapter;
        a.chapter = 1;
    }
    uint16_t start = 0;
    if (a.chapter && a.verse) {
        if (std::string r = CheckVerse(a.book, *a.chapter, *a.verse); !r.empty()) return r;
        start = Index(a.book, *a.chapter, *a.verse);
    } else if (a.chapter) {
        if (std::string r = CheckChapter(a.book, *a.chapter); !r.empty()) return r;
        start = ChapterFirst(a.book, *a.chapter);
    } else {
        start = BookFirst(a.book);
    }

    uint16_t end = 0;
    uint16_t endBook = a.book;
    if (!range) {
        if (a.chapter && a.verse)
            end = start;
        else if (a.chapter)
            end = ChapterLast(a.book, *a.chapter);
        else
            end = BookLast(a.book);
    } else {
        endBook = b.book ? b.book : a.book;
        const bool bOneChapter = bible.GetChapterCount(endBook) == 1;
        if (b.chapter && !b.verse && (bOneChapter || (b.book == 0 && a.verse))) {
            // A lone number after a verse, or in a one-chapter book: a verse.
            b.verse = b.chapter;
            b.chapter = b.book == 0 && a.chapter ? *a.chapter : 1;
        }
        if (b.chapter && b.verse) {
            if (std::string r = CheckVerse(endBook, *b.chapter, *b.verse); !r.empty()) return r;
            end = Index(endBook, *b.chapter, *b.verse);
        } else if (b.chapter) {
            if (std::string r = CheckChapter(endBook, *b.chapter); !r.empty()) return r;
            end = ChapterLast(endBook, *b.chapter);
        } else {
            end = BookLast(endBook);
        }
        if (endBook < a.book || end < start) return "the range \"" + Shorten(text) + "\" runs backwards";
    }
    // One range a book, as the plan window shows readings.
    for (uint16_t book = a.book; book <= endBook; ++book) {
        const uint16_t from = book == a.book ? start : BookFirst(book);
        const uint16_t to = book == endBook ? end : BookLast(book);
        ranges.push_back({from, to});
    }
    return {};
}

ReadingList ParseReadingList(std::string_view bytes, const ReadingListOptions& options) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const std::string text = PlainDashes(ToUtf8(bytes));
    ReadingList list;
    const std::vector<std::string_view> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty() || line[0] == '#' || line[0] == '!' || line.rfind("//", 0) == 0) continue;
        const std::string_view rest = StripDayPrefix(line);
        ReadingListDay day;
        day.line = i + 1;
        uint16_t book = 0;
        std::string reason;
        size_t start = 0;
        for (size_t p = 0; p <= rest.size(); ++p) {
            if (p < rest.size() && rest[p] != ';' && rest[p] != ',') continue;
            const std::string piece = Trim(rest.substr(start, p - start));
            start = p + 1;
            if (piece.empty()) continue;
            reason = ParseListReference(piece, book, day.ranges);
            if (!reason.empty()) break;
        }
        if (!reason.empty()) {
            list.problems.push_back({i + 1, Shorten(line), reason});
            continue;
        }
        if (day.ranges.empty()) {
            ++list.emptyDays;
            if (!options.keepEmptyDays) continue;
        }
        list.days.push_back(std::move(day));
    }
    return list;
}

std::string WriteReadingListImport(const ReadingList& list, std::string_view title,
                                   std::string_view description) {
    std::string out;
    out.reserve(64 + list.days.size() * 40);
    const std::string crlf = "\r\n";
    out += std::string(kTemplateTextHeading) + crlf;
    out += "<TITLE = " + TagText(title) + ">" + crlf;
    out += "<COPYR = " + std::string(kDefaultTemplateFormat) + ">" + crlf;
    out += "<HEADE = " + TagText(description) + ">" + crlf;
    // Every calendar day gets the next day of the list; the length is the list's.
    out += "<DAYS = " + std::to_string(std::max<size_t>(list.days.size(), 1)) + ">" + crlf;
    out += "<ALLDA = 1>" + crlf;
    out += "/" + crlf;
    for (const ReadingListDay& day : list.days) {
        if (day.ranges.empty()) out += "[]";
        for (const VerseRange& r : day.ranges)
            out += ImportReference(r);
        out += crlf + "/" + crlf;
    }
    return out;
}

std::string DescribeProblems(const std::vector<ReadingListProblem>& problems, size_t maxLines) {
    std::string text;
    for (size_t i = 0; i < problems.size() && i < maxLines; ++i)
        text += "Line " + std::to_string(problems[i].line) + ": " + problems[i].reason + "\n";
    if (problems.size() > maxLines)
        text += "... and " + std::to_string(problems.size() - maxLines) + " more\n";
    return text;
}

long ImportReadingList(IUiServices& ui, const std::string& inPath, const std::string& outPath,
                       std::optional<bool> keepEmptyDays, bool skipBad) {
    // New Plan reads explicit readings only from the text form.
    if (LowerExtension(outPath) != "txt") {
        ReportError(ui,
                    outPath + "\nA plan made from a reading list is saved as a text import, ending in .txt.");
        return -1;
    }
    std::string bytes;
    try {
        bytes = ReadWholeFile(inPath);
    } catch (const std::exception& e) {
        ReportError(ui, LoadErrorMessage(e, inPath));
        return -1;
    }
    std::error_code ec;
    if (std::filesystem::equivalent(inPath, outPath, ec)) {
        ReportError(ui, "The plan cannot be written over its own reading list.\nChoose another file name.");
        return -1;
    }
    ReadingList list = ParseReadingList(bytes, {true});
    if (!list.problems.empty()) {
        const std::string text =
            std::to_string(list.problems.size()) + (list.problems.size() == 1 ? " line" : " lines") + " of " +
            FileNameOf(inPath) + " cannot be read:\n\n" + DescribeProblems(list.problems) +
            "\nSkip these lines and import the other days?";
        if (!skipBad && ui.MessageBox({text, MbButtons::yesNo, MbIcon::exclamation, 1}) != IDYES) return -1;
    }
    if (list.emptyDays > 0 && list.emptyDays < list.days.size() && !keepEmptyDays) {
        const bool one = list.emptyDays == 1;
        const std::string text = std::to_string(list.emptyDays) + (one ? " day of " : " days of ") +
                                 FileNameOf(inPath) + (one ? " names" : " name") +
                                 " no reading.\n\nKeep them in the plan as days without a reading?";
        keepEmptyDays = ui.MessageBox({text, MbButtons::yesNo, MbIcon::question, 1}) == IDYES;
    }
    if (!keepEmptyDays.value_or(false))
        std::erase_if(list.days, [](const ReadingListDay& d) { return d.ranges.empty(); });
    if (list.days.empty()) {
        ReportError(ui, FileNameOf(inPath) + " holds no day with a reading. Nothing was written.");
        return -1;
    }
    const std::string content =
        WriteReadingListImport(list, FileTitle(outPath), "Imported from " + FileNameOf(inPath));
    try {
        SaveFileAtomic(outPath, content);
    } catch (const std::exception& e) {
        ReportError(ui, SaveErrorMessage(e, outPath));
        return -1;
    }
    return static_cast<long>(list.days.size());
}

std::string ImportedListMessage(long days, const std::string& outPath) {
    return std::to_string(days) + (days == 1 ? " day" : " days") + " of readings were written to\n" +
           outPath + "\n\nTo read by it, choose Reading Plan > New Plan from Gallery and pick \"" +
           FileTitle(outPath) + "\".";
}
