// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppRhythmHost.h"

#include "MainFrame.h"
#include "ScrivaneApp.h"
#include "framework/DocTemplate.h"
#include "framework/MdiChildFrame.h"
#include "plan/ReadingPlanDoc.h"

#include <QMdiArea>

namespace {

class CAppRhythmHost : public CRhythmHost {
public:
    explicit CAppRhythmHost(CScrivaneApp& app) : app_(app) {}

    QSettings& Settings() override { return app_.Settings(); }
    IUiServices& Ui() override { return app_.Ui(); }
    std::string BaseDirectory() const override { return app_.Environment().BaseDirectory(); }
    CReaderContext Reader() const override { return app_.Environment().Context(); }
    QWidget* DialogParent() const override { return app_.MainFrame(); }

    void BringForward(CReadingPlanDoc* plan) override {
        CMainFrame* frame = app_.MainFrame();
        if (!frame) return;
        if (frame->isMinimized()) frame->showNormal();
        frame->show();
        frame->raise();
        frame->activateWindow();
        CDocTemplate* type = app_.DocumentType(129);
        if (!plan || !type) return;
        if (CMdiChildFrame* child = type->FrameOf(plan)) {
            if (child->isMinimized()) child->showNormal();
            frame->MdiArea()->setActiveSubWindow(child);
        }
    }

    void CommandsChanged() override {
        if (app_.MainFrame()) app_.MainFrame()->UpdateCommandUi();
    }

    void Quit() override {
        if (app_.MainFrame()) app_.MainFrame()->close();
    }

private:
    CScrivaneApp& app_;
};

} // namespace

std::unique_ptr<CRhythmHost> MakeRhythmHost(CScrivaneApp& app) {
    return std::make_unique<CAppRhythmHost>(app);
}
