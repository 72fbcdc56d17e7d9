// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFontMetrics>
#include <QRect>
#include <QWidget>

// Places controls by dialog units, so that a dialog keeps its proportions
// with any font: a horizontal unit is a quarter of the average character
// width, a vertical unit an eighth of the font height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QWidget* w) {
        QFontMetrics fm(w->font());
        const char* sample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        cx_ = (fm.horizontalAdvance(QLatin1String(sample)) / 26.0 + 1) / 2.0 / 4.0;
        cy_ = fm.height() / 8.0;
    }
    int X(int units) const { return static_cast<int>(units * cx_ + 0.5); }
    int Y(int units) const { return static_cast<int>(units * cy_ + 0.5); }
    QRect Rect(int x, int y, int w, int h) const { return QRect(X(x), Y(y), X(w), Y(h)); }
    QSize Size(int w, int h) const { return QSize(X(w), Y(h)); }

private:
    double cx_;
    double cy_;
};

// The help service knows a control by its id as object name.
inline void SetControlId(QWidget* w, int id) {
    w->setObjectName(QString::number(id));
}
