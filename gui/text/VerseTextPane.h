#pragma once
#include <QTextBrowser>
#include <cstdint>
#include <functional>
#include <string>

// A verse's text, read-only, in the reader's translation: the verse notes
// window shows the verse a note is about above the note.
class CVerseTextPane : public QTextBrowser {
    Q_OBJECT
public:
    // fileStem names the reader whose chosen translation is used.
    explicit CVerseTextPane(std::function<std::string()> fileStem, QWidget* parent = nullptr);

    void ShowVerse(uint16_t index);
    uint16_t ShownVerse() const { return shown_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override {
        return {QTextBrowser::minimumSizeHint().width(), minimumHeight()};
    }

private:
    std::function<std::string()> fileStem_;
    uint16_t shown_ = 0;
};
