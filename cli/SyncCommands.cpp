// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliLock.h"
#include "CliText.h"
#include "CliUiServices.h"

#include "foundation/BaseDirectory.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "journal/Journal.h"
#include "reader/ReaderEnvironment.h"
#include "reader/ReaderFile.h"
#include "sync/Sync.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace {

constexpr const char* kLinkUsage =
    "reader link NAME FOLDER [--join|--add-mine] [--base DIR] | reader unlink NAME [--base DIR]";
constexpr const char* kSyncUsage = "sync [--base DIR] [READER...] | sync status [--base DIR]";

// The base directory's readers, read as the windows read them.
struct Readers {
    CCliUiServices ui;
    CReaderEnvironment env;
    Readers(std::ostream& err) : ui(err, false), env(ui) {}
};

bool OpenReaders(Readers& r, const std::string& base, std::ostream& err) {
    r.env.SetBaseDirectory(base);
    try {
        ReadReaderFile(base, r.env.LastReader(), r.env.Readers());
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(LoadErrorMessage(e, r.env.ReaderFilePath())) << "\n";
        return false;
    }
    r.env.MakeDisplayNamesUnique();
    return true;
}

const CReaderData* FindReader(const Readers& r, const std::string& name) {
    for (int i = 0; i < r.env.Readers().GetCount(); ++i)
        if (r.env.Readers().At(i).GetDisplayName() == name) return &r.env.Readers().At(i);
    return nullptr;
}

std::string Absolute(const std::string& path) {
    std::error_code ec;
    std::string s = std::filesystem::absolute(path, ec).lexically_normal().string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return ec ? path : s;
}

} // namespace

// reader link / reader unlink, reached from the reader command.
int ReaderLink(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CliArgs words;
    std::string base = DefaultBaseDirectory();
    bool join = false, addMine = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (CliOption(args[i], "--join"))
            join = true;
        else if (CliOption(args[i], "--add-mine"))
            addMine = true;
        else if (CliOption(args[i], "--base") && i + 1 < args.size())
            base = args[++i];
        else
            words.push_back(args[i]);
    }
    const bool link = !words.empty() && words[0] == "link";
    if (words.size() != (link ? 3u : 2u) || (join && addMine) || (!link && (join || addMine)) || base.empty())
        return UsageError(err, kLinkUsage);
    base = Absolute(base);
    Readers readers(err);
    if (!OpenReaders(readers, base, err)) return 1;
    const CReaderData* reader = FindReader(readers, words[1]);
    if (!reader) {
        err << "scrivane-cli: there is no reader named '" << CliMessage(words[1]) << "'\n";
        return 1;
    }
    const SyncPaths paths = SyncPathsOf(readers.env, *reader);
    CDirectoryLock lock;
    if (!LockForCommand(lock, paths.readerDirectory, true, err)) return 1;
    if (!link) {
        if (!ReadSyncLink(paths.readerDirectory)) {
            err << "scrivane-cli: '" << CliMessage(words[1]) << "' is not linked to a sync folder\n";
            return 1;
        }
        RemoveSyncLink(paths.readerDirectory);
        out << "unlinked\t" << CliField(words[1]) << '\n';
        return 0;
    }
    const std::string folder = Absolute(words[2]);
    std::string problem;
    const std::vector<SharedReader> shared = FindSharedReaders(folder, &problem);
    if (!problem.empty()) {
        err << "scrivane-cli: " << CliMessage(problem) << "\n";
        return 1;
    }
    SharedReader names{
        {}, reader->GetDisplayName(), reader->GetFirstName(), reader->GetLastName(), reader->GetNickname()};
    LinkMode mode = LinkMode::share;
    if (join || addMine) {
        // The shared reader of the same name, or the only one there.
        const SharedReader* found = nullptr;
        for (const SharedReader& s : shared)
            if (s.displayName == reader->GetDisplayName()) found = &s;
        if (!found && shared.size() == 1) found = &shared[0];
        if (!found) {
            err << "scrivane-cli: " << CliMessage(folder) << " holds no reader named '"
                << CliMessage(reader->GetDisplayName()) << "' to join\n";
            return 1;
        }
        names = *found;
        mode = join ? LinkMode::join : LinkMode::addMine;
    } else {
        for (const SharedReader& s : shared)
            if (s.displayName == reader->GetDisplayName()) {
                err << "scrivane-cli: " << CliMessage(folder) << " already holds a reader named '"
                    << CliMessage(s.displayName) << "'; join it with --join or --add-mine\n";
                return 2;
            }
    }
    std::string backup;
    if (const std::string why = LinkReader(paths, folder, mode, names, DeviceId(), &backup); !why.empty()) {
        err << "scrivane-cli: " << CliMessage(why) << "\n";
        return 1;
    }
    const SyncResult result = Synchronize(paths, DeviceId());
    for (const std::string& s : result.skipped)
        err << "scrivane-cli: " << CliMessage(s) << "\n";
    out << "linked\t" << CliField(names.id.empty() ? ReadSyncLink(paths.readerDirectory)->readerId : names.id)
        << '\t' << CliField(folder) << '\n';
    if (!backup.empty()) out << "kept\t" << CliField(backup) << '\n';
    if (!result.ok) {
        err << "scrivane-cli: " << CliMessage(result.problem) << "\n";
        return 1;
    }
    return 0;
}

namespace {

int Sync(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CliArgs names;
    std::string base = DefaultBaseDirectory();
    bool status = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (CliOption(args[i], "--base") && i + 1 < args.size())
            base = args[++i];
        else if (i == 0 && args[i] == "status")
            status = true;
        else
            names.push_back(args[i]);
    }
    if (base.empty() || (status && !names.empty())) return UsageError(err, kSyncUsage);
    base = Absolute(base);
    Readers readers(err);
    if (!OpenReaders(readers, base, err)) return 1;
    for (const std::string& n : names)
        if (!FindReader(readers, n)) {
            err << "scrivane-cli: there is no reader named '" << CliMessage(n) << "'\n";
            return 1;
        }
    int exit = 0;
    for (int i = 0; i < readers.env.Readers().GetCount(); ++i) {
        const CReaderData& r = readers.env.Readers().At(i);
        if (!names.empty() && std::find(names.begin(), names.end(), r.GetDisplayName()) == names.end())
            continue;
        const SyncPaths paths = SyncPathsOf(readers.env, r);
        const std::optional<SyncLink> link = ReadSyncLink(paths.readerDirectory);
        if (!link) {
            if (status) out << CliField(r.GetDisplayName()) << "\tnot linked\n";
            if (!names.empty()) {
                err << "scrivane-cli: '" << CliMessage(r.GetDisplayName())
                    << "' is not linked to a sync folder\n";
                exit = 1;
            }
            continue;
        }
        if (status) {
            std::string problem;
            const bool there = DirectoryExists(link->folder + "/" + link->readerId);
            out << CliField(r.GetDisplayName()) << '\t' << CliField(link->folder) << '\t'
                << (there ? "reachable" : "unreachable") << '\n';
            continue;
        }
        CDirectoryLock lock;
        if (!LockForCommand(lock, paths.readerDirectory, true, err)) return 1;
        const SyncResult result = Synchronize(paths, DeviceId());
        for (const std::string& s : result.skipped)
            err << "scrivane-cli: " << CliMessage(s) << "\n";
        if (!result.ok) {
            err << "scrivane-cli: " << CliMessage(r.GetDisplayName() + ": " + result.problem) << "\n";
            exit = 1;
            continue;
        }
        // Under the reader's name, one line a computer: its entries, its newest date, the readings new now.
        out << "reader\t" << CliField(r.GetDisplayName()) << '\n';
        for (const DeviceReport& d : result.devices)
            out << CliField(d.device) << '\t' << d.entries << '\t' << CliField(d.lastTime.substr(0, 10))
                << '\t' << d.newReadings << '\n';
    }
    return exit;
}

CliRegistration syncCommand("sync", Sync, kSyncUsage);

} // namespace
