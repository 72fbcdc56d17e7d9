// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDocument;
class CMdiChildFrame;
class CView;
class QMdiArea;
class QWidget;

// What a view factory makes: the widget that goes into the frame, and the
// view's command target (null for a view that handles no commands).
struct ViewParts {
    QWidget* widget = nullptr;
    CView* view = nullptr;
};

// A document type: its string resource and how to make its document, its
// frame and its view. It owns its open documents.
class CDocTemplate {
public:
    enum DocString {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<CMdiChildFrame*()>;
    using ViewFactory = std::function<ViewParts(CDocument& document, CMdiChildFrame& frame)>;

    // strings: the seven substrings separated by line breaks.
    CDocTemplate(int resourceId, std::string strings, DocumentFactory document, FrameFactory frame,
                 ViewFactory view);
    ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    int ResourceId() const { return resourceId_; }
    std::string GetDocString(DocString which) const;
    // Whether a path has this type's extension.
    bool MatchesFile(const std::string& path) const;

    // A new document (empty path) or one read from path, in a new window in
    // area; null when the document could not be made or read (the user was
    // told). The window is shown when makeVisible.
    CDocument* OpenDocumentFile(const std::string& path, QMdiArea* area, bool makeVisible = true);
    // The framework's close: the document empties (and writes what it keeps)
    // and its window goes.
    void CloseDocument(CDocument* document);
    void CloseAllDocuments();

    std::vector<CDocument*> Documents() const;
    CMdiChildFrame* FrameOf(const CDocument* document) const;

private:
    struct Open {
        std::unique_ptr<CDocument> document;
        QPointer<CMdiChildFrame> frame;
    };
    int resourceId_;
    std::vector<std::string> strings_;
    DocumentFactory makeDocument_;
    FrameFactory makeFrame_;
    ViewFactory makeView_;
    std::vector<Open> open_;
};
