// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/DirectoryLock.h"
#include "framework/CommandMap.h"
#include "framework/DocTemplate.h"
#include "reader/ReaderEnvironment.h"
#include "shell/QtUiServices.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

#include "MainFrame.h"
class CDailyRhythm;
class CReadingPlanDoc;
class CSelectReaderDialog;
class QPrinter;
class QSettings;

// The program's root: settings, the reader environments, the document types
// and the main window, and the commands that belong to none of the windows.
class CSyncWatcher;

class CScrivaneApp : public QObject {
    Q_OBJECT
public:
    CScrivaneApp();
    ~CScrivaneApp() override;

    // Start-up; args are the command line after the program's name. False
    // when the program cannot start (the main window or the named file
    // failed); the user was told why.
    bool InitInstance(const QStringList& args);

    CReaderEnvironment& Environment() { return env_; }
    CQtUiServices& Ui() { return ui_; }
    CMainFrame* MainFrame() const { return mainFrame_; }
    CDocTemplate* DocumentType(int resourceId) const;
    QPrinter& Printer();
    QSettings& Settings() { return *settings_; }

    void OpenReaderEnvironment();
    // Opens the environment of the reader closed last, without asking (start with the desktop session).
    bool OpenLastReaderEnvironment();
    // Whether a start without a file reopens the reader last open (the Select Reader dialog's setting).
    bool OpenReaderAtStart() const;
    // The open environment's reading plan, or null.
    CReadingPlanDoc* EnvironmentPlan() const;
    CDailyRhythm* DailyRhythm() const { return rhythm_.get(); }
    void CloseReaderEnvironment();
    void NewReadingPlanTemplate();
    void OnAppAbout();
    void OnFilePrintSetup();
    void OnFileOpen();
    // File > Import Reading List: a day-by-day list made into a text import.
    void OnImportReadingList();
    // A later start's arguments, handed over by it: its file opens here, and the window comes to the front.
    void OnAnotherStart(const QStringList& args);
    // Opens a file with the document type of its extension; null on failure.
    CDocument* OpenDocumentFile(const std::string& path);
    // A plan template (.vntpl) given to open goes to the template editor; false for any other file.
    bool OpenInTemplateEditor(const std::string& path);

    // The reader file in the base directory.
    void LoadReaderFile();
    bool SaveReaderFile();

    QStringList RecentFiles() const { return recent_; }
    void AddToRecentFiles(const QString& path);

private:
    void MapCommands();
    void OnMainFrameClose();
    void OpenEnvironmentDocument(CDocTemplate& type, const std::string& path);
    void OpenEnvironmentDocuments();
    // Takes the current reader's directory for this program; false (the user told, nothing open) when another
    // holds it.
    bool LockCurrentReader();
    // Other computers: the open reader's files, saved before a merge and read again after one.
    void SaveEnvironmentDocuments();
    void ReloadEnvironmentDocuments();
    void OnSyncWithOtherComputers();
    bool IsEnvironmentDocument(const CDocument* doc) const;
    // The files every open document but except holds.
    std::vector<std::string> FilesHeldByOthers(const CDocument* except) const;
    // Documents opened beside the environment that hold one of its files
    // close (and save) before the environment opens its own.
    void CloseDocumentsInTheWay();

    CQtUiServices ui_;
    CReaderEnvironment env_{ui_};
    std::unique_ptr<QSettings> settings_;
    std::vector<std::unique_ptr<CDocTemplate>> types_;
    QPointer<CMainFrame> mainFrame_;
    std::unique_ptr<QPrinter> printer_;
    CCommandMap target_;
    CSelectReaderDialog* selectDialog_ = nullptr;
    // The documents the open environment opened for itself.
    std::vector<CDocument*> environmentDocuments_;
    QStringList recent_;
    QObject* splashFilter_ = nullptr;
    std::unique_ptr<CDailyRhythm> rhythm_;
    CSyncWatcher* sync_ = nullptr;
    // Held from start-up to exit, and while an environment is open.
    CDirectoryLock baseLock_;
    CDirectoryLock readerLock_;
};
