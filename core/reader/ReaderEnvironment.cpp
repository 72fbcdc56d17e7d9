// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReaderEnvironment.h"

#include "ReaderFile.h"

#include "foundation/DirectoryLock.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"
#include "foundation/FileAccess.h"
#include "foundation/FileTransaction.h"
#include "foundation/TextCodec.h"
#include "framework/UiServices.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kNoReaderCalled = TR_NOOP("Core", "There is no reader called \"%1\".");
constexpr const char* kReaderNotChanged = TR_NOOP("Core", "The reader was not changed.");

// The longest name a directory entry may have here.
constexpr size_t kMaxNameBytes = NAME_MAX;
// The longest ending a reader's file name gets beyond its display name: a
// change kept beside the plan file when it could not be saved, being written
// through a temporary file ("NAME.vnpln.unsaved999.tmp-XXXXXX"). A damaged
// file kept aside ("NAME.vnnot.damaged999") is shorter.
constexpr size_t kLongestSuffix = sizeof(".vnpln.unsaved999.tmp-XXXXXX") - 1;

bool Ask(IUiServices& ui, const std::string& text) {
    return ui.MessageBox({text, MbButtons::yesNo, MbIcon::question, 0}) == IDYES;
}

// Without following a final symbolic link.
bool EntryExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool IsRealDirectory(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::string ReaderDirectoryName(const ReaderNames& typed, const std::string& displayName) {
    // The names as typed; one left blank is left out, and a reader known by the
    // nick name alone gets no parentheses at all.
    const bool first = !Trim(typed.firstName).empty(), last = !Trim(typed.lastName).empty();
    if (!first && !last) return "\\" + displayName;
    const std::string names = first && last ? typed.firstName + " " + typed.lastName
                              : first       ? typed.firstName
                                            : typed.lastName;
    return "\\" + displayName + " (" + names + ")";
}

std::string ReaderFileName(const std::string& displayName) {
    // "Luca B." names its files "Luca B.txt", not "Luca B..txt".
    const size_t end = displayName.find_last_not_of(". ");
    return end == std::string::npos ? displayName : displayName.substr(0, end + 1);
}

namespace {

// The part of a file stem after its last backslash: the name the reader's
// files were given when the reader was created.
std::string StemFileName(const std::string& stem) {
    size_t slash = stem.find_last_of('\\');
    return slash == std::string::npos ? stem : stem.substr(slash + 1);
}

// The invisible marks that reorder text (U+061C, U+200E, U+200F, U+202A to
// U+202E, U+2066 to U+2069) in their UTF-8 form.
bool HasBidiControl(const std::string& s) {
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
        if (a == 0xD8 && b == 0x9C) return true;
        if (a != 0xE2 || i + 2 >= s.size()) continue;
        const auto c = static_cast<unsigned char>(s[i + 2]);
        if (b == 0x80 && (c == 0x8E || c == 0x8F || (c >= 0xAA && c <= 0xAE))) return true;
        if (b == 0x81 && c >= 0xA6 && c <= 0xA9) return true;
    }
    return false;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::string CReaderEnvironment::ReaderFilePath() const {
    return ::ReaderFilePath(BaseDirectory());
}

std::string CReaderEnvironment::FullPath(const std::string& relative) const {
    return JoinStem(BaseDirectory(), relative);
}

void CReaderEnvironment::SetCurrentGeneralNotesPath(const std::string& path) {
    current_.SetGeneralNotesPath(path);
    context_.generalNotesPath = path;
}

std::vector<std::string> CReaderEnvironment::ReaderList() const {
    std::vector<std::string> names;
    for (int i = 0; i < readers_.GetCount(); ++i)
        names.push_back(readers_.At(i).GetDisplayName());
    return names;
}

int CReaderEnvironment::LastReaderIndex() const {
    return readers_.FindDisplayName(lastReader_);
}

std::string CReaderEnvironment::CheckNames(const ReaderNames& names, int* field) {
    int unused = 0;
    int& which = field ? *field : unused;
    which = 2;
    if (Trim(names.nickname).empty()) return TR_NOOP("Core", "Please enter a nick name for the reader.");
    const std::string* fields[] = {&names.firstName, &names.lastName, &names.nickname};
    for (which = 0; which < 3; ++which) {
        const std::string* s = fields[which];
        for (unsigned char c : *s) {
            if (c == '/' || c == '\\')
                return TR_NOOP("Core", "A name may not contain a slash (/) or a backslash (\\), because the "
                                       "reader's files are kept in a directory named after the reader.");
            if (c < 0x20 || c == 0x7f)
                return TR_NOOP("Core",
                               "A name may not contain tabs, line breaks or other control characters.");
        }
        if (HasBidiControl(*s))
            return TR_NOOP("Core",
                           "A name may not contain characters that change the direction of the text "
                           "(such as U+202E), because the reader's name and the names of its files would "
                           "show differently from what they are.");
        std::string t = Trim(*s);
        if (t == "." || t == "..") return TR_NOOP("Core", "\".\" and \"..\" cannot be used as names.");
    }
    which = 2;
    CReaderData probe;
    probe.SetFirstName(Trim(names.firstName));
    probe.SetLastName(Trim(names.lastName));
    probe.SetNickname(Trim(names.nickname));
    // The longest display name the reader can be given is the qualified one.
    std::string longest = probe.QualifiedName();
    if (ReaderDirectoryName(names, longest).size() - 1 > kMaxNameBytes)
        return TR_NOOP("Core", "The names are too long to name the reader's directory. Please shorten them.");
    if (longest.size() + kLongestSuffix > kMaxNameBytes)
        return "The names are too long: the reader's files, named \"" + longest +
               "\" and an ending of up to " + std::to_string(kLongestSuffix) +
               " characters, would have longer names than a file may have (" + std::to_string(kMaxNameBytes) +
               " bytes). Please shorten them.";
    return {};
}

std::string CReaderEnvironment::CheckReaderNames(const ReaderNames& names, const std::string& editing,
                                                 int* field) const {
    int unused = 0;
    int& which = field ? *field : unused;
    CReaderData t;
    int editIndex = editing.empty() ? -1 : readers_.FindDisplayName(editing);
    if (editIndex >= 0) t = readers_.At(editIndex);
    t.SetFirstName(Trim(names.firstName));
    t.SetLastName(Trim(names.lastName));
    t.SetNickname(Trim(names.nickname));
    if (editIndex >= 0) {
        const CReaderData& r = readers_.At(editIndex);
        // Given back unchanged: Edit changes nothing, which is no fault.
        if (t.GetFirstName() == r.GetFirstName() && t.GetLastName() == r.GetLastName() &&
            t.GetNickname() == r.GetNickname())
            return {};
    }
    if (std::string why = CheckNames(names, field); !why.empty()) return why;
    which = 2;
    CReaderArray trial = readers_;
    if (editIndex >= 0) trial.RemoveReader(editing);
    if (trial.FindReader(t) >= 0)
        return Say(ui_,
                   TR_NOOP("Core",
                           "There is already a reader with the nick name \"%1\", the first name \"%2\" "
                           "and the last name \"%3\".\nPlease change one of the names."),
                   {t.GetNickname(), t.GetFirstName(), t.GetLastName()});
    // Two readers listed under one name could not be told apart, and the
    // second would take over the first one's files.
    std::set<std::string> before, seen, clashes;
    for (int i = 0; i < trial.GetCount(); ++i)
        if (!seen.insert(trial.At(i).GetDisplayName()).second) before.insert(trial.At(i).GetDisplayName());
    std::string d = trial.AddReader(t);
    seen.clear();
    for (int i = 0; i < trial.GetCount(); ++i) {
        const std::string& name = trial.At(i).GetDisplayName();
        if (!seen.insert(name).second && !before.count(name)) clashes.insert(name);
    }
    if (!clashes.empty())
        return Say(ui_,
                   TR_NOOP("Core",
                           "These names would list the reader as \"%1\", and another reader as \"%2\" "
                           "too, so the two could not be told apart.\nPlease change one of the names."),
                   {d, *clashes.begin()});
    // Two readers never share a directory: deleting one would take the other's files.
    const std::string dir = ReaderDirectoryName(names, d);
    for (int k = 0; k < trial.GetCount(); ++k) {
        const CReaderData& other = trial.At(k);
        if (other.GetDisplayName() != d && ReaderDirectoryOf(other) == dir)
            return Say(ui_,
                       TR_NOOP("Core",
                               "These names would keep the reader's files in the directory \"%1\", which "
                               "is the reader \"%2\"'s.\nPlease change one of the names."),
                       {dir.substr(1), other.GetDisplayName()});
    }
    return {};
}

namespace {

// The path with symbolic links, "." and ".." resolved; empty when it does not exist.
std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return {};
    std::string out = real;
    std::free(real);
    return out;
}

bool IsInside(const std::string& path, const std::string& dir) {
    return path == dir || StartsWith(path, dir == "/" ? dir : dir + "/");
}

bool HasDotDotComponent(const std::string& path, const char* separators) {
    size_t start = 0;
    for (;;) {
        size_t end = path.find_first_of(separators, start);
        if (path.substr(start, end == std::string::npos ? std::string::npos : end - start) == "..")
            return true;
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

} // namespace

std::string CReaderEnvironment::CheckRecordPaths(const CReaderData& r, bool forEdit) const {
    const std::string refused =
        "The reader \"" + r.GetDisplayName() + "\" cannot be opened, changed or deleted: ";
    const std::string& stem = r.GetFileStem();
    const std::string& notes = r.GetGeneralNotesPath();
    if (notes.find('\0') != std::string::npos || HasDotDotComponent(notes, "/"))
        return refused + "its general notes path\n" + notes + "\nclimbs out of its directory with \"..\".";
    // A record that names no files (none the program made) has nothing to check.
    if (stem.empty()) return {};
    // "\DIRECTORY\NAME": one directory right below the base directory.
    const std::string badStem = refused + "its file stem\n" + stem +
                                "\nis not of the form \\DIRECTORY\\NAME inside the base directory.";
    if (stem[0] != '\\' || stem.find_first_of(std::string("/\0", 2)) != std::string::npos) return badStem;
    size_t second = stem.find('\\', 1);
    if (second == std::string::npos || stem.find('\\', second + 1) != std::string::npos) return badStem;
    const std::string dirName = stem.substr(1, second - 1), fileName = stem.substr(second + 1);
    for (const std::string& part : {dirName, fileName})
        if (part.empty() || part == "." || part == "..") return badStem;

    const std::string base = RealPath(BaseDirectory());
    if (base.empty()) return refused + "the base directory\n" + BaseDirectory() + "\ncannot be found.";
    const std::string dir = FullPath("\\" + dirName);
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0) return {};
    if (forEdit && S_ISLNK(st.st_mode))
        return refused + "its directory\n" + dir +
               "\nis a symbolic link, and renaming through it could move files that are not the reader's.";
    const std::string outside = "\nleads outside the base directory\n" + BaseDirectory() + ".";
    std::string realDir = RealPath(dir);
    if (realDir.empty() || !IsInside(realDir, base) || realDir == base)
        return refused + "its directory\n" + dir + outside;
    for (const char* ext : {".vnpln", ".vnpro", ".vnnot", ".txt"}) {
        std::string file = FullPath(stem) + ext;
        if (::lstat(file.c_str(), &st) != 0) continue;
        std::string real = RealPath(file);
        if (real.empty() || !IsInside(real, base)) return refused + "its file\n" + file + outside;
    }
    return {};
}

bool CReaderEnvironment::CanEditReader(const std::string& n) {
    int index = readers_.FindDisplayName(n);
    std::string why = index < 0 ? Say(ui_, kNoReaderCalled, {n}) : CheckRecordPaths(readers_.At(index), true);
    if (!why.empty()) ReportError(ui_, why);
    return why.empty();
}

int CReaderEnvironment::MakeDisplayNamesUnique() {
    std::set<std::string> names;
    for (int i = 0; i < readers_.GetCount(); ++i)
        names.insert(readers_.At(i).GetDisplayName());
    std::set<std::string> seen;
    int renamed = 0;
    for (int i = 0; i < readers_.GetCount(); ++i) {
        CReaderData& r = readers_.At(i);
        const std::string name = r.GetDisplayName();
        if (seen.insert(name).second) continue;
        std::string unique;
        for (int n = 2;; ++n) {
            unique = name + " (" + std::to_string(n) + ")";
            if (!names.count(unique)) break;
        }
        names.insert(unique);
        seen.insert(unique);
        r.SetDisplayName(unique);
        ++renamed;
        ui_.MessageBox(
            {Say(ui_,
                 TR_NOOP("Core", "Two readers in the reader file are both called \"%1\". The later one "
                                 "is listed as \"%2\", so that each can be chosen."),
                 {name, unique}),
             MbButtons::ok, MbIcon::information, 0});
    }
    return renamed;
}

int CReaderEnvironment::CreateReader(const ReaderNames& names, const ReaderOptions& options) {
    if (std::string why = CheckReaderNames(names, {}); !why.empty()) {
        ReportError(ui_, why);
        return -1;
    }
    CReaderData record;
    record.SetFirstName(Trim(names.firstName));
    record.SetLastName(Trim(names.lastName));
    record.SetNickname(Trim(names.nickname));
    record.ClearApocrypha();

    auto [w, h] = ui_.MainFrameClientSize();
    const int32_t cw = 3 * w / 4, ch = 3 * h / 4;
    auto slot = [&](bool shown, int32_t at) {
        WindowPlacement p;
        p.length = 44;
        p.showCmd = shown ? SW_SHOWNORMAL : SW_SHOWMINNOACTIVE;
        p.left = p.top = at;
        p.right = at + cw;
        p.bottom = at + ch;
        return p;
    };
    record.SetPlacement(kGeneralNotesSlot, slot(options.generalNotes, 25));
    record.SetPlacement(kPrayerBookSlot, slot(options.prayerBook, 0));
    record.SetPlacement(kReadingPlanSlot, slot(options.readingPlan, 75));
    record.SetPlacement(kVerseNotesSlot, slot(options.verseNotes, 50));

    // Work on a copy so that a directory that cannot be made leaves the
    // collection as it was.
    CReaderArray trial = readers_;
    std::string d = trial.AddReader(record);
    std::string dir = ReaderDirectoryName(names, d);
    std::string full = FullPath(dir);
    int i = trial.FindDisplayName(d);
    std::string stem = dir + "\\" + ReaderFileName(d);
    trial.At(i).SetFileStem(stem);
    trial.At(i).SetGeneralNotesPath(FullPath(stem) + ".txt");
    const std::string notCreated =
        Say(ui_, TR_NOOP("Core", "The directory\n%1\ncould not be created, so the reader was not added."),
            {full});
    // An earlier directory of that name is taken over, as it always was.
    const bool exists = IsRealDirectory(full);
    if (!exists && EntryExists(full)) {
        ReportError(ui_, notCreated);
        return -1;
    }
    if (BaseDirectory().empty()) {
        // No reader file to record it in.
        if (!exists && !MakeDirectory(full)) {
            ReportError(ui_, notCreated);
            return -1;
        }
        readers_ = std::move(trial);
        return i;
    }
    // The directory and the record that names it come as one commit: the
    // directory is made under a name no reader has and renamed into place
    // with the reader file, so a crash never leaves a directory no reader lists.
    CFileTransaction commit(ReaderCommitRecordPath(BaseDirectory()));
    std::string made;
    if (!exists) {
        made = UnusedReaderDirectoryName(BaseDirectory(), kNewReaderDirectoryPrefix);
        if (!MakeDirectory(made)) {
            ReportError(ui_, notCreated);
            return -1;
        }
        commit.Rename(made, full);
    }
    const std::string readerFile = ReaderFilePath();
    try {
        PrepareReaderFileSave(BaseDirectory());
        commit.Write(readerFile, ReaderFileBytes(lastReader_, trial));
        commit.Commit();
    } catch (const CCommitPendingException& e) {
        // Decided: the next start completes it, and the user hears so.
        ReportError(ui_, SaveErrorMessage(e, e.fileName));
    } catch (const std::exception& e) {
        if (!made.empty()) ::rmdir(made.c_str());
        const auto* f = dynamic_cast<const CFileException*>(&e);
        ReportError(ui_, SaveErrorMessage(e, f && !f->fileName.empty() ? f->fileName : readerFile) +
                             "\nThe reader was not added.");
        return -1;
    }
    readers_ = std::move(trial);
    return i;
}

std::string CReaderEnvironment::ReaderDirectoryOf(const CReaderData& r) const {
    const std::string& stem = r.GetFileStem();
    size_t slash = stem.find_last_of('\\');
    if (slash == std::string::npos || slash == 0) return {};
    std::string dir = stem.substr(0, slash);
    // Only a single directory right below the base directory belongs to the reader.
    if (dir[0] != '\\' || dir.find_first_of("\\/", 1) != std::string::npos) return {};
    std::string name = dir.substr(1);
    if (name.empty() || name == "." || name == "..") return {};
    return dir;
}

int CReaderEnvironment::ModifyReader(const std::string& n, const ReaderNames& names) {
    int index = readers_.FindDisplayName(n);
    if (index < 0) {
        ReportError(ui_, Say(ui_, kNoReaderCalled, {n}));
        return -1;
    }
    if (std::string why = CheckRecordPaths(readers_.At(index), true); !why.empty()) {
        ReportError(ui_, why);
        return -1;
    }
    if (!Ask(ui_, Say(ui_, TR_NOOP("Core", "Are you sure you want to modify\nReader: %1?"), {n}))) return -1;
    CReaderData r = readers_.GetReaderAt(index);
    r.SetGeneralNotesPath(GeneralNotesPathHere(r));
    CReaderData t = r;
    t.SetFirstName(Trim(names.firstName));
    t.SetLastName(Trim(names.lastName));
    t.SetNickname(Trim(names.nickname));
    t.ClearApocrypha();
    if (t.GetFirstName() == r.GetFirstName() && t.GetLastName() == r.GetLastName() &&
        t.GetNickname() == r.GetNickname())
        return -1;
    if (std::string why = CheckReaderNames(names, n); !why.empty()) {
        ReportError(ui_, why + "\n" + kReaderNotChanged);
        return -1;
    }

    return CommitReaderChange(PlanReaderChange(r, t, names, n));
}

CReaderEnvironment::ReaderChange CReaderEnvironment::PlanReaderChange(const CReaderData& r,
                                                                      const CReaderData& changed,
                                                                      const ReaderNames& names,
                                                                      const std::string& n) const {
    ReaderChange c;
    c.readers = readers_;
    c.readers.RemoveReader(n);
    const std::string d = c.readers.AddReader(changed);
    c.index = c.readers.FindDisplayName(d);
    const std::string oldDir = ReaderDirectoryOf(r);
    const std::string newDir = ReaderDirectoryName(names, d);
    c.newFull = FullPath(newDir);
    c.oldFull = oldDir.empty() ? std::string() : FullPath(oldDir);
    c.movesDirectory = c.oldFull != c.newFull && !c.oldFull.empty() && EntryExists(c.oldFull);

    // The files carry the name the reader had when they were made, which is
    // not the display name once another reader with the same nick name came.
    const std::string oldName = StemFileName(r.GetFileStem());
    c.newName = ReaderFileName(d);
    CReaderData& record = c.readers.At(c.index);
    if (!c.oldFull.empty() && StartsWith(r.GetGeneralNotesPath(), c.oldFull + "/")) {
        std::string file = r.GetGeneralNotesPath().substr(c.oldFull.size() + 1);
        if (file == oldName + ".txt" && c.newName != oldName) file = c.newName + ".txt";
        record.SetGeneralNotesPath(c.newFull + "/" + file);
    }
    record.SetFileStem(newDir + "\\" + c.newName);

    if (c.newName != oldName && !oldName.empty()) {
        const std::string now = c.movesDirectory ? c.oldFull : c.newFull;
        for (const char* ext : {".vnnot", ".vnpln", ".vnpro", ".txt"}) {
            if (!EntryExists(now + "/" + oldName + ext)) continue;
            if (EntryExists(now + "/" + c.newName + ext)) {
                c.notRenamed += "\n" + oldName + ext;
                continue;
            }
            c.fileRenames.emplace_back(c.newFull + "/" + oldName + ext, c.newFull + "/" + c.newName + ext);
        }
    }
    return c;
}

int CReaderEnvironment::CommitReaderChange(ReaderChange c) {
    const std::string& newFull = c.newFull;
    // The renames and the reader file that records them are one commit: a
    // failure undoes the renames, a crash is finished at the next start.
    CFileTransaction commit(ReaderCommitRecordPath(BaseDirectory()));
    bool madeDirectory = false;
    if (c.oldFull != newFull) {
        // A link in place of the directory is renamed itself, never followed.
        if (c.movesDirectory) {
            if (EntryExists(newFull)) {
                ReportError(ui_,
                            Say(ui_,
                                TR_NOOP("Core", "The reader's directory cannot be renamed to\n%1\nbecause "
                                                "something of that name exists already. The reader was not "
                                                "changed."),
                                {newFull}));
                return -1;
            }
            commit.Rename(c.oldFull, newFull);
        } else if (!IsRealDirectory(newFull)) {
            if (!MakeDirectory(newFull)) {
                ReportError(ui_, Say(ui_,
                                     TR_NOOP("Core", "The directory\n%1\ncould not be created. The reader "
                                                     "was not changed."),
                                     {newFull}));
                return -1;
            }
            madeDirectory = true;
        }
    }
    for (auto& [from, to] : c.fileRenames)
        commit.Rename(from, to);

    // No other program may be saving into the directory while it moves.
    CDirectoryLock directoryLock;
    const std::string lockedDirectory = c.movesDirectory ? c.oldFull : newFull;
    if (IsRealDirectory(lockedDirectory) &&
        !directoryLock.Acquire(lockedDirectory, std::chrono::seconds(3), std::string())) {
        if (madeDirectory) ::rmdir(newFull.c_str());
        ReportError(ui_, directoryLock.RefusalMessage(lockedDirectory) + "\n" + kReaderNotChanged);
        return -1;
    }
    const std::string readerFile = ReaderFilePath();
    try {
        if (!BaseDirectory().empty()) {
            PrepareReaderFileSave(BaseDirectory());
            commit.Write(readerFile, ReaderFileBytes(lastReader_, c.readers));
        }
        commit.Commit();
    } catch (const CCommitPendingException& e) {
        // Decided: the next start completes it, and the user hears so.
        ReportError(ui_, SaveErrorMessage(e, e.fileName));
    } catch (const std::exception& e) {
        if (madeDirectory) ::rmdir(newFull.c_str());
        const auto* f = dynamic_cast<const CFileException*>(&e);
        ReportError(ui_, SaveErrorMessage(e, f && !f->fileName.empty() ? f->fileName : readerFile) + "\n" +
                             kReaderNotChanged);
        return -1;
    }
    readers_ = std::move(c.readers);
    if (!c.notRenamed.empty())
        ReportError(ui_, Say(ui_, TR_NOOP("Core", "These files in\n%1\ncould not be renamed to \"%2\":%3"),
                             {newFull, c.newName, c.notRenamed}));
    return c.index;
}

bool CReaderEnvironment::DeleteReader(const std::string& n) {
    int index = readers_.FindDisplayName(n);
    if (index < 0) {
        ReportError(ui_, Say(ui_, kNoReaderCalled, {n}));
        return false;
    }
    if (std::string why = CheckRecordPaths(readers_.At(index)); !why.empty()) {
        ReportError(ui_, why);
        return false;
    }
    if (!Ask(ui_, Say(ui_, TR_NOOP("Core", "Are you sure you want to delete\nReader: %1?"), {n})))
        return false;
    std::string dir = ReaderDirectoryOf(readers_.At(index));
    const bool deleteFiles =
        !dir.empty() &&
        Ask(ui_,
            Say(ui_, TR_NOOP("Core", "Do you want to delete all the files in the directory\n%1?"), {dir}));
    CReaderArray trial = readers_;
    trial.RemoveReader(n);
    const std::string full = dir.empty() ? std::string() : FullPath(dir);
    // Never pulled from under a program that is saving into it.
    CDirectoryLock directoryLock;
    if (deleteFiles && IsRealDirectory(full) &&
        !directoryLock.Acquire(full, std::chrono::seconds(3), std::string())) {
        ReportError(ui_, directoryLock.RefusalMessage(full) + "\n" +
                             TR_NOOP("Core", "The reader was not deleted."));
        return false;
    }
    // The directory is renamed away in the commit that drops the record, and
    // only then removed: a failure or a crash leaves the reader listed with
    // all its files, or gone with them (what is left of them goes at the next start).
    std::string aside;
    if (!BaseDirectory().empty()) {
        CFileTransaction commit(ReaderCommitRecordPath(BaseDirectory()));
        if (deleteFiles && IsRealDirectory(full)) {
            aside = UnusedReaderDirectoryName(BaseDirectory(), kDeletedReaderDirectoryPrefix);
            commit.Rename(full, aside);
        }
        const std::string readerFile = ReaderFilePath();
        try {
            PrepareReaderFileSave(BaseDirectory());
            commit.Write(readerFile, ReaderFileBytes(lastReader_, trial));
            commit.Commit();
        } catch (const CCommitPendingException& e) {
            // Decided: the next start completes it (and removes what is moved aside).
            ReportError(ui_, SaveErrorMessage(e, e.fileName));
            readers_ = std::move(trial);
            return true;
        } catch (const std::exception& e) {
            const auto* f = dynamic_cast<const CFileException*>(&e);
            ReportError(ui_, SaveErrorMessage(e, f && !f->fileName.empty() ? f->fileName : readerFile) +
                                 "\nThe reader was not deleted.");
            return false;
        }
    }
    readers_ = std::move(trial);
    const std::string removed = aside.empty() ? full : aside;
    if (deleteFiles && EntryExists(removed) && !DeleteDirectoryTree(removed)) {
        // What is left goes back under the name the user knows.
        if (removed != full && !EntryExists(full) && ::rename(removed.c_str(), full.c_str()) == 0)
            NoteFileOperation();
        ReportError(
            ui_, EntryExists(removed)
                     ? Say(ui_,
                           TR_NOOP("Core", "Not everything in the directory\n%1\ncould be deleted; what is "
                                           "left was kept in\n%2."),
                           {full, removed})
                     : Say(ui_,
                           TR_NOOP("Core", "Not everything in the directory\n%1\ncould be deleted; what is "
                                           "left was kept."),
                           {full}));
    }
    return true;
}

bool CReaderEnvironment::DeleteDirectoryTree(const std::string& path) {
    if (!IsRealDirectory(path)) return false;
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return false;
    bool ok = true;
    std::vector<std::string> names;
    while (dirent* e = ::readdir(dir)) {
        if (e->d_name[0] == '.') {
            // Names beginning with a dot are kept, so the directory stays.
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") ok = false;
            continue;
        }
        names.emplace_back(e->d_name);
    }
    ::closedir(dir);
    for (const std::string& name : names) {
        std::string full = path + "/" + name;
        if (IsRealDirectory(full)) {
            ok = DeleteDirectoryTree(full) && ok;
        } else if (::unlink(full.c_str()) != 0) {
            ok = false;
        } else {
            NoteFileOperation();
        }
    }
    if (::rmdir(path.c_str()) != 0) return false;
    NoteFileOperation();
    return ok;
}

bool CReaderEnvironment::SelectReader(int index) {
    if (index < 0 || index >= readers_.GetCount()) return false;
    if (std::string why = CheckRecordPaths(readers_.At(index)); !why.empty()) {
        ReportError(ui_, why);
        return false;
    }
    current_ = readers_.GetReaderAt(index);
    // Stored for this base directory when the reader file is next written.
    current_.SetGeneralNotesPath(GeneralNotesPathHere(current_));
    currentDisplayName_ = current_.GetDisplayName();
    context_.displayName = currentDisplayName_;
    context_.fileStem = current_.GetFileStem();
    context_.generalNotesPath = current_.GetGeneralNotesPath();
    return true;
}

std::string CReaderEnvironment::GeneralNotesPathHere(const CReaderData& r) const {
    const std::string& path = r.GetGeneralNotesPath();
    const std::string dir = ReaderDirectoryOf(r);
    if (path.empty() || dir.empty() || BaseDirectory().empty()) return path;
    const std::string holder = ParentDirectory(path), file = FileNameOf(path);
    if (FileNameOf(holder) != dir.substr(1) || file.empty() || file == "." || file == "..") return path;
    const std::string otherBase = ParentDirectory(holder);
    if (otherBase == BaseDirectory() ||
        (!RealPath(otherBase).empty() && RealPath(otherBase) == RealPath(BaseDirectory())))
        return path;
    return FullPath(dir) + "/" + file;
}

bool CReaderEnvironment::GeneralNotesFileExists() const {
    // Anything in its place counts, so that opening it says why it cannot be read.
    struct stat st {};
    return !context_.generalNotesPath.empty() && ::stat(context_.generalNotesPath.c_str(), &st) == 0;
}

int CReaderEnvironment::SlotForWindowTitle(const std::string& windowTitle) {
    switch (windowTitle.size()) {
    case 4:
        return kReadingPlanSlot;
    case 5:
        return kVerseNotesSlot;
    case 7:
        return kGeneralNotesSlot;
    default:
        return 0;
    }
}

void CReaderEnvironment::StorePlacement(int slot, const std::optional<WindowPlacement>& placement) {
    current_.SetPlacement(slot, placement.value_or(WindowPlacement{}));
}

void CReaderEnvironment::StoreCurrentReader() {
    if (!IsOpen()) return;
    // The general notes document may have recorded a new path through the context.
    current_.SetGeneralNotesPath(context_.generalNotesPath);
    int i = readers_.FindDisplayName(currentDisplayName_);
    if (i >= 0) readers_.At(i) = current_;
}

void CReaderEnvironment::FinishClose() {
    StoreCurrentReader();
    lastReader_ = currentDisplayName_;
    currentDisplayName_.clear();
    context_.displayName.clear();
    context_.fileStem.clear();
    context_.generalNotesPath.clear();
}
