// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocTemplate.h"

#include "MdiChildFrame.h"
#include "TextConvert.h"
#include "foundation/FileAccess.h"
#include "framework/Document.h"

#include <QLabel>
#include <QMdiArea>
#include <algorithm>

CDocTemplate::CDocTemplate(int resourceId, std::string strings, DocumentFactory document, FrameFactory frame,
                           ViewFactory view)
    : resourceId_(resourceId), makeDocument_(std::move(document)), makeFrame_(std::move(frame)),
      makeView_(std::move(view)) {
    size_t start = 0;
    for (;;) {
        size_t nl = strings.find('\n', start);
        strings_.push_back(strings.substr(start, nl - start));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
}

CDocTemplate::~CDocTemplate() = default;

std::string CDocTemplate::GetDocString(DocString which) const {
    size_t i = static_cast<size_t>(which);
    return i < strings_.size() ? strings_[i] : std::string();
}

bool CDocTemplate::MatchesFile(const std::string& path) const {
    std::string ext = GetDocString(filterExt);
    return !ext.empty() && ext[0] == '.' && LowerExtension(path) == ToLowerAscii(ext.substr(1));
}

CDocument* CDocTemplate::OpenDocumentFile(const std::string& path, QMdiArea* area, bool makeVisible) {
    std::unique_ptr<CDocument> doc = makeDocument_();
    if (!doc) return nullptr;
    bool ok = path.empty() ? doc->OnNewDocument() : doc->OnOpenDocument(path);
    if (!ok) return nullptr;
    if (!path.empty()) {
        doc->SetPathName(path);
        if (doc->GetTitle().empty()) doc->SetTitle(FileNameOf(path));
    }

    CMdiChildFrame* frame = makeFrame_();
    ViewParts parts = makeView_(*doc, *frame);
    if (parts.view) doc->AddView(parts.view);
    frame->SetView(parts.widget, parts.view, doc.get());
    // Windows belong to the main window's client area, which may go first.
    auto title = [frame = QPointer<CMdiChildFrame>(frame), d = doc.get(),
                  fallback = GetDocString(windowTitle)] {
        if (frame) frame->setWindowTitle(ToQ(d->GetTitle().empty() ? fallback : d->GetTitle()));
    };
    doc->titleChanged = title;
    area->addSubWindow(frame);
    frame->ApplyWindowFlags();
    // Until a placement of its own is given, a window takes a useful share of
    // the client area rather than the few lines its view asks for.
    const QSize client = area->viewport()->size();
    if (client.width() > 0 && client.height() > 0)
        frame->resize(frame->size().expandedTo(client * 2 / 3).boundedTo(client));
    // Titled once it is in place: the sub-window lays its title out again for
    // every event that reaches it, and adding it to the area sends many.
    title();
    if (makeVisible) frame->show();
    open_.push_back({std::move(doc), frame});
    return open_.back().document.get();
}

void CDocTemplate::CloseDocument(CDocument* document) {
    auto it =
        std::find_if(open_.begin(), open_.end(), [&](const Open& o) { return o.document.get() == document; });
    if (it == open_.end()) return;
    std::unique_ptr<CDocument> doc = std::move(it->document);
    QPointer<CMdiChildFrame> frame = it->frame;
    open_.erase(it);
    doc->titleChanged = nullptr;
    doc->OnCloseDocument();
    if (frame) {
        frame->CloseFrame();
        delete frame.data(); // the view widgets go with it
    }
}

void CDocTemplate::CloseAllDocuments() {
    while (!open_.empty())
        CloseDocument(open_.front().document.get());
}

std::vector<CDocument*> CDocTemplate::Documents() const {
    std::vector<CDocument*> docs;
    for (const Open& o : open_)
        docs.push_back(o.document.get());
    return docs;
}

CMdiChildFrame* CDocTemplate::FrameOf(const CDocument* document) const {
    for (const Open& o : open_)
        if (o.document.get() == document) return o.frame;
    return nullptr;
}
