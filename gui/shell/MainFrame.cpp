// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainFrame.h"

#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/HelpService.h"
#include "framework/LockKeys.h"
#include "framework/MdiChildFrame.h"
#include "framework/ResourceIcon.h"
#include "framework/TextConvert.h"
#include "framework/Translation.h"
#include "framework/WindowLayout.h"
#include "resources/CommandTable.h"
#include "resources/Resources.h"
#include "rhythm/RhythmMenus.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include "SplashWindow.h"

namespace {

// The command table's strings, with those of the daily rhythm, which adds its commands here.
QString Prompt(int id) {
    const char* rhythm = RhythmCommandPrompt(id);
    const char* prompt = rhythm ? rhythm : CommandPrompt(id);
    return *prompt ? QCoreApplication::translate("Command", prompt) : QString();
}

// The menu bars of the command table; the plan's carry the daily rhythm's items too.
const std::vector<MenuNode>& MenuBar(int resourceId) {
    static const std::vector<MenuNode> plan = WithDailyRhythm(MenuResource(129));
    return resourceId == 129 || resourceId == kPassageMenu ? plan : MenuResource(resourceId);
}

QString StatusText(int id) {
    return Prompt(id).section('\n', 0, 0);
}

QString ToolTipText(int id) {
    QString s = Prompt(id);
    return s.contains('\n') ? s.section('\n', 1) : s;
}

constexpr const char* kIdProperty = "commandId";

constexpr const char* kFirstStepsText = QT_TRANSLATE_NOOP(
    "CMainFrame",
    "<h2 align=\"center\">Welcome to Scrivane</h2>"
    "<p>Two steps, and you can start reading:</p>"
    "<ol><li>Choose <b>File &gt; Open Reader Environment</b>, then <b>New Reader</b>, and give your "
    "name.</li>"
    "<li>Choose <b>Reading Plan &gt; New Plan from Gallery</b> and pick a plan, such as "
    "<i>Bible in one year</i>.</li></ol>"
    "<p>Today's reading then waits for you in the plan window.</p>");

// Undo and Redo as the plan names them: "&Undo" alone, or with the step they would take back.
QString UndoRedoText(const std::string& text) {
    for (const char* word : {QT_TRANSLATE_NOOP("Menu", "&Undo"), QT_TRANSLATE_NOOP("Menu", "&Redo")}) {
        const std::string w = word;
        if (text.compare(0, w.size(), w) != 0) continue;
        if (text.size() == w.size()) return QCoreApplication::translate("Menu", word);
        if (text[w.size()] == ' ')
            return (w == "&Undo" ? CMainFrame::tr("&Undo %1") : CMainFrame::tr("&Redo %1"))
                .arg(TrCore(text.substr(w.size() + 1)));
    }
    return TrCore(text);
}

// A menu item's text in the reader's language; the shortcut after the tab stays the English one,
// which is what the key binding reads.
QString MenuText(const std::string& english) {
    QString text = QCoreApplication::translate("Menu", english.c_str()).section('\t', 0, 0);
    if (const size_t tab = english.find('\t'); tab != std::string::npos)
        text += '\t' + QString::fromStdString(english.substr(tab + 1));
    return text;
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    InitScrivaneResources();
    setObjectName("mainFrame");
    setWindowTitle("Scrivane");
    setWindowIcon(AppIcon());
    mdi_ = new QMdiArea;
    mdi_->setObjectName("mdiArea");
    // Each window keeps the state its reader left it in.
    mdi_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);
    CreateToolBar();
    CreateStatusBar();
    MapFrameCommands();
    ShowMenu(128);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { OnActiveFrameChanged(); });
    // Documents change under commands and dialogs; keep the toolbar's states fresh.
    auto* idle = new QTimer(this);
    idle->setInterval(250);
    connect(idle, &QTimer::timeout, this, [this] {
        UpdateCommandUi();
        UpdateLockKeyPanes();
    });
    idle->start();
    // 800 × 600 where the screen has room for it; a small or scaled screen gets what it has, less
    // the window manager's title bar.
    QSize size(800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(0, 40));
    resize(size);
}

CMainFrame::~CMainFrame() {
    // Sub-windows closing while the frame goes away must not route commands
    // to views and documents that are being destroyed.
    disconnect(mdi_, nullptr, this, nullptr);
    mdi_->viewport()->removeEventFilter(this);
}

QAction* CMainFrame::MakeAction(const QString& text, int id) {
    auto* a = new QAction(text, this);
    a->setProperty(kIdProperty, id);
    // The id again where the enabled-state updates read it often: data() is a plain member.
    a->setData(id);
    a->setStatusTip(StatusText(id));
    connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
    return a;
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(tr("Toolbar"), this);
    toolBar_->setObjectName("59392");
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    QPixmap strip(":/images/toolbar.png");
    int image = 0;
    for (int id : ToolbarButtons()) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = MakeAction(ToolTipText(id), id);
        a->setToolTip(ToolTipText(id));
        // Buttons added after the strip was drawn have a picture of their own.
        if (const QString own = QString(":/images/command%1.png").arg(id); QFile::exists(own))
            a->setIcon(QIcon(own));
        else
            a->setIcon(QIcon(strip.copy(image++ * 16, 0, 16, 15)));
        toolBar_->addAction(a);
        toolBarActions_.push_back(a);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("59393");
    idleText_ = new QLabel(QCoreApplication::translate("Command", kIdleStatusText));
    idleText_->setObjectName("messagePane");
    bar->addWidget(idleText_, 1);
    // A message (what a change recorded) becomes the bar's name, which a screen reader is told of.
    bar->setAccessibleName(QCoreApplication::translate("Accessibility", "Status bar"));
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        bar->setAccessibleName(message.isEmpty() ? QCoreApplication::translate("Accessibility", "Status bar")
                                                 : message);
    });
    for (const char* key : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(key);
        pane->setObjectName(key);
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance("SCRL") + 10);
        pane->setEnabled(false);
        lockPanes_.push_back(pane);
        bar->addPermanentWidget(pane);
    }
}

void CMainFrame::UpdateLockKeyPanes() {
    // A lock key that is off, or a window system that does not say, shows its name greyed.
    std::optional<std::array<bool, 3>> on = LockKeyStates();
    for (size_t i = 0; i < lockPanes_.size() && i < 3; ++i)
        lockPanes_[i]->setEnabled(on && (*on)[i]);
}

void CMainFrame::MapFrameCommands() {
    target_.MapCommand(Cmd::ViewToolbar, [this] { toolBar_->setVisible(!toolBar_->isVisible()); });
    target_.MapUpdate(Cmd::ViewToolbar, [this](CCmdUI& ui) { ui.SetCheck(toolBar_->isVisible()); });
    target_.MapCommand(Cmd::ViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    target_.MapUpdate(Cmd::ViewStatusBar, [this](CCmdUI& ui) { ui.SetCheck(statusBar()->isVisible()); });
    auto hasWindows = [this] { return !mdi_->subWindowList().isEmpty(); };
    target_.MapCommand(
        Cmd::WindowCascade, [this] { ArrangeWindows(false); }, hasWindows);
    target_.MapCommand(
        Cmd::WindowTile, [this] { ArrangeWindows(true); }, hasWindows);
    target_.MapCommand(
        Cmd::WindowArrange,
        [this] {
            // Lines the minimized windows up along the bottom edge.
            int x = 0;
            for (QMdiSubWindow* w : mdi_->subWindowList())
                if (w->isMinimized()) {
                    w->move(x, mdi_->viewport()->height() - w->height());
                    x += w->width();
                }
        },
        hasWindows);
    target_.MapCommand(
        Cmd::NextPane, [this] { mdi_->activateNextSubWindow(); }, hasWindows);
    target_.MapCommand(
        Cmd::PreviousPane, [this] { mdi_->activatePreviousSubWindow(); }, hasWindows);
    target_.MapCommand(Cmd::HelpFinder, [] { CHelpService::Instance().ShowIndex(); });
    target_.MapCommand(Cmd::ContextHelp, [] { QWhatsThis::enterWhatsThisMode(); });
    auto windowHelp = [this] {
        CMdiChildFrame* f = ActiveFrame();
        CHelpService::Instance().ShowTopic(HelpIdForResource(f ? f->ResourceId() : 128));
    };
    target_.MapCommand(Cmd::Help, windowHelp);
    target_.MapCommand(Cmd::DefaultHelp, windowHelp);
}

void CMainFrame::ArrangeWindows(bool tile) {
    // Qt's own tiling and cascading ignore the windows' minimum sizes and push
    // them out of the client area, or shrink the plan window to its bars.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::StackingOrder))
        if (!w->isMinimized() && w->isVisible()) windows << w;
    std::vector<WindowSize> minimums;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized()) w->showNormal();
        QSize m = w->minimumSize().expandedTo(w->minimumSizeHint());
        minimums.push_back({m.width(), m.height()});
    }
    const QSize area = mdi_->viewport()->size();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.value(0));
    const std::vector<WindowRect> rects = tile
                                              ? TileWindows(minimums, {area.width(), area.height()})
                                              : CascadeWindows(minimums, {area.width(), area.height()}, step);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const WindowRect& r = rects[static_cast<size_t>(i)];
        windows[i]->setGeometry(r.x, r.y, r.width, r.height);
    }
    if (!tile && !windows.isEmpty()) mdi_->setActiveSubWindow(windows.back());
}

QMenu* CMainFrame::BuildMenu(const MenuNode& popup, std::vector<QAction*>& actions) {
    auto* menu = new QMenu(MenuText(popup.text), this);
    for (const MenuNode& item : popup.children) {
        if (item.IsSeparator()) {
            menu->addSeparator();
        } else if (item.IsPopup()) {
            menu->addMenu(BuildMenu(item, actions));
        } else if (item.id == Cmd::FileMru1) {
            // Filled when the menu opens.
            QAction* a = MakeAction(MenuText(item.text), item.id);
            a->setObjectName("recentFiles");
            menu->addAction(a);
            actions.push_back(a);
        } else {
            QString text = MenuText(item.text);
            QAction* a = MakeAction(text.section('\t', 0, 0), item.id);
            if (text.contains('\t')) a->setShortcut(QKeySequence(text.section('\t', 1)));
            if (item.id == Cmd::ViewToolbar || item.id == Cmd::ViewStatusBar) a->setCheckable(true);
            menu->addAction(a);
            actions.push_back(a);
        }
    }
    const bool windowMenu = std::any_of(popup.children.begin(), popup.children.end(),
                                        [](const MenuNode& n) { return n.id == Cmd::WindowCascade; });
    connect(menu, &QMenu::aboutToShow, this, [this, menu, windowMenu] {
        FillRecentFiles(menu);
        if (windowMenu) FillWindowList(menu);
        UpdateCommandUi();
    });
    return menu;
}

void CMainFrame::FillWindowList(QMenu* menu) {
    for (QAction* a : menu->actions())
        if (a->property("windowList").toBool()) {
            menu->removeAction(a);
            a->deleteLater();
        }
    QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    QAction* separator = menu->addSeparator();
    separator->setProperty("windowList", true);
    int n = 1;
    for (QMdiSubWindow* w : windows) {
        QAction* a = menu->addAction(QString("&%1 %2").arg(n++).arg(w->windowTitle()));
        a->setProperty("windowList", true);
        a->setCheckable(true);
        a->setChecked(w == mdi_->currentSubWindow());
        QPointer<QMdiSubWindow> target = w;
        connect(a, &QAction::triggered, this, [this, target] {
            if (!target) return;
            if (target->isMinimized()) target->showNormal();
            mdi_->setActiveSubWindow(target);
        });
    }
}

void CMainFrame::FillRecentFiles(QMenu* menu) {
    QList<QAction*> items = menu->actions();
    QAction* anchor = nullptr;
    for (QAction* a : items) {
        int id = a->property(kIdProperty).toInt();
        if (id == Cmd::FileMru1 && a->objectName() == "recentFiles") anchor = a;
        if (id > Cmd::FileMru1 && id <= Cmd::FileMru4) {
            menu->removeAction(a);
            a->deleteLater();
        }
    }
    if (!anchor) return;
    QStringList files = recentFiles ? recentFiles() : QStringList();
    if (files.isEmpty()) {
        anchor->setText(MenuText("Recent File"));
        anchor->setVisible(true);
        return;
    }
    anchor->setText(QString("&1 %1").arg(files[0]));
    // The item after the first entry as the menu now stands: the entries of the
    // last opening are gone, and one of them would put the new ones at the end.
    QList<QAction*> remaining = menu->actions();
    int index = remaining.indexOf(anchor);
    QAction* before = index + 1 < remaining.size() ? remaining[index + 1] : nullptr;
    for (int i = 1; i < files.size() && i < 4; ++i) {
        QAction* a = MakeAction(QString("&%1 %2").arg(i + 1).arg(files[i]), Cmd::FileMru1 + i);
        menu->insertAction(before, a);
    }
}

void CMainFrame::ShowMenu(int resourceId) {
    if (resourceId == currentMenu_) return;
    auto it = menuSets_.find(resourceId);
    if (it == menuSets_.end()) {
        MenuBarSet set;
        for (const MenuNode& popup : MenuBar(resourceId))
            set.menus.push_back(BuildMenu(popup, set.actions));
        // Keys of the shortcut table that no item of this menu bar shows.
        QList<QKeySequence> shown;
        for (QAction* a : set.actions)
            if (!a->shortcut().isEmpty()) shown << a->shortcut();
        for (const Accelerator& acc :
             AcceleratorTable(resourceId == 129 || resourceId == kPassageMenu ? resourceId : 128)) {
            QKeySequence key(acc.key);
            if (shown.contains(key)) continue;
            QAction* a = MakeAction(QString(), acc.id);
            a->setShortcut(key);
            a->setShortcutContext(Qt::WindowShortcut);
            set.accelerators.push_back(a);
        }
        it = menuSets_.emplace(resourceId, std::move(set)).first;
    }
    if (auto old = menuSets_.find(currentMenu_); old != menuSets_.end())
        for (QAction* a : old->second.accelerators)
            removeAction(a);
    menuBar()->clear();
    for (QMenu* m : it->second.menus)
        menuBar()->addMenu(m);
    for (QAction* a : it->second.accelerators)
        addAction(a);
    currentMenu_ = resourceId;
}

CMdiChildFrame* CMainFrame::ActiveFrame() const {
    return qobject_cast<CMdiChildFrame*>(mdi_->currentSubWindow());
}

CMainFrame::ActivationBatch::ActivationBatch(CMainFrame* frame) : frame_(frame) {
    if (frame_) ++frame_->activationBatches_;
}

CMainFrame::ActivationBatch::~ActivationBatch() {
    if (!frame_ || --frame_->activationBatches_ != 0 || !frame_->activationPending_) return;
    frame_->OnActiveFrameChanged();
}

void CMainFrame::OnActiveFrameChanged() {
    activationPending_ = activationBatches_ != 0;
    if (activationPending_) return;
    CMdiChildFrame* f = ActiveFrame();
    ShowMenu(f ? f->ResourceId() : 128);
    UpdateTitle();
    UpdateCommandUi();
}

QString CMainFrame::WantedTitle() const {
    CMdiChildFrame* f = ActiveFrame();
    return f ? "Scrivane - " + f->windowTitle() : QString("Scrivane");
}

void CMainFrame::UpdateTitle() {
    if (windowTitle() != WantedTitle()) setWindowTitle(WantedTitle());
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A maximized document window writes its own title into this one's
    // ("... - [title]"), which would name it twice, or name a window that is
    // no longer the active one.
    if (event->type() == QEvent::WindowTitleChange && mdi_ && !settingTitle_) {
        settingTitle_ = true;
        UpdateTitle();
        settingTitle_ = false;
    }
}

bool CMainFrame::OnCommand(int id) {
    CMdiChildFrame* f = ActiveFrame();
    // Ctrl+F4 closes a window opened beside the environment; the environment's own ignore it.
    if (id == Cmd::CloseDocumentWindow && f && f->Closable()) {
        f->close();
        return true;
    }
    bool handled = RouteCommand({f ? f->View() : nullptr, f ? f->Document() : nullptr,
                                 f ? f->Target() : nullptr, &target_, appTarget_},
                                id);
    // The command may have closed the window itself.
    ScheduleCommandUiUpdate();
    return handled;
}

void CMainFrame::ScheduleCommandUiUpdate() {
    if (commandUiPending_) return;
    commandUiPending_ = true;
    QTimer::singleShot(0, this, [this] {
        commandUiPending_ = false;
        UpdateCommandUi();
    });
}

void CMainFrame::UpdateCommandUi() {
    CMdiChildFrame* f = ActiveFrame();
    auto update = [&](QAction* a) {
        int id = a->data().toInt();
        if (id == 0) return;
        CCmdUI ui;
        bool handled = RouteUpdate({f ? f->View() : nullptr, f ? f->Document() : nullptr,
                                    f ? f->Target() : nullptr, &target_, appTarget_},
                                   id, ui);
        a->setEnabled(handled && ui.enabled);
        // Undo and Redo name what they would do; a shortcut-only action keeps no text.
        if (handled && !ui.text.empty() && !a->text().isEmpty()) a->setText(UndoRedoText(ui.text));
        if (a->isCheckable()) a->setChecked(ui.checked);
    };
    for (QAction* a : toolBarActions_)
        update(a);
    if (auto it = menuSets_.find(currentMenu_); it != menuSets_.end()) {
        for (QAction* a : it->second.actions)
            update(a);
        for (QAction* a : it->second.accelerators)
            update(a);
        for (QMenu* m : it->second.menus)
            for (QAction* a : m->actions())
                if (a->data().toInt() > Cmd::FileMru1) update(a);
    }
    UpdateTitle();
    UpdateFirstSteps();
}

void CMainFrame::UpdateFirstSteps() {
    const bool show = showFirstSteps && mdi_->subWindowList().isEmpty() && showFirstSteps();
    // The welcome's text, in three faces, takes longer to lay out than the rest of the window:
    // it follows the window's first paint.
    if (show && !firstSteps_ && !painted_) return;
    if (show && !firstSteps_) {
        // Made when first needed: most starts have a reader, and laying out its rich text
        // costs a start that shows no welcome.
        firstSteps_ = new QLabel(tr(kFirstStepsText), mdi_->viewport());
        firstSteps_->setObjectName("firstSteps");
        firstSteps_->setTextFormat(Qt::RichText);
        firstSteps_->setWordWrap(true);
        firstSteps_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if (show) {
        // A readable column in the middle of the empty client area.
        const QRect area = mdi_->viewport()->rect();
        const int width = std::min(area.width() - 40, 560);
        // One layout of the text at its width; adjustSize() would try several.
        firstSteps_->setFixedSize(std::max(width, 100), firstSteps_->heightForWidth(std::max(width, 100)));
        firstSteps_->move((area.width() - firstSteps_->width()) / 2,
                          std::max(0, (area.height() - firstSteps_->height()) / 3));
    }
    if (firstSteps_) firstSteps_->setVisible(show);
}

void CMainFrame::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, [this] { UpdateFirstSteps(); });
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize) UpdateFirstSteps();
    return QMainWindow::eventFilter(watched, event);
}

QAction* CMainFrame::FindAction(int id) const {
    if (auto it = menuSets_.find(currentMenu_); it != menuSets_.end()) {
        for (QAction* a : it->second.actions)
            if (a->property(kIdProperty).toInt() == id) return a;
        for (QAction* a : it->second.accelerators)
            if (a->property(kIdProperty).toInt() == id) return a;
    }
    return ToolBarAction(id);
}

QAction* CMainFrame::ToolBarAction(int id) const {
    for (QAction* a : toolBarActions_)
        if (a->property(kIdProperty).toInt() == id) return a;
    return nullptr;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (onClose) onClose();
    event->accept();
}
