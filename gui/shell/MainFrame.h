// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/CommandMap.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class CMdiChildFrame;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
struct MenuNode;

// The main window: menu bar, toolbar, status bar and the client area that
// holds the document windows. Commands from menus, toolbar and shortcuts go
// to the active view, its document, its window, this window and the
// application, in that order.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return mdi_; }
    QToolBar* ToolBar() const { return toolBar_; }
    CMdiChildFrame* ActiveFrame() const;
    // The menu bar shown: 128, or the active document type's.
    int CurrentMenu() const { return currentMenu_; }
    // The action of a command in the current menu bar, toolbar or shortcut table.
    QAction* FindAction(int id) const;
    QAction* ToolBarAction(int id) const;

    // The application's command target, last in the route.
    void SetAppTarget(CCmdTarget* target) { appTarget_ = target; }
    // Run when the window is about to close (the environment closes, the
    // reader file is written).
    std::function<void()> onClose;
    // The recent-file list shown in the general notes File menu.
    std::function<QStringList()> recentFiles;
    // True while there is no reader yet: the empty client area then shows the first steps.
    std::function<bool()> showFirstSteps;
    // Null until it was first shown.
    QLabel* FirstStepsText() const { return firstSteps_; }

    // Routes a command; false when nothing handles it.
    bool OnCommand(int id);
    // Asks the route for every visible command's state.
    void UpdateCommandUi();
    // One update after the current event, however many commands asked for it.
    void ScheduleCommandUiUpdate();

    // The one title: the program's and the active document window's.
    QString WantedTitle() const;

    // While one lives, windows that become active leave the menus, title and
    // commands as they are; they follow the window left active at its end.
    // Windows opened or closed together so switch the menu bar once.
    class ActivationBatch {
    public:
        explicit ActivationBatch(CMainFrame* frame);
        ~ActivationBatch();
        ActivationBatch(const ActivationBatch&) = delete;
        ActivationBatch& operator=(const ActivationBatch&) = delete;

    private:
        QPointer<CMainFrame> frame_;
    };

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateLockKeyPanes();
    void UpdateTitle();
    // Window > Tile and Window > Cascade, inside the client area.
    void ArrangeWindows(bool tile);
    void CreateToolBar();
    void CreateStatusBar();
    void ShowMenu(int resourceId);
    QMenu* BuildMenu(const MenuNode& popup, std::vector<QAction*>& actions);
    void FillRecentFiles(QMenu* menu);
    // The open document windows at the end of the Window menu.
    void FillWindowList(QMenu* menu);
    void OnActiveFrameChanged();
    void MapFrameCommands();
    QAction* MakeAction(const QString& text, int id);

    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* idleText_ = nullptr;
    QLabel* firstSteps_ = nullptr;
    bool painted_ = false;
    void UpdateFirstSteps();
    std::vector<QLabel*> lockPanes_;
    bool commandUiPending_ = false;
    std::vector<QAction*> toolBarActions_;
    struct MenuBarSet {
        std::vector<QMenu*> menus;
        std::vector<QAction*> actions;      // every command item, submenus included
        std::vector<QAction*> accelerators; // keys no item shows
    };
    std::map<int, MenuBarSet> menuSets_;
    int currentMenu_ = 0;
    CCommandMap target_;
    CCmdTarget* appTarget_ = nullptr;
    bool settingTitle_ = false;
    int activationBatches_ = 0;
    bool activationPending_ = false;
};
