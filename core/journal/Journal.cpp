// SPDX-License-Identifier: GPL-3.0-or-later
#include "Journal.h"

#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// --- bytes as text ---------------------------------------------------------

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

void AppendBase64(std::string& out, std::string_view in) {
    size_t i = 0;
    for (; i + 2 < in.size(); i += 3) {
        const uint32_t n = (uint8_t(in[i]) << 16) | (uint8_t(in[i + 1]) << 8) | uint8_t(in[i + 2]);
        out += kBase64[n >> 18];
        out += kBase64[(n >> 12) & 63];
        out += kBase64[(n >> 6) & 63];
        out += kBase64[n & 63];
    }
    if (i < in.size()) {
        const bool two = i + 1 < in.size();
        const uint32_t n = (uint8_t(in[i]) << 16) | (two ? uint8_t(in[i + 1]) << 8 : 0);
        out += kBase64[n >> 18];
        out += kBase64[(n >> 12) & 63];
        out += two ? kBase64[(n >> 6) & 63] : '=';
        out += '=';
    }
}

std::optional<std::string> DecodeBase64(std::string_view in) {
    if (in.size() % 4 != 0) return std::nullopt;
    std::string out;
    out.reserve(in.size() / 4 * 3);
    auto value = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        if (c == '/') return 63;
        return -1;
    };
    for (size_t i = 0; i < in.size(); i += 4) {
        const bool last = i + 4 == in.size();
        const int pad = last ? (in[i + 3] == '=') + (in[i + 2] == '=') : 0;
        if (pad == 1 && in[i + 2] == '=') return std::nullopt;
        uint32_t n = 0;
        for (int k = 0; k < 4 - pad; ++k) {
            const int v = value(in[i + k]);
            if (v < 0) return std::nullopt;
            n |= uint32_t(v) << (18 - 6 * k);
        }
        out += char(n >> 16);
        if (pad < 2) out += char((n >> 8) & 0xFF);
        if (pad < 1) out += char(n & 0xFF);
    }
    return out;
}

// zlib, opened when a large hunk is first written or read: every Debian system has it, and the
// programs need not load it at start.
struct Zlib {
    int (*compress2)(unsigned char*, unsigned long*, const unsigned char*, unsigned long, int) = nullptr;
    int (*uncompress)(unsigned char*, unsigned long*, const unsigned char*, unsigned long) = nullptr;
    unsigned long (*compressBound)(unsigned long) = nullptr;
};

const Zlib* TheZlib() {
    static const Zlib zlib = [] {
        Zlib z;
        if (void* handle = ::dlopen("libz.so.1", RTLD_NOW | RTLD_LOCAL)) {
            z.compress2 = reinterpret_cast<decltype(z.compress2)>(::dlsym(handle, "compress2"));
            z.uncompress = reinterpret_cast<decltype(z.uncompress)>(::dlsym(handle, "uncompress"));
            z.compressBound = reinterpret_cast<decltype(z.compressBound)>(::dlsym(handle, "compressBound"));
        }
        return z;
    }();
    return zlib.compress2 && zlib.uncompress && zlib.compressBound ? &zlib : nullptr;
}

constexpr size_t kCompressFrom = 512;
constexpr uint64_t kMaxHunkBytes = uint64_t(64) << 20;

// A hunk's bytes in a line: base64, or "z" SIZE ":" base64 of them deflated when that is shorter.
void AppendHunkBytes(std::string& out, std::string_view bytes) {
    if (bytes.size() >= kCompressFrom) {
        if (const Zlib* z = TheZlib()) {
            unsigned long size = z->compressBound(bytes.size());
            std::string packed(size, '\0');
            if (z->compress2(reinterpret_cast<unsigned char*>(packed.data()), &size,
                             reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 9) == 0 &&
                size + 16 < bytes.size()) {
                packed.resize(size);
                out += 'z' + std::to_string(bytes.size()) + ':';
                AppendBase64(out, packed);
                return;
            }
        }
    }
    AppendBase64(out, bytes);
}

std::optional<std::string> DecodeHunkBytes(std::string_view text) {
    if (text.empty() || text[0] != 'z') return DecodeBase64(text);
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2 || colon > 12) return std::nullopt;
    uint64_t size = 0;
    for (size_t i = 1; i < colon; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        size = size * 10 + uint64_t(text[i] - '0');
    }
    const Zlib* z = TheZlib();
    std::optional<std::string> packed = DecodeBase64(text.substr(colon + 1));
    if (!z || !packed || size > kMaxHunkBytes) return std::nullopt;
    std::string bytes(size, '\0');
    unsigned long got = size;
    if (z->uncompress(reinterpret_cast<unsigned char*>(bytes.data()), &got,
                      reinterpret_cast<const unsigned char*>(packed->data()), packed->size()) != 0 ||
        got != size)
        return std::nullopt;
    return bytes;
}

void AppendJsonString(std::string& out, std::string_view s) {
    out += '"';
    for (const char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// --- a small JSON reader: what entries use, strictly, with limits -------------

struct Json {
    enum Type { null, boolean, number, string, array, object } type = null;
    bool flag = false;
    uint64_t n = 0; // entries hold only whole numbers from 0 up
    std::string s;
    std::vector<Json> items;       // an array's, or an object's values
    std::vector<std::string> keys; // an object's, beside its values

    const Json* Get(std::string_view key) const {
        for (size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == key) return &items[i];
        return nullptr;
    }
};

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : t_(text) {}
    bool Read(Json& out) {
        if (!Value(out, 0)) return false;
        Space();
        return at_ == t_.size();
    }

private:
    void Space() {
        while (at_ < t_.size() && (t_[at_] == ' ' || t_[at_] == '\t'))
            ++at_;
    }
    bool Eat(char c) {
        Space();
        if (at_ < t_.size() && t_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Value(Json& v, int depth) {
        if (depth > 8) return false;
        Space();
        if (at_ >= t_.size()) return false;
        const char c = t_[at_];
        if (c == '"') {
            v.type = Json::string;
            return String(v.s);
        }
        if (c >= '0' && c <= '9') {
            v.type = Json::number;
            const size_t start = at_;
            while (at_ < t_.size() && t_[at_] >= '0' && t_[at_] <= '9') {
                if (at_ - start >= 19) return false;
                v.n = v.n * 10 + uint64_t(t_[at_++] - '0');
            }
            return true;
        }
        if (c == '[') {
            v.type = Json::array;
            ++at_;
            if (Eat(']')) return true;
            do {
                v.items.emplace_back();
                if (!Value(v.items.back(), depth + 1)) return false;
            } while (Eat(','));
            return Eat(']');
        }
        if (c == '{') {
            v.type = Json::object;
            ++at_;
            if (Eat('}')) return true;
            do {
                Space();
                std::string key;
                if (!String(key) || !Eat(':')) return false;
                v.keys.push_back(std::move(key));
                v.items.emplace_back();
                if (!Value(v.items.back(), depth + 1)) return false;
            } while (Eat(','));
            return Eat('}');
        }
        for (const auto& [word, type, flag] : {std::tuple{"true", Json::boolean, true},
                                               {"false", Json::boolean, false},
                                               {"null", Json::null, false}}) {
            if (t_.substr(at_, std::string_view(word).size()) == word) {
                at_ += std::string_view(word).size();
                v.type = type;
                v.flag = flag;
                return true;
            }
        }
        return false;
    }
    bool String(std::string& out) {
        if (at_ >= t_.size() || t_[at_] != '"') return false;
        ++at_;
        while (at_ < t_.size()) {
            const char c = t_[at_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= t_.size()) return false;
            switch (t_[at_++]) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                if (t_.size() - at_ < 4) return false;
                unsigned code = 0;
                for (int k = 0; k < 4; ++k) {
                    const char h = t_[at_++];
                    code <<= 4;
                    if (h >= '0' && h <= '9')
                        code |= unsigned(h - '0');
                    else if (h >= 'a' && h <= 'f')
                        code |= unsigned(h - 'a' + 10);
                    else if (h >= 'A' && h <= 'F')
                        code |= unsigned(h - 'A' + 10);
                    else
                        return false;
                }
                // What the writer escapes is below 0x20; anything else is kept as UTF-8.
                if (code < 0x80) {
                    out += char(code);
                } else if (code < 0x800) {
                    out += char(0xC0 | (code >> 6));
                    out += char(0x80 | (code & 0x3F));
                } else {
                    out += char(0xE0 | (code >> 12));
                    out += char(0x80 | ((code >> 6) & 0x3F));
                    out += char(0x80 | (code & 0x3F));
                }
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    std::string_view t_;
    size_t at_ = 0;
};

constexpr uint64_t kMaxVerse = 65535;

bool ReadRanges(const Json* v, VerseRanges& out) {
    if (!v) return true;
    if (v->type != Json::array) return false;
    for (const Json& r : v->items) {
        if (r.type != Json::array || r.items.size() != 2 || r.items[0].type != Json::number ||
            r.items[1].type != Json::number || r.items[0].n > r.items[1].n || r.items[1].n > kMaxVerse)
            return false;
        out.emplace_back(uint16_t(r.items[0].n), uint16_t(r.items[1].n));
    }
    return true;
}

bool ReadIndices(const Json* v, std::vector<uint32_t>& out) {
    if (!v) return true;
    if (v->type != Json::array) return false;
    for (const Json& i : v->items) {
        if (i.type != Json::number || i.n > 0xFFFFFFFFu) return false;
        out.push_back(uint32_t(i.n));
    }
    return true;
}

void AppendRanges(std::string& out, const char* key, const VerseRanges& ranges) {
    if (ranges.empty()) return;
    out += ",\"";
    out += key;
    out += "\":[";
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (i) out += ',';
        out += '[' + std::to_string(ranges[i].first) + ',' + std::to_string(ranges[i].second) + ']';
    }
    out += ']';
}

void AppendIndices(std::string& out, const char* key, const std::vector<uint32_t>& indices) {
    if (indices.empty()) return;
    out += ",\"";
    out += key;
    out += "\":[";
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i) out += ',';
        out += std::to_string(indices[i]);
    }
    out += ']';
}

// The kinds an entry may have, with the step names that make them.
constexpr std::pair<const char*, const char*> kKinds[] = {
    {"Finished Reading", "finish"},
    {"Mark Reading", "mark"},
    {"Enter Reading", "extra"},
    {"Synchronize Dates", "sync-dates"},
    {"Reset Plan", "reset-plan"},
    {"Reset Lifetime Readings", "reset-lifetime"},
    {"New Plan", "new-plan"},
    {"Verse Note", "note"},
    {"General Notes", "general-notes"},
    {"", "save"},
    {"Undo", "undo"},
    {"Redo", "redo"},
    {"Baseline", "baseline"},
    {"Link", "link"},
    {"Merge", "merge"},
};

bool KnownKind(std::string_view kind) {
    return std::any_of(std::begin(kKinds), std::end(kKinds), [&](const auto& k) { return kind == k.second; });
}

uint64_t Fnv1a(std::string_view bytes) {
    uint64_t h = 1469598103934665603ull;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

std::string ConfigDirectory() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.config";
    return {};
}

bool ValidDevice(std::string_view id) {
    return !id.empty() && id.size() <= 64 && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
               c == '_';
    });
}

// The journal lines of bytes that end in a line end; what follows the last is
// a line still being written (by a crash or a copy under way) and is left.
template <typename F> void ForEachLine(std::string_view bytes, F&& f) {
    size_t at = 0;
    for (size_t nl; (nl = bytes.find('\n', at)) != std::string_view::npos; at = nl + 1)
        if (nl > at) f(bytes.substr(at, nl - at));
}

} // namespace

const JournalFileChange* CJournalEntry::File(std::string_view file) const {
    for (const JournalFileChange& f : files)
        if (f.file == file) return &f;
    return nullptr;
}

const std::string* CJournalEntry::State(std::string_view file) const {
    for (const auto& [name, bytes] : state)
        if (name == file) return &bytes;
    return nullptr;
}

bool CJournalEntry::IsChange() const {
    return kind != "baseline" && kind != "save" && kind != "undo" && kind != "redo" && kind != "link" &&
           kind != "merge";
}

const char* JournalKindOf(std::string_view stepName) {
    for (const auto& [name, kind] : kKinds)
        if (stepName == name) return kind;
    return "save";
}

std::string Fingerprint(const std::string* bytes) {
    if (!bytes) return "-";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%zu:%016llx", bytes->size(),
                  static_cast<unsigned long long>(Fnv1a(*bytes)));
    return buf;
}

std::vector<JournalHunk> DiffBytes(std::string_view before, std::string_view after) {
    std::vector<JournalHunk> hunks;
    if (before.size() != after.size()) {
        // One hunk between the common start and the common end.
        size_t head = 0;
        const size_t shorter = std::min(before.size(), after.size());
        while (head < shorter && before[head] == after[head])
            ++head;
        size_t tail = 0;
        while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        hunks.push_back({head, std::string(before.substr(head, before.size() - head - tail)),
                         std::string(after.substr(head, after.size() - head - tail))});
        return hunks;
    }
    // Runs of changed bytes; runs closer than a hunk's own cost in the line are joined.
    constexpr size_t kJoin = 12;
    size_t i = 0;
    while (i < before.size()) {
        if (before[i] == after[i]) {
            ++i;
            continue;
        }
        size_t end = i + 1, same = 0;
        for (size_t j = end; j < before.size() && same <= kJoin; ++j) {
            if (before[j] == after[j]) {
                ++same;
            } else {
                end = j + 1;
                same = 0;
            }
        }
        hunks.push_back({i, std::string(before.substr(i, end - i)), std::string(after.substr(i, end - i))});
        i = end;
    }
    // Changes all over the file: one span of the two sides XORed, mostly zeros, which deflate to little.
    if (hunks.size() > 16) {
        const size_t first = hunks.front().offset, last = hunks.back().offset + hunks.back().before.size();
        JournalHunk span{first, std::string(last - first, '\0'), {}, true};
        for (size_t k = first; k < last; ++k)
            span.before[k - first] = char(before[k] ^ after[k]);
        hunks.assign(1, std::move(span));
    }
    return hunks;
}

bool ApplyHunks(std::string& bytes, const std::vector<JournalHunk>& hunks, bool forward) {
    if (hunks.size() == 1 && hunks[0].xorred) {
        const JournalHunk& h = hunks[0];
        if (h.offset > bytes.size() || bytes.size() - h.offset < h.before.size()) return false;
        for (size_t k = 0; k < h.before.size(); ++k)
            bytes[h.offset + k] = char(bytes[h.offset + k] ^ h.before[k]);
        return true;
    }
    uint64_t end = 0;
    for (const JournalHunk& h : hunks) {
        // In order and apart, as DiffBytes makes them; anything else is not a change of ours.
        if (h.xorred || h.offset < end) return false;
        end = h.offset + std::max(h.before.size(), h.after.size());
        const std::string& from = forward ? h.before : h.after;
        if (h.offset > bytes.size() || bytes.size() - h.offset < from.size() ||
            bytes.compare(h.offset, from.size(), from) != 0)
            return false;
        if (hunks.size() > 1 && h.before.size() != h.after.size()) return false;
    }
    for (const JournalHunk& h : hunks)
        bytes.replace(h.offset, (forward ? h.before : h.after).size(), forward ? h.after : h.before);
    return true;
}

VerseRanges RisenRanges(const std::vector<uint8_t>& was, const std::vector<uint8_t>& is) {
    VerseRanges out;
    for (size_t i = 0; i < is.size() && i <= kMaxVerse; ++i) {
        if (is[i] == 0 || (i < was.size() && was[i] != 0)) continue;
        if (!out.empty() && out.back().second + 1u == i)
            out.back().second = uint16_t(i);
        else
            out.emplace_back(uint16_t(i), uint16_t(i));
    }
    return out;
}

VerseRanges IncrementedRanges(const std::vector<uint16_t>& was, const std::vector<uint16_t>& is) {
    VerseRanges out;
    for (size_t i = 0; i < is.size() && i <= kMaxVerse; ++i) {
        if (is[i] != (i < was.size() ? was[i] : 0) + 1) continue;
        if (!out.empty() && out.back().second + 1u == i)
            out.back().second = uint16_t(i);
        else
            out.emplace_back(uint16_t(i), uint16_t(i));
    }
    return out;
}

std::string FormatJournalEntry(const CJournalEntry& e) {
    std::string out =
        "{\"seq\":" + std::to_string(e.seq) + ",\"clock\":" + std::to_string(e.clock) + ",\"device\":";
    AppendJsonString(out, e.device);
    out += ",\"time\":";
    AppendJsonString(out, e.time);
    out += ",\"kind\":";
    AppendJsonString(out, e.kind);
    if (!e.name.empty()) {
        out += ",\"name\":";
        AppendJsonString(out, e.name);
    }
    if (e.element >= 0) out += ",\"element\":" + std::to_string(e.element);
    if (e.undoes) out += ",\"undoes\":" + std::to_string(e.undoes);
    AppendRanges(out, "read", e.read);
    AppendRanges(out, "lifetime", e.lifetime);
    AppendIndices(out, "done", e.done);
    AppendIndices(out, "undone", e.undone);
    if (e.verse >= 0) out += ",\"verse\":" + std::to_string(e.verse);
    if (e.text) {
        out += ",\"text\":";
        AppendJsonString(out, *e.text);
    }
    if (!e.plan.empty()) {
        out += ",\"plan\":";
        AppendJsonString(out, e.plan);
    }
    if (e.mode >= 0) out += ",\"mode\":" + std::to_string(e.mode);
    if (e.addMine) out += ",\"add\":true";
    if (!e.state.empty()) {
        out += ",\"state\":{";
        for (size_t i = 0; i < e.state.size(); ++i) {
            if (i) out += ',';
            AppendJsonString(out, e.state[i].first);
            out += ":\"";
            AppendHunkBytes(out, e.state[i].second);
            out += '"';
        }
        out += '}';
    }
    if (!e.files.empty()) {
        out += ",\"files\":[";
        for (size_t i = 0; i < e.files.size(); ++i) {
            const JournalFileChange& f = e.files[i];
            if (i) out += ',';
            out += "{\"file\":";
            AppendJsonString(out, f.file);
            out += ",\"before\":";
            AppendJsonString(out, f.before);
            out += ",\"after\":";
            AppendJsonString(out, f.after);
            out += ",\"hunks\":[";
            for (size_t k = 0; k < f.hunks.size(); ++k) {
                if (k) out += ',';
                const JournalHunk& h = f.hunks[k];
                out += '[' + std::to_string(h.offset) + (h.xorred ? ",\"x\",\"" : ",\"");
                if (!h.xorred) {
                    AppendHunkBytes(out, h.before);
                    out += "\",\"";
                }
                AppendHunkBytes(out, h.xorred ? h.before : h.after);
                out += "\"]";
            }
            out += "]}";
        }
        out += ']';
    }
    out += '}';
    return out;
}

std::optional<CJournalEntry> ParseJournalEntry(std::string_view line, std::string* why) {
    auto fail = [&](const char* reason) -> std::optional<CJournalEntry> {
        if (why) *why = reason;
        return std::nullopt;
    };
    Json root;
    if (line.size() > (uint64_t(64) << 20) || !JsonReader(line).Read(root) || root.type != Json::object)
        return fail("not a line of JSON");
    CJournalEntry e;
    auto number = [&](const char* key, uint64_t& out, bool required) {
        const Json* v = root.Get(key);
        if (!v) return !required;
        if (v->type != Json::number) return false;
        out = v->n;
        return true;
    };
    auto text = [&](const char* key, std::string& out, bool required) {
        const Json* v = root.Get(key);
        if (!v) return !required;
        if (v->type != Json::string) return false;
        out = v->s;
        return true;
    };
    uint64_t element = 0, verse = 0;
    const bool hasElement = root.Get("element") != nullptr, hasVerse = root.Get("verse") != nullptr;
    if (!number("seq", e.seq, true) || e.seq == 0 || !number("clock", e.clock, true) ||
        !text("device", e.device, true) || !ValidDevice(e.device) || !text("time", e.time, true) ||
        !text("kind", e.kind, true) || !KnownKind(e.kind) || !text("name", e.name, false) ||
        !number("element", element, false) || element > 0x7FFFFFFF || !number("undoes", e.undoes, false) ||
        !number("verse", verse, false) || verse > kMaxVerse)
        return fail("a field is missing or of the wrong kind");
    if (hasElement) e.element = int(element);
    if (hasVerse) e.verse = int(verse);
    if (const Json* t = root.Get("text")) {
        if (t->type != Json::string) return fail("a note's text is not text");
        e.text = t->s;
    }
    uint64_t mode = 0;
    if (!text("plan", e.plan, false) || e.plan.size() > 64 || !number("mode", mode, false) || mode > 1)
        return fail("a field is missing or of the wrong kind");
    if (root.Get("mode")) e.mode = int(mode);
    if (const Json* add = root.Get("add")) {
        if (add->type != Json::boolean) return fail("a field is missing or of the wrong kind");
        e.addMine = add->flag;
    }
    if (const Json* state = root.Get("state")) {
        if (state->type != Json::object) return fail("a file's bytes are not readable");
        for (size_t i = 0; i < state->keys.size(); ++i) {
            auto bytes =
                state->items[i].type == Json::string ? DecodeHunkBytes(state->items[i].s) : std::nullopt;
            if (!bytes || state->keys[i].empty() || state->keys[i].size() > 64)
                return fail("a file's bytes are not readable");
            e.state.emplace_back(state->keys[i], std::move(*bytes));
        }
    }
    if (!ReadRanges(root.Get("read"), e.read) || !ReadRanges(root.Get("lifetime"), e.lifetime) ||
        !ReadIndices(root.Get("done"), e.done) || !ReadIndices(root.Get("undone"), e.undone))
        return fail("a verse range or an assignment is out of bounds");
    if (const Json* files = root.Get("files")) {
        if (files->type != Json::array) return fail("files is not a list");
        for (const Json& f : files->items) {
            JournalFileChange change;
            const Json *name = f.Get("file"), *before = f.Get("before"), *after = f.Get("after"),
                       *hunks = f.Get("hunks");
            if (f.type != Json::object || !name || name->type != Json::string || !before ||
                before->type != Json::string || !after || after->type != Json::string || !hunks ||
                hunks->type != Json::array)
                return fail("a file's change is incomplete");
            change.file = name->s;
            change.before = before->s;
            change.after = after->s;
            for (const Json& h : hunks->items) {
                if (h.type != Json::array || h.items.size() != 3 || h.items[0].type != Json::number ||
                    h.items[1].type != Json::string || h.items[2].type != Json::string)
                    return fail("a change to a file's bytes is not readable");
                const bool xorred = h.items[1].s == "x";
                auto b = DecodeHunkBytes(xorred ? h.items[2].s : h.items[1].s);
                auto a = xorred ? std::optional<std::string>(std::string()) : DecodeHunkBytes(h.items[2].s);
                if (!b || !a) return fail("a change to a file's bytes is not readable");
                change.hunks.push_back({h.items[0].n, std::move(*b), std::move(*a), xorred});
            }
            e.files.push_back(std::move(change));
        }
    }
    return e;
}

std::string JsonQuote(std::string_view s) {
    std::string out;
    AppendJsonString(out, s);
    return out;
}

std::optional<std::vector<std::pair<std::string, std::string>>> ParseJsonStrings(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    Json root;
    if (text.size() > (uint64_t(1) << 20) || !JsonReader(text).Read(root) || root.type != Json::object)
        return std::nullopt;
    std::vector<std::pair<std::string, std::string>> out;
    for (size_t i = 0; i < root.keys.size(); ++i) {
        if (root.items[i].type != Json::string) return std::nullopt;
        out.emplace_back(root.keys[i], root.items[i].s);
    }
    return out;
}

bool ValidDeviceId(std::string_view id) {
    return ValidDevice(id);
}

std::string DeviceId() {
    // Read each time, so that one process can stand for several computers (the tests do).
    if (const char* env = std::getenv("SCRIVANE_DEVICE"); env && ValidDevice(env)) return env;
    static const std::string id = [] {
        const std::string dir = ConfigDirectory();
        const std::string path = dir.empty() ? std::string() : dir + "/Brennoch/scrivane-device";
        if (!path.empty()) {
            try {
                std::string kept = ReadWholeFile(path, 256);
                while (!kept.empty() && (kept.back() == '\n' || kept.back() == '\r'))
                    kept.pop_back();
                if (ValidDevice(kept)) return kept;
            } catch (const std::exception&) {
            }
        }
        std::random_device random;
        char made[17];
        std::snprintf(made, sizeof made, "%08x%08x", random(), random());
        if (!path.empty()) {
            std::error_code ec;
            std::filesystem::create_directories(ParentDirectory(path), ec);
            try {
                SaveFileAtomic(path, std::string(made) + "\n");
            } catch (const std::exception&) {
                // Kept for this run only; the journal then starts a new file next time.
            }
        }
        return std::string(made);
    }();
    return id;
}

std::string JournalNow() {
    if (const char* env = std::getenv("SCRIVANE_NOW"); env && *env) return env;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[24];
    std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &local);
    return buf;
}

CJournal::CJournal(std::string readerDirectory, std::string device)
    : readerDirectory_(std::move(readerDirectory)), device_(std::move(device)) {}

std::string CJournal::Directory() const {
    return readerDirectory_ + "/journal";
}

std::string CJournal::Path() const {
    return PathOf(device_);
}

std::string CJournal::PathOf(const std::string& device) const {
    return Directory() + "/" + device + ".jsonl";
}

std::vector<CJournalEntry> CJournal::ReadTail(size_t maxEntries, size_t* bad) const {
    std::vector<CJournalEntry> out;
    const int fd = ::open(Path().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return out;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return out;
    }
    // Read backwards a block at a time until enough whole lines are in.
    const uint64_t size = static_cast<uint64_t>(st.st_size);
    uint64_t from = size;
    std::string tail;
    size_t block = 64 << 10;
    while (from > 0) {
        const uint64_t take = std::min<uint64_t>(block, from);
        from -= take;
        std::string chunk(take, '\0');
        if (::pread(fd, chunk.data(), take, static_cast<off_t>(from)) != static_cast<ssize_t>(take)) break;
        tail.insert(0, chunk);
        if (static_cast<size_t>(std::count(tail.begin(), tail.end(), '\n')) > maxEntries) break;
        block *= 2;
    }
    ::close(fd);
    // The first line may be cut short unless the file was read from its start.
    std::string_view view(tail);
    if (from > 0) {
        const size_t nl = view.find('\n');
        view.remove_prefix(nl == std::string_view::npos ? view.size() : nl + 1);
    }
    std::vector<std::string_view> lines;
    ForEachLine(view, [&](std::string_view line) { lines.push_back(line); });
    const size_t first = lines.size() > maxEntries ? lines.size() - maxEntries : 0;
    for (size_t i = first; i < lines.size(); ++i) {
        if (auto e = ParseJournalEntry(lines[i]))
            out.push_back(std::move(*e));
        else if (bad)
            ++*bad;
    }
    return out;
}

std::vector<CJournalEntry> CJournal::ReadAll(size_t* bad) const {
    std::vector<CJournalEntry> out;
    std::error_code ec;
    std::vector<std::string> paths;
    for (const auto& e : std::filesystem::directory_iterator(Directory(), ec)) {
        const std::string name = e.path().filename().string();
        if (name.size() > 6 && name.compare(name.size() - 6, 6, ".jsonl") == 0)
            paths.push_back(e.path().string());
    }
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths) {
        std::string bytes;
        try {
            bytes = ReadWholeFile(path, uint64_t(1) << 30);
        } catch (const std::exception&) {
            if (bad) ++*bad;
            continue;
        }
        ForEachLine(bytes, [&](std::string_view line) {
            if (auto e = ParseJournalEntry(line))
                out.push_back(std::move(*e));
            else if (bad)
                ++*bad;
        });
    }
    return out;
}

bool CJournal::Recover(std::string* error) const {
    if (!DirectoryExists(Directory())) return true;
    // Every commit of the reader's files may hold an entry still to append: each is finished
    // before what is left beside the journal counts as stale.
    bool ok = true;
    for (const std::string& dir : {readerDirectory_, Directory()}) {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
            const std::string name = e.path().filename().string();
            if (name.size() > 7 && name.compare(name.size() - 7, 7, ".commit") == 0)
                ok = CFileTransaction::Recover(e.path().string(), ok ? error : nullptr) && ok;
        }
    }
    // The journal's own record, when a crash came before it was in place, left only its temporary.
    ok = CFileTransaction::Recover(Path() + ".commit", ok ? error : nullptr) && ok;
    if (ok) RemoveStaleTemporaries(Path());
    return ok;
}

void CJournal::ReadNumbers() {
    // Read again for every entry: the plan window, the notes and a merge each keep a journal object
    // of their own on the one file, and a number taken twice would make two entries one.
    for (const CJournalEntry& e : ReadTail(1)) {
        lastSeq_ = e.seq;
        lastClock_ = std::max(lastClock_, e.clock);
    }
    numbered_ = true;
}

void CJournal::Number(CJournalEntry& entry) {
    ReadNumbers();
    entry.seq = ++lastSeq_;
    entry.clock = ++lastClock_;
    entry.device = device_;
    if (entry.time.empty()) entry.time = JournalNow();
}

bool CJournal::Witness(uint64_t clock) {
    ReadNumbers();
    if (clock <= lastClock_) return false;
    lastClock_ = clock;
    return true;
}

void CJournal::AddTo(CFileTransaction& commit, CJournalEntry& entry) {
    std::error_code ec;
    std::filesystem::create_directories(Directory(), ec);
    Number(entry);
    commit.Append(Path(), FormatJournalEntry(entry) + "\n");
}

void CJournal::Append(CJournalEntry& entry) {
    CFileTransaction commit(Path() + ".commit");
    AddTo(commit, entry);
    try {
        commit.Commit();
    } catch (...) {
        // The numbers given were not used; the next entry reads them again.
        numbered_ = false;
        throw;
    }
}
