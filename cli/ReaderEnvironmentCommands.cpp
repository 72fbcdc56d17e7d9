// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliLock.h"
#include "CliText.h"
#include "CliUiServices.h"

#include "foundation/BaseDirectory.h"
#include "foundation/ErrorMessages.h"
#include "reader/ReaderEnvironment.h"
#include "reader/ReaderFile.h"

#include <filesystem>
#include <ostream>

int ReaderLink(const CliArgs& args, std::ostream& out, std::ostream& err);

namespace {

constexpr const char* kUsage =
    "reader new NICK FIRST LAST [--minimized plan,verses,notes] | reader edit NAME NICK FIRST LAST --yes | "
    "reader delete NAME --yes [--keep-files] | reader link NAME FOLDER [--join|--add-mine] | "
    "reader unlink NAME (each with --base DIR)";

// The questions of the reader flows: yes with --yes, but the question about
// the reader's files no with --keep-files.
class CReaderCliUi : public CCliUiServices {
public:
    CReaderCliUi(std::ostream& err, bool yes, bool keepFiles)
        : CCliUiServices(err, yes), keepFiles_(keepFiles) {}
    int MessageBox(const MessageBoxRequest& request) override {
        if (request.buttons == MbButtons::yesNo && ++questions_ == 2 && keepFiles_) return IDNO;
        return CCliUiServices::MessageBox(request);
    }
    // New readers' windows are laid out for a main window of this client size.
    std::pair<int, int> MainFrameClientSize() override { return {800, 600}; }

private:
    bool keepFiles_;
    int questions_ = 0;
};

// The reader file keeps full general notes paths, which must not depend on
// the directory a later program starts in.
std::string AbsoluteBase(const std::string& base) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(base, ec).lexically_normal();
    if (ec) return base;
    std::string s = p.string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

int Reader(const CliArgs& args, std::ostream& out, std::ostream& err) {
    CliArgs words;
    std::string base = DefaultBaseDirectory(), minimized;
    bool yes = false, keepFiles = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (CliOption(args[i], "--yes")) {
            yes = true;
        } else if (CliOption(args[i], "--keep-files")) {
            keepFiles = true;
        } else if ((CliOption(args[i], "--base") || CliOption(args[i], "--minimized")) &&
                   i + 1 < args.size()) {
            (CliOption(args[i], "--base") ? base : minimized) = args[i + 1];
            ++i;
        } else {
            words.push_back(args[i]);
        }
    }
    if (!words.empty() && (words[0] == "link" || words[0] == "unlink")) return ReaderLink(args, out, err);
    if (words.empty() || base.empty()) return UsageError(err, kUsage);
    base = AbsoluteBase(base);
    const std::string& verb = words[0];
    const size_t wanted = verb == "new" ? 4 : verb == "edit" ? 5 : verb == "delete" ? 2 : 0;
    if (wanted == 0 || words.size() != wanted) return UsageError(err, kUsage);

    CReaderCliUi ui(err, yes, keepFiles);
    CReaderEnvironment env(ui);
    env.SetBaseDirectory(base);
    // The reader file and the reader directories change under the base directory's lock.
    // The usual place is made on first use; a directory named with --base must be there.
    if (std::string why = base == DefaultBaseDirectory() ? MakeBaseDirectory(base) : std::string();
        !why.empty()) {
        err << "scrivane-cli: " << CliMessage(why) << "\n";
        return 1;
    }
    CDirectoryLock lock;
    if (!LockForCommand(lock, base, true, err)) return 1;
    if (std::string why; !RecoverReaderCommit(base, &why)) {
        err << "scrivane-cli: " << CliMessage(why) << "\n";
        return 1;
    }
    try {
        // A damaged reader file is left alone: nothing is written over it.
        ReadReaderFile(base, env.LastReader(), env.Readers());
    } catch (const std::exception& e) {
        err << "scrivane-cli: " << CliMessage(LoadErrorMessage(e, env.ReaderFilePath())) << "\n";
        return 1;
    }
    env.MakeDisplayNamesUnique();

    int index = -1;
    if (verb == "new") {
        ReaderOptions options;
        for (size_t start = 0; start <= minimized.size() && !minimized.empty();) {
            size_t comma = minimized.find(',', start);
            std::string w =
                minimized.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            if (w == "plan")
                options.readingPlan = false;
            else if (w == "verses")
                options.verseNotes = false;
            else if (w == "notes")
                options.generalNotes = false;
            else
                return UsageError(err, "--minimized takes plan, verses and notes");
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        index = env.CreateReader({words[2], words[3], words[1]}, options);
    } else if (verb == "edit") {
        index = env.ModifyReader(words[1], {words[3], words[4], words[2]});
    } else if (env.DeleteReader(words[1])) {
        index = 0;
    }
    // Each flow has written the reader file in the commit that made its change.
    if (index < 0 || ui.Declined()) return 1;
    if (verb != "delete") {
        const CReaderData& r = env.Readers().At(index);
        out << CliField(r.GetDisplayName()) << '\t' << CliField(r.GetFileStem()) << '\t'
            << CliField(r.GetGeneralNotesPath()) << '\n';
    }
    return ui.ErrorShown() ? 1 : 0;
}

CliRegistration readerCommand("reader", Reader, kUsage);

} // namespace
