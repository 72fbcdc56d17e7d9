// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScrivaneApp.h"

#include "AboutDialog.h"
#include "AppRhythmHost.h"
#include "DocumentTypes.h"
#include "MainFrame.h"
#include "PlanChildFrame.h"
#include "SelectReaderDialog.h"
#include "SplashWindow.h"
#include "TemplateEditorLauncher.h"
#include "coverage/CoverageCommands.h"
#include "coverage/CoverageFrame.h"
#include "coverage/ReadingHistoryFrame.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "foundation/Translatable.h"
#include "framework/AppPrinter.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/DocumentFiles.h"
#include "framework/HelpService.h"
#include "framework/IconCachingStyle.h"
#include "framework/MdiChildFrame.h"
#include "framework/TextConvert.h"
#include "framework/Theme.h"
#include "framework/Translation.h"
#include "gallery/ReadingList.h"
#include "notes/BibleNoteDoc.h"
#include "notes/GeneralNoteDoc.h"
#include "notes/NotePrinting.h"
#include "plan/ReadingPlanDoc.h"
#include "plan/TemplateFile.h"
#include "reader/ReaderFile.h"
#include "resources/Resources.h"
#include "rhythm/Autostart.h"
#include "rhythm/DailyRhythm.h"
#include "rhythm/RhythmSettings.h"
#include "sync/SyncDialog.h"
#include "sync/SyncWatcher.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int kRecentFileCount = 4;
const QString kOpenReaderAtStartKey = QStringLiteral("Settings/OpenReaderAtStart");
} // namespace

CScrivaneApp::CScrivaneApp() {
    InitScrivaneResources();
    ui_.parentWindow = [this]() -> QWidget* { return mainFrame_; };
    // Long enough to be read, short enough not to be taken for the state of a later moment.
    ui_.statusText = [this](const QString& text) {
        if (mainFrame_) mainFrame_->statusBar()->showMessage(text, 20000);
    };
    ui_.clientSize = [this] {
        if (!mainFrame_) return std::pair<int, int>{800, 600};
        QSize s = mainFrame_->MdiArea()->viewport()->size();
        return std::pair<int, int>{s.width(), s.height()};
    };
    MapCommands();
}

CScrivaneApp::~CScrivaneApp() {
    for (auto& t : types_)
        t->CloseAllDocuments();
    if (splashFilter_) qApp->removeEventFilter(splashFilter_);
    delete mainFrame_;
    SetApplicationPrinter({});
}

bool CScrivaneApp::InitInstance(const QStringList& args) {
    CIconCachingStyle::Install();
    ApplyTheme(RememberedTheme());
    CSplashWindow::EnableSplash(true);
    splashFilter_ = new CSplashFilter(this);
    qApp->installEventFilter(splashFilter_);

    settings_ =
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Brennoch", "Scrivane");
    // Read, but the canon has no Apocrypha, so the preference stays 0.
    (void)settings_->value("Settings/Apocrypha", 0).toInt();
    for (int i = 1; i <= kRecentFileCount; ++i) {
        QString f = settings_->value(QString("Recent File List/File%1").arg(i)).toString();
        if (!f.isEmpty()) recent_ << f;
    }

    QString base = QDir::currentPath();
    if (base.isEmpty()) base = settings_->value("Settings/Path").toString();
    env_.SetBaseDirectory(FromQ(base));
    SetReaderSettingsBase(env_.BaseDirectory());
    // One program at a time changes the reader file and the readers' directories.
    if (!baseLock_.Acquire(env_.BaseDirectory(), std::chrono::seconds(3), "Scrivane") &&
        !baseLock_.Holder().empty()) {
        ReportError(ui_, "Scrivane cannot start in\n" + env_.BaseDirectory() + "\nbecause " +
                             baseLock_.Holder() +
                             " is using the readers kept there. Close it first, then start Scrivane again.");
        return false;
    }
    if (std::string why; !RecoverReaderCommit(env_.BaseDirectory(), &why)) ReportError(ui_, why);
    LoadReaderFile();

    types_ = MakeDocumentTypes(
        ui_, env_, [this](const std::string& path) { AddToRecentFiles(ToQ(path)); },
        [this](const CDocument* doc) { return FilesHeldByOthers(doc); });
    SetApplicationPrinter([this]() -> QPrinter& { return Printer(); });

    mainFrame_ = new CMainFrame;
    mainFrame_->SetAppTarget(&target_);
    mainFrame_->onClose = [this] { OnMainFrameClose(); };
    mainFrame_->recentFiles = [this] { return recent_; };
    mainFrame_->showFirstSteps = [this] { return env_.Readers().GetCount() == 0; };

    rhythm_ = std::make_unique<CDailyRhythm>(MakeRhythmHost(*this));
    rhythm_->MapCommands(target_);

    bool fileGiven = false;
    for (const QString& arg : args) {
        if (arg.startsWith('-')) continue;
        if (OpenInTemplateEditor(FromQ(arg))) {
            fileGiven = true;
            break;
        }
        if (!OpenDocumentFile(FromQ(arg))) return false;
        fileGiven = true;
        break;
    }
    // Started with the desktop session: minimised, with the last reader's plan open.
    if (args.contains(kAutostartArgument)) {
        CSplashWindow::ShowNow(mainFrame_);
        mainFrame_->showMinimized();
        OpenLastReaderEnvironment();
    } else {
        // The window is there, painted, before the splash and before the reader's files are read.
        CSplashWindow::ShowSplash(mainFrame_);
        mainFrame_->show();
        mainFrame_->repaint();
        // Each day starts where the last one ended, unless a file was asked for instead.
        if (!fileGiven && OpenReaderAtStart()) OpenLastReaderEnvironment();
    }
    selectDialog_ = nullptr;
    return true;
}

void CScrivaneApp::MapCommands() {
    for (const auto& entry :
         {std::pair{Cmd::ThemeDesktop, Theme::desktop}, std::pair{Cmd::ThemeLight, Theme::light},
          std::pair{Cmd::ThemeDark, Theme::dark}, std::pair{Cmd::ThemeHighContrast, Theme::highContrast}}) {
        // A copy, not a structured binding: clang 14 cannot capture those.
        const Theme theme = entry.second;
        target_.MapCommand(entry.first, [theme] { ApplyTheme(theme); });
        target_.MapUpdate(entry.first, [theme](CCmdUI& ui) { ui.SetCheck(RememberedTheme() == theme); });
    }
    target_.MapCommand(Cmd::OpenReaderEnvironment, [this] { OpenReaderEnvironment(); });
    target_.MapCommand(
        Cmd::CloseReaderEnvironment, [this] { CloseReaderEnvironment(); }, [this] { return env_.IsOpen(); });
    target_.MapCommand(Cmd::NewReadingPlanTemplate, [this] { NewReadingPlanTemplate(); });
    target_.MapCommand(Cmd::AppAbout, [this] { OnAppAbout(); });
    auto exit = [this] {
        if (mainFrame_) mainFrame_->close();
    };
    target_.MapCommand(Cmd::AppExitFramework, exit);
    target_.MapCommand(Cmd::AppExit, exit);
    target_.MapCommand(Cmd::FileOpen, [this] { OnFileOpen(); });
    target_.MapCommand(Cmd::FilePrintSetup, [this] { OnFilePrintSetup(); });
    target_.MapCommand(Cmd::ImportReadingList, [this] { OnImportReadingList(); });
    // They work on the open environment's plan, from whichever window is active.
    auto hasPlan = [this] { return EnvironmentPlan() != nullptr; };
    target_.MapCommand(
        Cmd::ViewBibleCoverage,
        [this] {
            CReadingPlanDoc* plan = EnvironmentPlan();
            if (plan && mainFrame_) ShowBibleCoverage(mainFrame_->MdiArea(), *plan);
        },
        hasPlan);
    target_.MapCommand(
        Cmd::ViewReadingHistory,
        [this] {
            CReadingPlanDoc* plan = EnvironmentPlan();
            if (plan && mainFrame_) CReadingHistoryFrame::Open(mainFrame_->MdiArea(), *plan);
        },
        hasPlan);
    target_.MapCommand(
        Cmd::SyncWithOtherComputers, [this] { OnSyncWithOtherComputers(); }, hasPlan);
    target_.MapCommand(
        Cmd::NewPlanFromUnreadChapters,
        [this] {
            if (CReadingPlanDoc* plan = EnvironmentPlan())
                RunNewPlanFromUnreadChapters(mainFrame_, *plan, env_.Context(), *settings_);
        },
        hasPlan);
    for (int i = 0; i < kRecentFileCount; ++i)
        target_.MapCommand(
            Cmd::FileMru1 + i,
            [this, i] {
                if (i < recent_.size()) OpenDocumentFile(FromQ(recent_[i]));
            },
            [this, i] { return i < recent_.size(); });
}

CDocTemplate* CScrivaneApp::DocumentType(int resourceId) const {
    for (const auto& t : types_)
        if (t->ResourceId() == resourceId) return t.get();
    return nullptr;
}

QPrinter& CScrivaneApp::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

void CScrivaneApp::OpenEnvironmentDocument(CDocTemplate& type, const std::string& path) {
    // Placed before it is shown, a window lays out its contents once, at its own size.
    const int slot = CReaderEnvironment::SlotForWindowTitle(type.GetDocString(CDocTemplate::windowTitle));
    CDocument* doc = type.OpenDocumentFile(path, mainFrame_->MdiArea(), slot == 0);
    if (!doc) return;
    environmentDocuments_.push_back(doc);
    if (!path.empty()) AddToRecentFiles(ToQ(path));
    if (CMdiChildFrame* frame = type.FrameOf(doc); frame && slot) {
        frame->SetPlacement(env_.CurrentReader().GetPlacement(slot));
        if (frame->isHidden()) frame->show();
    }
}

bool CScrivaneApp::IsEnvironmentDocument(const CDocument* doc) const {
    return std::find(environmentDocuments_.begin(), environmentDocuments_.end(), doc) !=
           environmentDocuments_.end();
}

std::vector<std::string> CScrivaneApp::FilesHeldByOthers(const CDocument* except) const {
    std::vector<std::string> files;
    for (const auto& t : types_)
        for (CDocument* doc : t->Documents())
            if (doc != except)
                for (std::string& f : doc->HeldFiles())
                    files.push_back(std::move(f));
    return files;
}

void CScrivaneApp::CloseDocumentsInTheWay() {
    std::vector<std::pair<CDocTemplate*, CDocument*>> beside;
    std::vector<std::string> paths;
    for (const auto& t : types_)
        for (CDocument* doc : t->Documents())
            if (!IsEnvironmentDocument(doc)) {
                beside.emplace_back(t.get(), doc);
                paths.push_back(doc->GetPathName());
            }
    for (size_t i : DocumentsInTheWay(paths, EnvironmentFiles(env_.Context())))
        beside[i].first->CloseDocument(beside[i].second);
}

void CScrivaneApp::OpenReaderEnvironment() {
    // The open environment stays open while the reader chooses: Cancel, or the same reader, keeps it.
    const bool wasOpen = env_.IsOpen();
    CSelectReaderDialog dialog(env_, mainFrame_);
    dialog.SetChooseOnly(wasOpen);
    dialog.SetOpenAtStart(OpenReaderAtStart());
    dialog.SetLanguage(settings_->value(kLanguageSetting).toString());
    selectDialog_ = &dialog;
    int result = dialog.exec();
    selectDialog_ = nullptr;
    if (result != QDialog::Accepted) return;
    if (dialog.OpenAtStart() != OpenReaderAtStart())
        settings_->setValue(kOpenReaderAtStartKey, dialog.OpenAtStart());
    if (dialog.Language() != settings_->value(kLanguageSetting).toString())
        settings_->setValue(kLanguageSetting, dialog.Language());
    if (wasOpen) {
        const std::string chosen = dialog.ChosenName();
        if (chosen == env_.CurrentDisplayName()) return;
        CloseReaderEnvironment();
        const int index = env_.Readers().FindDisplayName(chosen);
        if (index < 0 || !env_.SelectReader(index)) return;
    }
    if (!env_.IsOpen()) return;
    if (!LockCurrentReader()) return;
    OpenEnvironmentDocuments();
}

bool CScrivaneApp::LockCurrentReader() {
    // The reader's files are this program's until the environment closes.
    const std::string directory = ParentDirectory(JoinStem(env_.BaseDirectory(), env_.Context().fileStem));
    if (!readerLock_.Acquire(directory, std::chrono::seconds(3), "Scrivane") &&
        !readerLock_.Holder().empty()) {
        ReportError(ui_, readerLock_.RefusalMessage(directory) + "\n" +
                             std::string(TR_NOOP("Core", "The reader environment was not opened.")));
        env_.FinishClose();
        mainFrame_->UpdateCommandUi();
        return false;
    }
    return true;
}

bool CScrivaneApp::OpenReaderAtStart() const {
    return !settings_ || settings_->value(kOpenReaderAtStartKey, true).toBool();
}

bool CScrivaneApp::OpenLastReaderEnvironment() {
    if (env_.IsOpen()) CloseReaderEnvironment();
    const int last = env_.LastReaderIndex();
    if (last < 0 || !env_.SelectReader(last)) return false;
    if (!LockCurrentReader()) return false;
    OpenEnvironmentDocuments();
    return true;
}

CReadingPlanDoc* CScrivaneApp::EnvironmentPlan() const {
    // Asked while the environment closes too (the command states follow every window that goes),
    // when the list may still name documents already closed: only a live plan document is looked at.
    CDocTemplate* type = DocumentType(129);
    if (!type) return nullptr;
    for (CDocument* doc : type->Documents())
        if (std::find(environmentDocuments_.begin(), environmentDocuments_.end(), doc) !=
            environmentDocuments_.end())
            return static_cast<CReadingPlanDoc*>(doc);
    return nullptr;
}

void CScrivaneApp::OpenEnvironmentDocuments() {
    CMainFrame::ActivationBatch batch(mainFrame_);
    CloseDocumentsInTheWay();
    if (settings_) AdoptUnkeyedReaderSettings(*settings_, env_.Context().fileStem);
    CDocTemplate* general = DocumentType(132);
    CDocTemplate* verses = DocumentType(131);
    CDocTemplate* plan = DocumentType(129);
    if (general)
        OpenEnvironmentDocument(*general,
                                env_.GeneralNotesFileExists() ? env_.Context().generalNotesPath : "");
    if (verses) OpenEnvironmentDocument(*verses, "");
    if (plan) OpenEnvironmentDocument(*plan, "");
    if (rhythm_) rhythm_->EnvironmentOpened(EnvironmentPlan());
    mainFrame_->UpdateCommandUi();
    if (!sync_) {
        CSyncWatcher::Hooks hooks;
        hooks.paths = [this]() -> std::optional<SyncPaths> {
            if (!env_.IsOpen() || environmentDocuments_.empty()) return std::nullopt;
            return SyncPathsOf(env_, env_.CurrentReader());
        };
        hooks.save = [this] { SaveEnvironmentDocuments(); };
        hooks.reload = [this] { ReloadEnvironmentDocuments(); };
        hooks.renumber = [this] {
            for (CDocument* doc : environmentDocuments_) {
                if (auto* plan = dynamic_cast<CReadingPlanDoc*>(doc)) plan->JournalWrittenElsewhere();
                if (auto* verses = dynamic_cast<CBibleNoteDoc*>(doc)) verses->JournalWrittenElsewhere();
            }
        };
        hooks.status = [this](const QString& text) {
            if (mainFrame_) mainFrame_->statusBar()->showMessage(text, 20000);
            // Heard too: readings that arrived are a change to the plan the reader is looking at.
            CReadingPlanDoc* plan = EnvironmentPlan();
            CDocTemplate* type = DocumentType(129);
            if (auto* frame = plan && type ? dynamic_cast<CPlanChildFrame*>(type->FrameOf(plan)) : nullptr)
                frame->Announce(text);
        };
        sync_ = new CSyncWatcher(std::move(hooks), this);
    }
    sync_->Start();
}

void CScrivaneApp::SaveEnvironmentDocuments() {
    for (CDocument* doc : environmentDocuments_) {
        if (auto* plan = dynamic_cast<CReadingPlanDoc*>(doc))
            plan->SaveDirtyFiles();
        else if (auto* verses = dynamic_cast<CBibleNoteDoc*>(doc))
            verses->SaveVerseNotes();
        else if (auto* general = dynamic_cast<CGeneralNoteDoc*>(doc))
            general->SaveIfModified();
    }
}

void CScrivaneApp::ReloadEnvironmentDocuments() {
    // What the other computers brought is in the files now: each window reads them again.
    for (CDocument* doc : environmentDocuments_) {
        if (auto* plan = dynamic_cast<CReadingPlanDoc*>(doc)) {
            plan->OnNewDocument();
            plan->UpdateAllViews(nullptr, kHintFirstUnfinished);
        } else if (auto* verses = dynamic_cast<CBibleNoteDoc*>(doc)) {
            verses->OnNewDocument();
            verses->UpdateAllViews(nullptr);
        } else if (auto* general = dynamic_cast<CGeneralNoteDoc*>(doc)) {
            general->OpenForEnvironment();
            general->UpdateAllViews(nullptr);
        }
    }
    if (mainFrame_) mainFrame_->UpdateCommandUi();
}

void CScrivaneApp::OnSyncWithOtherComputers() {
    if (!env_.IsOpen() || !sync_) return;
    const CReaderData& r = env_.CurrentReader();
    CSyncDialog dialog(
        SyncPathsOf(env_, r), {{}, r.GetDisplayName(), r.GetFirstName(), r.GetLastName(), r.GetNickname()},
        [this] { return sync_->SyncNow(); }, mainFrame_);
    const bool wasLinked = ReadSyncLink(SyncPathsOf(env_, r).readerDirectory).has_value();
    dialog.exec();
    // Newly linked: the windows read the files and the journal again, so that Undo stops at the link.
    if (!wasLinked && ReadSyncLink(SyncPathsOf(env_, r).readerDirectory)) ReloadEnvironmentDocuments();
    // Linked or unlinked in the dialog: watched from now on, or no longer.
    sync_->Start();
}

void CScrivaneApp::CloseReaderEnvironment() {
    CMainFrame::ActivationBatch batch(mainFrame_);
    // The last changes go to the sync folder before the windows do.
    if (sync_) {
        sync_->SyncNow();
        sync_->Stop();
    }
    // The windows that show the environment's plan go before it does.
    if (mainFrame_) {
        CCoverageFrame::CloseAll(mainFrame_->MdiArea());
        CReadingHistoryFrame::CloseAll(mainFrame_->MdiArea());
    }
    for (const auto& type : types_) {
        std::string title = type->GetDocString(CDocTemplate::windowTitle);
        if (title.empty()) continue;
        // The environment's own documents, not a file opened beside it, which
        // may come first; one of its own left open would go on reading and
        // writing the files of whichever reader opens next.
        std::vector<CDocument*> own;
        for (CDocument* doc : type->Documents())
            if (std::find(environmentDocuments_.begin(), environmentDocuments_.end(), doc) !=
                environmentDocuments_.end())
                own.push_back(doc);
        if (own.empty()) continue;
        CMdiChildFrame* frame = type->FrameOf(own.front());
        if (int slot = CReaderEnvironment::SlotForWindowTitle(title))
            env_.StorePlacement(slot, frame ? std::optional(frame->GetPlacement()) : std::nullopt);
        for (CDocument* doc : own)
            type->CloseDocument(doc);
    }
    environmentDocuments_.clear();
    if (rhythm_) rhythm_->EnvironmentClosed();
    env_.FinishClose();
    readerLock_.Release();
    if (mainFrame_) mainFrame_->UpdateCommandUi();
}

void CScrivaneApp::NewReadingPlanTemplate() {
    RunTemplateEditor(nullptr, env_.ApocryphaPreference());
}

void CScrivaneApp::OnAppAbout() {
    CAboutDialog dialog(mainFrame_);
    dialog.exec();
}

void CScrivaneApp::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), mainFrame_);
    dialog.exec();
}

void CScrivaneApp::OnFileOpen() {
    FileDialogRequest request;
    request.open = true;
    for (const auto& t : types_)
        request.filter +=
            t->GetDocString(CDocTemplate::filterName) + "|*" + t->GetDocString(CDocTemplate::filterExt) + "|";
    request.filter += "All Files (*.*)|*||";
    request.startDirectory = env_.BaseDirectory();
    if (std::optional<std::string> path = ui_.ChooseFile(request)) OpenDocumentFile(*path);
}

CDocument* CScrivaneApp::OpenDocumentFile(const std::string& path) {
    // A file that is open already gets its window back instead of a second
    // document that would write over the first one's changes.
    for (const auto& t : types_) {
        for (CDocument* doc : t->Documents()) {
            if (!HoldsFile(doc->HeldFiles(), path)) continue;
            if (CMdiChildFrame* frame = t->FrameOf(doc)) {
                if (frame->isMinimized()) frame->showNormal();
                mainFrame_->MdiArea()->setActiveSubWindow(frame);
            }
            return doc;
        }
    }
    for (const auto& t : types_) {
        if (!t->MatchesFile(path)) continue;
        CDocument* doc = t->OpenDocumentFile(path, mainFrame_->MdiArea(), true);
        if (!doc) return nullptr;
        AddToRecentFiles(ToQ(path));
        // A window beside the environment is the user's to close.
        if (CMdiChildFrame* frame = t->FrameOf(doc)) {
            frame->SetClosable(true);
            frame->onCloseRequest = [type = t.get(), doc] { type->CloseDocument(doc); };
        }
        return doc;
    }
    ReportError(ui_, path + "\n" + TR_NOOP("Core", "Scrivane does not know how to open this kind of file."));
    return nullptr;
}

void CScrivaneApp::OnAnotherStart(const QStringList& args) {
    if (!mainFrame_) return;
    QStringList files;
    for (const QString& arg : args)
        if (!arg.startsWith('-')) files << arg;
    // The desktop session starting the program again while it runs changes nothing.
    if (files.isEmpty() && args.contains(kAutostartArgument)) return;
    mainFrame_->setWindowState(mainFrame_->windowState() & ~Qt::WindowMinimized);
    mainFrame_->show();
    mainFrame_->raise();
    mainFrame_->activateWindow();
    if (!files.isEmpty() && !OpenInTemplateEditor(FromQ(files.front())))
        OpenDocumentFile(FromQ(files.front()));
}

bool CScrivaneApp::OpenInTemplateEditor(const std::string& path) {
    if (TemplateFormOf(path) != TemplateForm::archive) return false;
    // Once the main window shows, so that the editor opens over it and the start goes on.
    QTimer::singleShot(0, mainFrame_,
                       [this, path] { RunTemplateEditor(nullptr, env_.ApocryphaPreference(), path); });
    return true;
}

void CScrivaneApp::AddToRecentFiles(const QString& path) {
    QString full = QFileInfo(path).absoluteFilePath();
    // Every environment opens its general notes through here: the list
    // unchanged, the settings file is not rewritten.
    if (!recent_.isEmpty() && recent_.front() == full) return;
    recent_.removeAll(full);
    recent_.prepend(full);
    while (recent_.size() > kRecentFileCount)
        recent_.removeLast();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QString key = QString("Recent File List/File%1").arg(i + 1);
        if (i < recent_.size())
            settings_->setValue(key, recent_[i]);
        else
            settings_->remove(key);
    }
}

void CScrivaneApp::OnMainFrameClose() {
    if (env_.IsOpen()) CloseReaderEnvironment();
    SaveReaderFile();
    // The help window would keep the program running on its own.
    if (QTextBrowser* help = CHelpService::Instance().Browser()) help->close();
    if (settings_) settings_->sync();
}

void CScrivaneApp::LoadReaderFile() {
    ReaderFileLoad result = ::LoadReaderFile(env_.BaseDirectory(), env_.LastReader(), env_.Readers());
    if (result.ok) {
        env_.MakeDisplayNamesUnique();
        return;
    }
    std::string next =
        result.unreadable
            ? "Nothing was moved or changed, and Scrivane will not write over it. Scrivane starts with no "
              "readers; readers created now will not be kept."
        : result.keptAside.empty()
            ? "It could not be moved aside either, so Scrivane will not write over it. Readers "
              "created now will not be kept."
            : "It has been kept as\n" + result.keptAside + ".\nScrivane starts with no readers.";
    ReportError(ui_, result.message + "\n\n" + env_.ReaderFilePath() + " could not be read.\n" + next);
}

bool CScrivaneApp::SaveReaderFile() {
    try {
        ::SaveReaderFile(env_.BaseDirectory(), env_.LastReader(), env_.Readers());
        return true;
    } catch (const std::exception& e) {
        ReportError(ui_, SaveErrorMessage(e, env_.ReaderFilePath()));
        return false;
    }
}

void CScrivaneApp::OnImportReadingList() {
    const std::string dir = env_.BaseDirectory();
    FileDialogRequest open{true, "", "", kReadingListFilter, dir, TR_NOOP("Core", "Import Reading List")};
    std::optional<std::string> in = ui_.ChooseFile(open);
    if (!in || in->empty()) return;
    // Saved where New Plan from Gallery finds the reader's own plans.
    FileDialogRequest save{false,
                           "txt",
                           FileTitle(*in) + " plan.txt",
                           "Text Import (*.txt)|*.txt||",
                           dir,
                           TR_NOOP("Core", "Save the Plan As")};
    std::optional<std::string> out = ui_.ChooseFile(save);
    if (!out || out->empty()) return;
    long days = ::ImportReadingList(ui_, *in, *out, std::nullopt, false);
    if (days > 0) ui_.MessageBox({ImportedListMessage(days, *out), MbButtons::ok, MbIcon::information, 0});
}
