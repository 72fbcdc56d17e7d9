// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanLoadProgressDialog.h"

#include "DialogUnits.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>

CPlanLoadProgressDialog::CPlanLoadProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(
        QCoreApplication::translate("CPlanLoadProgressDialog", "Loading Reading Plan From Template"));
    CDialogUnits du(this);
    setFixedSize(du.Size(187, 45));
    name_ = new QLineEdit(this);
    name_->setReadOnly(true);
    name_->setFrame(false);
    name_->setFocusPolicy(Qt::NoFocus);
    name_->setGeometry(du.Rect(7, 7, 173, 12));
    bar_ = new QProgressBar(this);
    bar_->setGeometry(du.Rect(7, 24, 173, 12));
    bar_->setTextVisible(false);
    bar_->setRange(1, 100);
}

void CPlanLoadProgressDialog::SetFileName(const QString& path) {
    // Native separators and the backslashes of stored paths both end a directory.
    int cut = static_cast<int>(std::max(path.lastIndexOf('/'), path.lastIndexOf('\\')));
    name_->setText(path.mid(cut + 1));
}

QString CPlanLoadProgressDialog::FileNameShown() const {
    return name_->text();
}

void CPlanLoadProgressDialog::Create() {
    setModal(false);
    show();
    name_->deselect();
    name_->setCursorPosition(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CPlanLoadProgressDialog::SetRange(int max) {
    // The bar keeps the low 16 bits of the maximum.
    bar_->setRange(1, std::max(1, max & 0xFFFF));
}

void CPlanLoadProgressDialog::SetPos(int position) {
    bar_->setValue(std::clamp(position, bar_->minimum(), bar_->maximum()));
    // Repaint now and then; generation runs on this thread.
    if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CPlanLoadProgressDialog::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void CPlanLoadProgressDialog::keyPressEvent(QKeyEvent*) {}
