// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

// About Scrivane (100): the program's icon, picture and version.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
