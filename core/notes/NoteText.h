// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// Notes are stored as bytes with CR LF line breaks; the editors hold UTF-8
// with \n. Bytes that are not UTF-8 came from an 8-bit Windows program and
// are shown as Windows-1252.
std::string EditorTextFromStored(std::string_view stored);
std::string StoredTextFromEditor(std::string_view editorText);

// The page layout of a printed note: header, text rectangle and page number
// inside the page's drawing rectangle, from the printer's widest character w
// and line height h.
struct NotePageLayout {
    int headerX = 0, headerY = 0;
    int textLeft = 0, textTop = 0, textRight = 0, textBottom = 0;
    int pageNumberX = 0, pageNumberY = 0;
};
NotePageLayout LayoutNotePage(int left, int top, int right, int bottom, int w, int h);
// A page number as printed: one blank before a one-digit number.
std::string PageNumberText(int page);
