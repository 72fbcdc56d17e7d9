// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/Document.h"

// A prayer book document: carried along with the reader options but never
// registered as a document type, so no window or file of it is ever made.
class CPrayerBookDoc : public CDocument {
public:
    using CDocument::CDocument;
    // Stores and loads no bytes.
    void Serialize(CArchive&) override {}
};
