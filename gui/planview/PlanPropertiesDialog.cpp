// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanPropertiesDialog.h"

#include "DialogUnits.h"
#include "framework/HelpService.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

CPlanPropertiesDialog::CPlanPropertiesDialog(const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CPlanPropertiesDialog", "Reading Plan Properties"));
    CDialogUnits du(this);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setPlainText(QString(text).replace("\r\n", "\n"));
    SetControlId(text_, 1138);
    text_->setAccessibleName(QCoreApplication::translate("Accessibility", "How the plan was made"));
    // The selection goes to the end and the caret is hidden.
    text_->moveCursor(QTextCursor::End);
    text_->ensureCursorVisible();
    text_->setCursorWidth(0);
    auto* ok = new QPushButton(QCoreApplication::translate("CPlanPropertiesDialog", "OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    resize(du.Size(200, 110));
    CHelpService::InstallDialogHelp(this, 183, {1138});
}
