// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/UiServices.h"

#include <QDialog>

class QLineEdit;
class QProgressBar;

// Shows the file a plan is being made from and how far the generator got.
// No buttons and no close box: generation cannot be interrupted.
class CPlanLoadProgressDialog : public QDialog, public IProgress {
    Q_OBJECT
public:
    explicit CPlanLoadProgressDialog(QWidget* parent = nullptr);
    void SetFileName(const QString& path);
    // Shows the window without blocking.
    void Create();
    void SetRange(int max) override;
    void SetPos(int position) override;

    QString FileNameShown() const;
    QProgressBar* Bar() const { return bar_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLineEdit* name_;
    QProgressBar* bar_;
};
