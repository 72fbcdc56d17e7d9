// SPDX-License-Identifier: GPL-3.0-or-later
// The installed King James module, copied into a SWORD library of its own and
// damaged in ninety ways: cut, removed, described wrongly, hollowed into sparse
// files, replaced by FIFOs, with bits flipped, with a block index that claims
// gigabytes. `text` must come back within two seconds each time, with the
// module's own text or with a message that names the module: never a crash,
// never a hang, never a verse silently missing or wrong.
#include "../core/TempDir.h"
#include "RunCli.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path kInstalled = "/usr/share/sword";
const std::string kModule = "engKJV2006eb";
const std::string kData = "modules/texts/ztext/engKJV2006eb";
const std::vector<std::vector<std::string>> kRanges = {{"Genesis 1:1", "Genesis 2:3"},
                                                       {"Malachi 4:1", "Matthew 1:17"}};

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

struct TextRun {
    int status = -1; // exit status; -signal when killed by one
    bool hung = false;
    double seconds = 0;
    std::string out, err;
};

// `text` on the library at root, killed should it run for ten seconds.
TextRun Text(const fs::path& root, const std::vector<std::string>& range) {
    const std::string out = (root / "out").string(), err = (root / "err").string();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("SWORD_PATH", (root / "library").c_str(), 1);
        ::setenv("HOME", (root / "home").c_str(), 1);
        ::unsetenv("SCRIVANE_TEXT_BACKEND");
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        std::vector<const char*> argv{SCRIVANE_CLI_PATH, "text",          range[0].c_str(), range[1].c_str(),
                                      "--module",        kModule.c_str(), nullptr};
        ::execv(SCRIVANE_CLI_PATH, const_cast<char* const*>(argv.data()));
        ::_exit(127);
    }
    TextRun r;
    int st = 0;
    while (::waitpid(pid, &st, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10)) {
            r.hung = true;
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &st, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.status = WIFSIGNALED(st) ? -WTERMSIG(st) : WEXITSTATUS(st);
    r.out = Read(out);
    r.err = Read(err);
    return r;
}

// Damage done to the copied module: data is its directory, conf its description.
using Damage = std::function<void(const fs::path& data, const fs::path& conf)>;

struct Case {
    std::string what;
    Damage damage;
    bool textMayDiffer = false; // the description declares another encoding: the text is read as such
};

void FlipBit(const fs::path& f, size_t (*where)(size_t size)) {
    std::string bytes = Read(f);
    bytes[where(bytes.size())] ^= 0x10;
    Write(f, bytes);
}

// The block index entry of the block read first in the ranges: Malachi's, the
// last of the Old Testament; Matthew's, the first of the New after the introduction.
void SetBlockField(const fs::path& data, const std::string& testament, size_t field, uint32_t value) {
    std::string index = Read(data / (testament + ".bzs"));
    const size_t entry = testament == "ot" ? index.size() / 12 - 1 : 1;
    for (size_t i = 0; i < 4; ++i)
        index[entry * 12 + field * 4 + i] = static_cast<char>(value >> (8 * i));
    Write(data / (testament + ".bzs"), index);
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    const std::vector<std::string> files = {"ot.bzs", "ot.bzv", "ot.bzz", "nt.bzs", "nt.bzv", "nt.bzz"};
    for (const std::string& f : files) {
        cases.push_back(
            {f + " cut to nothing", [f](const fs::path& d, const fs::path&) { fs::resize_file(d / f, 0); }});
        cases.push_back({f + " cut in half", [f](const fs::path& d, const fs::path&) {
                             fs::resize_file(d / f, fs::file_size(d / f) / 2);
                         }});
        cases.push_back({f + " a byte short", [f](const fs::path& d, const fs::path&) {
                             fs::resize_file(d / f, fs::file_size(d / f) - 1);
                         }});
        cases.push_back({f + " missing", [f](const fs::path& d, const fs::path&) { fs::remove(d / f); }});
        cases.push_back({f + " a FIFO", [f](const fs::path& d, const fs::path&) {
                             fs::remove(d / f);
                             ASSERT_EQ(::mkfifo((d / f).c_str(), 0600), 0);
                         }});
        cases.push_back({f + " a sparse file of its size", [f](const fs::path& d, const fs::path&) {
                             const auto size = fs::file_size(d / f);
                             Write(d / f, "");
                             fs::resize_file(d / f, size);
                         }});
        cases.push_back({f + " grown sparse to 8 GB", [f](const fs::path& d, const fs::path&) {
                             fs::resize_file(d / f, uintmax_t(8) << 30);
                         }});
        for (auto [where, at] : {std::pair{"first", +[](size_t) -> size_t { return 0; }},
                                 std::pair{"middle", +[](size_t n) { return n / 2; }},
                                 std::pair{"last", +[](size_t n) { return n - 1; }}})
            cases.push_back({f + " with its " + where + " byte flipped",
                             [f, at = at](const fs::path& d, const fs::path&) { FlipBit(d / f, at); }});
    }
    for (const std::string t : {"ot", "nt"})
        for (auto [what, field] :
             {std::pair{"a block that unpacks to 2 GB", 2}, std::pair{"a block past the end", 0},
              std::pair{"a compressed block of 2 GB", 1}})
            cases.push_back({t + ".bzs with " + what, [t, field = field](const fs::path& d, const fs::path&) {
                                 SetBlockField(d, t, static_cast<size_t>(field), 0x7FFFFFF0u);
                             }});
    cases.push_back(
        {"ot.bzs with a block of 4 GB in a sparse data file of 5 GB", [](const fs::path& d, const fs::path&) {
             fs::resize_file(d / "ot.bzz", uintmax_t(5) << 30);
             SetBlockField(d, "ot", 0, 2u << 30);
             SetBlockField(d, "ot", 1, 0xF0000000u);
             SetBlockField(d, "ot", 2, 1000);
         }});
    cases.push_back(
        {"the data directory missing", [](const fs::path& d, const fs::path&) { fs::remove_all(d); }});
    cases.push_back({"the data directory a FIFO", [](const fs::path& d, const fs::path&) {
                         fs::remove_all(d);
                         ASSERT_EQ(::mkfifo(d.c_str(), 0600), 0);
                     }});

    // Descriptions: a line changed, left out or added; or no description at all.
    auto conf = [&cases](const std::string& what, std::function<std::string(std::string)> edit,
                         bool textMayDiffer = false) {
        cases.push_back(
            {what, [edit](const fs::path&, const fs::path& c) { Write(c, edit(Read(c))); }, textMayDiffer});
    };
    auto replace = [](const std::string& from, const std::string& to) {
        return [from, to](std::string s) {
            const size_t at = s.find(from);
            return at == std::string::npos ? s : s.replace(at, from.size(), to);
        };
    };
    auto without = [](const std::string& key) {
        return [key](const std::string& s) {
            std::istringstream in(s);
            std::string out, line;
            while (std::getline(in, line))
                if (line.rfind(key + "=", 0) != 0) out += line + "\n";
            return out;
        };
    };
    conf("an empty description", [](const std::string&) { return std::string(); });
    conf("a description without its section", replace("[" + kModule + "]", ""));
    conf("a description of binary bytes", [](const std::string&) { return std::string(1000, '\xff'); });
    conf("a description of one line of 20 MB", [](const std::string&) { return std::string(20 << 20, 'x'); });
    conf("no DataPath", without("DataPath"));
    conf("a DataPath to nowhere", replace("DataPath=./" + kData, "DataPath=./modules/texts/ztext/nowhere"));
    conf("the DataPath of the library itself", replace("DataPath=./" + kData + "/", "DataPath=./"));
    conf("no ModDrv", without("ModDrv"));
    conf("an unknown ModDrv", replace("ModDrv=zText", "ModDrv=zNothing"));
    conf("ModDrv RawText", replace("ModDrv=zText", "ModDrv=RawText"));
    conf("ModDrv zText4", replace("ModDrv=zText", "ModDrv=zText4"));
    conf("ModDrv RawText4", replace("ModDrv=zText", "ModDrv=RawText4"));
    conf("CompressType LZSS", replace("CompressType=ZIP", "CompressType=LZSS"));
    conf("CompressType BZIP2", replace("CompressType=ZIP", "CompressType=BZIP2"));
    conf("CompressType XZ", replace("CompressType=ZIP", "CompressType=XZ"));
    conf("an unknown Versification", replace("Versification=KJV", "Versification=Nowhere"));
    conf("Versification Synodal", replace("Versification=KJV", "Versification=Synodal"));
    conf("Encoding Latin-1", replace("Encoding=UTF-8", "Encoding=Latin-1"), true);
    conf("SourceType GBF", replace("SourceType=OSIS", "SourceType=GBF"));
    conf("a CipherKey", [](const std::string& s) { return s + "\nCipherKey=abcdefgh\n"; });
    cases.push_back({"the description missing", [](const fs::path&, const fs::path& c) { fs::remove(c); }});
    cases.push_back({"the description a FIFO", [](const fs::path&, const fs::path& c) {
                         fs::remove(c);
                         ASSERT_EQ(::mkfifo(c.c_str(), 0600), 0);
                     }});
    cases.push_back({"the description a sparse file of 4 GB", [](const fs::path&, const fs::path& c) {
                         Write(c, "");
                         fs::resize_file(c, uintmax_t(4) << 30);
                     }});
    return cases;
}

// A SWORD library at root/library holding a copy of the installed module, and an empty home.
void CopyModule(const fs::path& root) {
    fs::create_directories(root / "home");
    fs::create_directories(root / "library/mods.d");
    fs::create_directories(root / "library" / kData);
    fs::copy_file(kInstalled / "mods.d" / (kModule + ".conf"), root / "library/mods.d" / (kModule + ".conf"));
    for (const auto& e : fs::directory_iterator(kInstalled / kData))
        fs::copy_file(e.path(), root / "library" / kData / e.path().filename());
}

TEST(DamagedModuleCli, TextComesBackInTimeWithTheTextOrTheModuleNamed) {
    ASSERT_TRUE(fs::exists(kInstalled / kData)) << "the package sword-text-kjv is not installed";
    std::vector<TextRun> intact;
    {
        TempDir dir;
        CopyModule(dir.Path());
        for (const auto& range : kRanges) {
            intact.push_back(Text(dir.Path(), range));
            ASSERT_EQ(intact.back().status, 0) << intact.back().err;
        }
    }
    const std::vector<Case> cases = Cases();
    EXPECT_GE(cases.size(), 90u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        CopyModule(dir.Path());
        c.damage(fs::path(dir.Path()) / "library" / kData,
                 fs::path(dir.Path()) / "library/mods.d" / (kModule + ".conf"));
        for (size_t i = 0; i < kRanges.size(); ++i) {
            SCOPED_TRACE(kRanges[i][0]);
            const TextRun r = Text(dir.Path(), kRanges[i]);
            ASSERT_FALSE(r.hung);
            EXPECT_LT(r.seconds, 2.0);
            if (r.status == 0) {
                // The module's text, every verse of it.
                if (!c.textMayDiffer) {
                    EXPECT_EQ(r.out, intact[i].out);
                    continue;
                }
                const std::vector<std::string> lines = Lines(r.out);
                EXPECT_EQ(lines.size(), Lines(intact[i].out).size());
                for (const std::string& line : lines)
                    EXPECT_NE(line.back(), '\t') << line;
                continue;
            }
            // Or a message naming the module; the verses shown are its own, the others missing.
            EXPECT_EQ(r.status, 1) << r.err;
            EXPECT_NE(r.err.find("The translation " + kModule + " "), std::string::npos) << r.err;
            const std::vector<std::string> expected = Lines(intact[i].out);
            const std::set<std::string> own(expected.begin(), expected.end());
            for (const std::string& line : Lines(r.out))
                EXPECT_TRUE(own.count(line) || line.back() == '\t') << line;
        }
    }
}

} // namespace
