// SPDX-License-Identifier: GPL-3.0-or-later
#include "Document.h"

#include "UiServices.h"
#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"

#include <algorithm>

CView::~CView() {
    if (document_) document_->RemoveView(this);
}

CDocument::~CDocument() {
    for (CView* v : views_)
        v->document_ = nullptr;
}

void CDocument::SetTitle(const std::string& title) {
    title_ = title;
    if (titleChanged) titleChanged();
}

void CDocument::AddView(CView* view) {
    if (view->document_ == this) return;
    if (view->document_) view->document_->RemoveView(view);
    views_.push_back(view);
    view->document_ = this;
}

void CDocument::RemoveView(CView* view) {
    auto it = std::find(views_.begin(), views_.end(), view);
    if (it == views_.end()) return;
    views_.erase(it);
    view->document_ = nullptr;
}

void CDocument::UpdateAllViews(CView* sender, long hint) {
    // A view may detach itself while redrawing; walk a copy.
    std::vector<CView*> views = views_;
    for (CView* v : views)
        if (v != sender) v->OnUpdate(sender, hint);
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    pathName_.clear();
    return true;
}

uint64_t CDocument::MaxFileBytes() const {
    return kMaxPlanFileBytes;
}

bool CDocument::OnOpenDocument(const std::string& path) {
    try {
        CArchive ar(ReadWholeFile(path, MaxFileBytes()), FileNameOf(path));
        DeleteContents();
        SetModifiedFlag(true); // stays set if loading fails half way
        Serialize(ar);
        SetModifiedFlag(false);
        return true;
    } catch (const std::exception& e) {
        ReportError(ui_, LoadErrorMessage(e, path));
        return false;
    }
}

bool CDocument::OnSaveDocument(const std::string& path) {
    try {
        CArchive ar;
        Serialize(ar);
        SaveFileAtomic(path, ar.Bytes());
        SetModifiedFlag(false);
        return true;
    } catch (const std::exception& e) {
        ReportError(ui_, SaveErrorMessage(e, path));
        return false;
    }
}

void CDocument::OnCloseDocument() {
    DeleteContents();
    std::vector<CView*> views = views_;
    for (CView* v : views)
        RemoveView(v);
}

void CDocument::Serialize(CArchive&) {}

std::vector<std::string> CDocument::HeldFiles() const {
    if (pathName_.empty()) return {};
    return {pathName_};
}
