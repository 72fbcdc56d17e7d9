// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CmdTarget.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CArchive;
class CDocument;
class IUiServices;

// Something that shows a document and redraws when told.
class CView : public CCmdTarget {
public:
    ~CView() override;
    CDocument* GetDocument() const { return document_; }
    // hint 0: redraw everything.
    virtual void OnUpdate(CView* sender, long hint) = 0;

private:
    friend class CDocument;
    CDocument* document_ = nullptr;
};

// The document half of document/view: title, path, modified flag, views and
// the file it loads and saves through Serialize.
class CDocument : public CCmdTarget {
public:
    explicit CDocument(IUiServices& ui) : ui_(ui) {}
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const std::string& GetTitle() const { return title_; }
    virtual void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return pathName_; }
    void SetPathName(const std::string& path) { pathName_ = path; }
    virtual bool IsModified() const { return modified_; }
    virtual void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return views_; }
    void UpdateAllViews(CView* sender, long hint = 0);

    // New: empties the document. Open and save go through Serialize; their
    // errors are shown to the user with the load and save messages and
    // answered with false. A save is atomic: a failed one leaves the old file.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);
    // The framework's close: DeleteContents, then the views are let go.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    virtual void Serialize(CArchive& ar);
    // The largest file OnOpenDocument reads; a larger one is refused unread.
    virtual uint64_t MaxFileBytes() const;

    IUiServices& Ui() const { return ui_; }

    // The files this document reads and writes: no other document may hold
    // one of them at the same time.
    virtual std::vector<std::string> HeldFiles() const;

    // Called when the title changes, so that frames can follow it.
    std::function<void()> titleChanged;

private:
    IUiServices& ui_;
    std::string title_;
    std::string pathName_;
    bool modified_ = false;
    std::vector<CView*> views_;
};
