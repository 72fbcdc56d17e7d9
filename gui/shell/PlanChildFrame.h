#pragma once
#include "framework/MdiChildFrame.h"

#include <cstdint>

class QLineEdit;
class QProgressBar;

// The reading plan window, with a strip of two progress bars at the bottom:
// the current plan and the lifetime reading of the whole Bible.
class CPlanChildFrame : public CMdiChildFrame {
    Q_OBJECT
public:
    CPlanChildFrame();

    void SetPlanProgress(uint16_t read, uint16_t total);
    void SetLifetimeProgress(uint16_t read, uint16_t total);

    QWidget* ProgressStrip() const { return strip_; }

protected:
    QWidget* WrapView(QWidget* view) override;

private:
    struct Row {
        uint16_t read = 0;
        uint16_t total = 0;
        QProgressBar* bar = nullptr;
        QLineEdit* percent = nullptr;
    };
    static void ShowRow(Row& row, uint16_t read);

    QWidget* strip_ = nullptr;
    Row lifetime_;
    Row plan_;
};
