// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CommandMap.h"
#include "reader/ReaderData.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <functional>

class QAction;

class CDocument;
class CView;

// A document window inside the main window. The windows of an environment
// have no working close box and no Close command: they are closed by the
// environment commands, which call CloseFrame. A window opened beside the
// environment is closable: its close asks onCloseRequest to close its document.
class CMdiChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CMdiChildFrame(int resourceId, const QIcon& icon);
    ~CMdiChildFrame() override;

    // The document type's resource: it picks the menu bar and the shortcut table.
    int ResourceId() const { return resourceId_; }

    // Puts the view into the window; frames with a bar wrap it.
    void SetView(QWidget* widget, CView* view, CDocument* document);
    QWidget* ViewWidget() const { return viewWidget_; }
    CView* View() const { return view_; }
    CDocument* Document() const { return document_; }
    CCmdTarget* Target() { return &target_; }

    // The window's place as the reader record keeps it: its normal rectangle
    // in the main window's client area and whether it is minimized or maximized.
    WindowPlacement GetPlacement() const;
    void SetPlacement(const WindowPlacement& placement);

    // Sets the title bar's buttons; the client area resets them when it takes the window.
    void ApplyWindowFlags();

    // Moves and cuts the window into the client area, no smaller than its minimum.
    void FitIntoArea();

    // Closes the window for good (the environment is closing).
    void CloseFrame();

    // A closable window has a close box and a Close item in its window menu.
    void SetClosable(bool closable);
    bool Closable() const { return closable_; }
    // Run, after the close was asked for, to close the document with its window.
    std::function<void()> onCloseRequest;

protected:
    // Wraps the view in the frame's own widget, with the frame's bars.
    virtual QWidget* WrapView(QWidget* view) { return view; }
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RememberNormalGeometry();

    int resourceId_;
    QPointer<QWidget> viewWidget_;
    CView* view_ = nullptr;
    CDocument* document_ = nullptr;
    CCommandMap target_;
    QRect normal_;
    bool closing_ = false;
    bool closable_ = false;
    QPointer<QAction> closeAction_;
};
