#pragma once
#include "CommandMap.h"
#include "reader/ReaderData.h"

#include <QMdiSubWindow>
#include <QPointer>

class CDocument;
class CView;

// A document window inside the main window. It has no working close box and
// no Close command: the documents of an environment are closed by the
// environment commands, which call CloseFrame.
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

    // Closes the window for good (the environment is closing).
    void CloseFrame();

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
};
