// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include "framework/HelpService.h"
#include "framework/ResourceIcon.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("100");
    setWindowTitle(QCoreApplication::translate("CAboutDialog", "About Scrivane"));
    auto* grid = new QGridLayout(this);
    auto* icon = new QLabel;
    icon->setPixmap(AppIcon().pixmap(32, 32));
    auto* picture = new QLabel;
    picture->setPixmap(QPixmap(":/images/about.png"));
    auto* name = new QLabel(QCoreApplication::translate("CAboutDialog", "<b>Scrivane</b>"));
    auto* version = new QLabel(QCoreApplication::translate("CAboutDialog", "Version 1.00"));
    version->setObjectName("version");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(icon, 0, 0, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(picture, 0, 2, 2, 1);
    grid->addWidget(buttons, 2, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    CHelpService::InstallDialogHelp(this, 100, {});
}
