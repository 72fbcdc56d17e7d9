// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTextBrowser>
#include <cstdint>
#include <functional>
#include <string>

class CTextReading;

// A verse's text, read-only, in the reader's translation: the verse notes
// window shows the verse a note is about above the note. The text is read off
// the window's thread, as the passage window's is.
class CVerseTextPane : public QTextBrowser {
    Q_OBJECT
public:
    // fileStem names the reader whose chosen translation is used.
    explicit CVerseTextPane(std::function<std::string()> fileStem, QWidget* parent = nullptr);

    void ShowVerse(uint16_t index);
    uint16_t ShownVerse() const { return shown_; }
    // The verse asked for last is still to come.
    bool IsReading() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override {
        return {QTextBrowser::minimumSizeHint().width(), minimumHeight()};
    }

private:
    std::function<std::string()> fileStem_;
    CTextReading* reading_ = nullptr;
    uint16_t shown_ = 0;
};
