// SPDX-License-Identifier: GPL-3.0-or-later
// One reader on several computers: random changes on each, the journals carried between their
// copies of the sync folder in random order, torn and duplicated, and every computer ending with
// the same bytes as the others and the readings a plain model of the rules gives.
#include "sync/Sync.h"
#include "PlanDocFixture.h"
#include "foundation/FileAccess.h"
#include "journal/Journal.h"
#include "notes/NoteFiles.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>

namespace {

namespace fs = std::filesystem;

struct Templates : PlanDocFixture {
    using PlanDocFixture::TemplateBytes;
};

std::string TemplateFile(const TempDir& where) {
    std::vector<int32_t> sections(66, 0);
    sections[0] = 1;  // Genesis
    sections[42] = 2; // John
    const std::string path = where.Path("t.vntpl");
    SaveFileAtomic(path, Templates::TemplateBytes(0, 1, 0, 0, 40, {0, 1, 1, 1, 1, 1, 0}, sections));
    return path;
}

// A computer: its own base directory with the reader's files, and its own copy of the sync folder.
struct Computer {
    std::string name;
    std::string home;
    CScriptedUiServices ui;
    CReaderContext reader;
    std::unique_ptr<CReadingPlanDoc> doc;

    Computer(std::string n, const std::string& root) : name(std::move(n)), home(root + "/" + name) {
        fs::create_directories(home + "/reader");
        fs::create_directories(home + "/folder");
        reader.baseDirectory = home;
        reader.displayName = "Bob";
        reader.fileStem = "\\reader\\Bob";
    }
    SyncPaths Paths() const {
        return {home + "/reader", home + "/reader/Bob.vnpln", home + "/reader/Bob.vnpro",
                home + "/reader/Bob.vnnot", home + "/reader/Bob.txt"};
    }
    std::string Folder() const { return home + "/folder"; }
    CReadingPlanDoc& Doc() {
        ::setenv("SCRIVANE_DEVICE", name.c_str(), 1);
        if (!doc) {
            doc = std::make_unique<CReadingPlanDoc>(ui, reader);
            doc->SetCommitAtOnce(true);
            EXPECT_TRUE(doc->OnNewDocument());
        }
        return *doc;
    }
    void Close() { doc.reset(); }
    SyncResult Sync() {
        Close();
        ::setenv("SCRIVANE_DEVICE", name.c_str(), 1);
        return Synchronize(Paths(), name);
    }
};

// What a sync tool does: brings one computer's journal from one copy of the folder to another,
// whole, cut inside a line, with one line twice, or twice over.
enum class Delivery { whole, torn, doubledLine, twice };

void Carry(const Computer& from, const Computer& to, const std::string& readerId, const std::string& device,
           std::mt19937& random, Delivery how) {
    const std::string source = from.Folder() + "/" + readerId + "/" + device + ".jsonl";
    if (!FileExists(source)) return;
    std::string bytes = ReadWholeFile(source, uint64_t(1) << 30);
    if (how == Delivery::torn && bytes.size() > 10)
        bytes.resize(bytes.size() - 1 - random() % (bytes.size() / 2));
    if (const size_t end = bytes.empty() ? std::string::npos : bytes.find('\n', random() % bytes.size());
        how == Delivery::doubledLine && end != std::string::npos) {
        const size_t begin = bytes.rfind('\n', end - 1);
        const size_t from = begin == std::string::npos || end == 0 ? 0 : begin + 1;
        bytes += bytes.substr(from, end - from + 1);
    }
    if (how == Delivery::twice) bytes += bytes;
    const std::string target = to.Folder() + "/" + readerId;
    fs::create_directories(target);
    fs::copy_file(from.Folder() + "/" + readerId + "/reader.json", target + "/reader.json",
                  fs::copy_options::overwrite_existing);
    SaveFileAtomic(target + "/" + device + ".jsonl", bytes);
}

// The rules, kept as simply as they can be said: each entry once; undo takes a change out, redo puts
// it back; in clock order, a reading sets its verses' flags (once however often) and adds its
// lifetime readings, Reset Plan moves the flags into the lifetime counts, Reset Lifetime Readings
// clears them.
struct Model {
    std::vector<uint8_t> read;
    std::vector<uint16_t> lifetime;

    void Apply(std::vector<CJournalEntry> all) {
        std::map<std::tuple<uint64_t, std::string, uint64_t>, CJournalEntry> ordered;
        std::set<std::pair<std::string, uint64_t>> out;
        std::map<std::pair<std::string, uint64_t>, int> times;
        for (CJournalEntry& e : all) {
            if (++times[{e.device, e.seq}] > 1) continue;
            ordered[{e.clock, e.device, e.seq}] = std::move(e);
        }
        for (const auto& [key, e] : ordered) {
            if (e.kind == "undo") out.insert({e.device, e.undoes});
            if (e.kind == "redo") out.erase({e.device, e.undoes});
        }
        for (const auto& [key, e] : ordered) {
            if (out.count({e.device, e.seq})) continue;
            if (e.kind == "finish" || e.kind == "mark" || e.kind == "extra") {
                for (const auto& [a, b] : e.read)
                    for (uint32_t v = a; v <= b; ++v)
                        read.at(v) = 1;
                for (const auto& [a, b] : e.lifetime)
                    for (uint32_t v = a; v <= b; ++v)
                        ++lifetime.at(v);
            } else if (e.kind == "reset-plan") {
                for (size_t v = 0; v < read.size(); ++v)
                    if (read[v]) {
                        ++lifetime[v];
                        read[v] = 0;
                    }
            } else if (e.kind == "reset-lifetime") {
                std::fill(lifetime.begin(), lifetime.end(), 0);
            }
        }
    }
};

TEST(Sync, EveryComputerEndsWithTheSameBytesAndTheModelsReadings) {
    // Thousands of commits: in memory where the system has it, as each waits for the disk otherwise.
    if (DirectoryExists("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 1);
    TempDir root;
    ::unsetenv("TMPDIR");
    const std::string templatePath = TemplateFile(root);
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    std::vector<std::unique_ptr<Computer>> computers;
    for (const char* name : {"desk", "laptop", "study", "tablet"})
        computers.push_back(std::make_unique<Computer>(name, root.Path()));
    Computer& first = *computers[0];
    ASSERT_TRUE(first.Doc().NewPlanFromFile(templatePath));
    first.Doc().FinishElement(0);
    // The model starts from the files as shared.
    Model model{first.Doc().ReadInPlan(), first.Doc().LifetimeCounts()};
    const uint16_t elements = first.Doc().GetElementCount();
    first.Close();
    SharedReader names{{}, "Bob", "Bob", "Smith", "Bob"};
    ASSERT_EQ(LinkReader(first.Paths(), first.Folder(), LinkMode::share, names, "desk"), "");
    ASSERT_TRUE(first.Sync().ok);
    const std::string id = ReadSyncLink(first.Paths().readerDirectory)->readerId;
    names.id = id;
    std::mt19937 random(20270104);
    for (size_t i = 1; i < computers.size(); ++i) {
        Carry(first, *computers[i], id, "desk", random, Delivery::whole);
        ASSERT_EQ(LinkReader(computers[i]->Paths(), computers[i]->Folder(), LinkMode::join, names,
                             computers[i]->name),
                  "");
        ASSERT_TRUE(computers[i]->Sync().ok);
    }

    for (int step = 0; step < 1600; ++step) {
        Computer& c = *computers[random() % computers.size()];
        const unsigned what = random() % 100;
        if (what < 12) {
            ASSERT_TRUE(c.Sync().ok);
            continue;
        }
        if (what < 30) {
            Computer& to = *computers[random() % computers.size()];
            // A computer's own journal is never brought back to it: it alone writes that file.
            const std::string& device = computers[random() % computers.size()]->name;
            if (&to != &c && device != to.name) Carry(c, to, id, device, random, Delivery(random() % 4));
            continue;
        }
        CReadingPlanDoc& d = c.Doc();
        const auto element = uint16_t(random() % elements);
        if (what < 60) {
            d.FinishElement(element);
        } else if (what < 66) {
            const CPlanElement e = d.GetElement(element);
            d.ReadRangeOf(element, e.GetRangeStart(0), e.GetRangeEnd(0));
        } else if (what < 76) {
            const auto start = uint16_t(random() % 2000);
            c.ui.extraReadingAnswers.push_back(
                ExtraReading{start, uint16_t(start + random() % 40), int(random() % 2)});
            d.OnEnterReading();
        } else if (what < 86) {
            if (d.CanUndo()) d.Undo();
        } else if (what < 90) {
            if (d.CanRedo()) d.Redo();
        } else if (what < 95) {
            SetTodayOverride(CJJulian::Day(2027, 1, 4).AddDays(int16_t(random() % 30)));
            d.OnSynchronizeDates();
        } else if (what < 99) {
            c.ui.messageBoxAnswers.push_back(IDOK);
            c.ui.checkBoxAnswers.push_back(false);
            d.OnResetPlan();
        } else {
            c.ui.messageBoxAnswers.push_back(IDOK);
            d.OnResetLifetimeReadings();
        }
        for (const MessageBoxRequest& m : c.ui.messageBoxes)
            ASSERT_EQ(m.icon, MbIcon::question) << m.text;
    }

    // Everything arrives everywhere, some of it with an entry twice, and each computer merges twice.
    for (int round = 0; round < 2; ++round) {
        for (auto& c : computers)
            ASSERT_TRUE(c->Sync().ok);
        for (auto& from : computers)
            for (auto& to : computers)
                if (from != to)
                    Carry(*from, *to, id, from->name, random,
                          random() % 2 ? Delivery::whole : Delivery::twice);
    }
    for (auto& c : computers) {
        const SyncResult r = c->Sync();
        ASSERT_TRUE(r.ok) << r.problem;
        EXPECT_TRUE(r.skipped.empty());
    }
    const std::string plan = ReadWholeFile(first.Paths().plan),
                      history = ReadWholeFile(first.Paths().history);
    for (auto& c : computers) {
        EXPECT_EQ(ReadWholeFile(c->Paths().plan), plan) << c->name;
        EXPECT_EQ(ReadWholeFile(c->Paths().history), history) << c->name;
    }

    // Each computer's journal holds each of its entries once, numbered in order.
    std::vector<CJournalEntry> all;
    for (auto& c : computers) {
        size_t bad = 0;
        const std::string bytes = ReadWholeFile(c->Folder() + "/" + id + "/" + c->name + ".jsonl", 1 << 30);
        std::vector<CJournalEntry> entries = ReadJournalBytes(bytes, c->name, bad);
        EXPECT_EQ(bad, 0u);
        for (size_t i = 1; i < entries.size(); ++i)
            EXPECT_LT(entries[i - 1].seq, entries[i].seq) << c->name;
        all.insert(all.end(), entries.begin(), entries.end());
    }
    model.Apply(all);
    CReadingPlanDoc& merged = first.Doc();
    EXPECT_EQ(merged.ReadInPlan(), model.read);
    EXPECT_EQ(merged.LifetimeCounts(), model.lifetime);
    EXPECT_GT(merged.CountPlanVersesRead(), 0u);
}

// The rules where the two computers changed the same thing before either saw the other.
TEST(Sync, ChangesMadeOnTwoComputersAtOnce) {
    TempDir root;
    const std::string templatePath = TemplateFile(root);
    SetTodayOverride(CJJulian::Day(2027, 1, 4));
    Computer desk("desk", root.Path()), laptop("laptop", root.Path());
    ASSERT_TRUE(desk.Doc().NewPlanFromFile(templatePath));
    desk.Close();
    SharedReader names{{}, "Bob", "Bob", "Smith", "Bob"};
    ASSERT_EQ(LinkReader(desk.Paths(), desk.Folder(), LinkMode::share, names, "desk"), "");
    ASSERT_TRUE(desk.Sync().ok);
    names.id = ReadSyncLink(desk.Paths().readerDirectory)->readerId;
    std::mt19937 random(1);
    Carry(desk, laptop, names.id, "desk", random, Delivery::whole);
    ASSERT_EQ(LinkReader(laptop.Paths(), laptop.Folder(), LinkMode::join, names, "laptop"), "");
    ASSERT_TRUE(laptop.Sync().ok);
    const CPlanElement first = laptop.Doc().GetElement(0), second = laptop.Doc().GetElement(1);

    // Both finish the first day; the laptop also the second, on the plan the desk meanwhile replaces.
    desk.Doc().FinishElement(0);
    laptop.Doc().FinishElement(0);
    laptop.Doc().FinishElement(1);
    SetTodayOverride(CJJulian::Day(2027, 1, 11));
    ASSERT_TRUE(desk.Doc().NewPlanFromFile(templatePath));
    // Both write the general notes.
    desk.Close();
    laptop.Close();
    ::setenv("SCRIVANE_DEVICE", "desk", 1);
    SaveGeneralNotesFile(JournalForNotes(desk.Paths().general).get(), desk.Paths().general,
                         "Psalms at night\r\n");
    ::setenv("SCRIVANE_DEVICE", "laptop", 1);
    SaveGeneralNotesFile(JournalForNotes(laptop.Paths().general).get(), laptop.Paths().general,
                         "Pray for Ann\r\n");

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(desk.Sync().ok);
        ASSERT_TRUE(laptop.Sync().ok);
        Carry(desk, laptop, names.id, "desk", random, Delivery::whole);
        Carry(laptop, desk, names.id, "laptop", random, Delivery::whole);
    }
    ASSERT_TRUE(desk.Sync().ok);
    ASSERT_TRUE(laptop.Sync().ok);
    EXPECT_EQ(ReadWholeFile(desk.Paths().plan), ReadWholeFile(laptop.Paths().plan));
    EXPECT_EQ(ReadWholeFile(desk.Paths().history), ReadWholeFile(laptop.Paths().history));

    // The new plan stands, nothing read in it; the first day, finished twice at once, counts once in the
    // lifetime history (folded in by the new plan), and the second day, finished on the replaced plan,
    // counts there too.
    CReadingPlanDoc& merged = desk.Doc();
    EXPECT_EQ(merged.CountPlanVersesRead(), 0u);
    EXPECT_EQ(merged.GetStartDate(), CJJulian::Day(2027, 1, 11));
    for (const CPlanElement* e : {&first, &second})
        for (uint32_t v = e->GetRangeStart(0); v <= e->GetRangeEnd(0); ++v)
            EXPECT_EQ(merged.GetLifetimeCount(uint16_t(v)), 1) << v;

    // No typed word is lost: the later text first, the other below a heading that names its computer.
    const std::string general = ReadWholeFile(desk.Paths().general);
    EXPECT_EQ(general, ReadWholeFile(laptop.Paths().general));
    const bool deskLater = general.rfind("Psalms at night", 0) == 0;
    EXPECT_NE(general.find(deskLater ? "Also written on laptop" : "Also written on desk"), std::string::npos)
        << general;
    EXPECT_NE(general.find("Psalms at night"), std::string::npos);
    EXPECT_NE(general.find("Pray for Ann"), std::string::npos);
}

} // namespace
