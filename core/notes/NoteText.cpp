// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoteText.h"

#include "foundation/TextCodec.h"

std::string EditorTextFromStored(std::string_view stored) {
    return FromCrLf(ToUtf8(stored));
}

std::string StoredTextFromEditor(std::string_view editorText) {
    // Every line break gets its CR, even after a CR of the text's own, so that
    // reading the stored text back gives exactly this text: carriage returns
    // that a file held before a line break are not lost one a save.
    std::string out;
    out.reserve(editorText.size() + editorText.size() / 16);
    for (char c : editorText) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

NotePageLayout LayoutNotePage(int left, int top, int right, int bottom, int w, int h) {
    NotePageLayout l;
    l.headerX = left + 8 * w;
    l.headerY = top + 4 * h;
    l.textLeft = left + 8 * w;
    l.textTop = top + 6 * h;
    l.textRight = right - 8 * w;
    l.textBottom = bottom - 4 * h;
    l.pageNumberX = left + 8 * w + (right - 8 * w - (left + 8 * w)) / 2 - w;
    l.pageNumberY = bottom - 2 * h;
    return l;
}

std::string PageNumberText(int page) {
    std::string s = std::to_string(page);
    return s.size() == 1 ? " " + s : s;
}
