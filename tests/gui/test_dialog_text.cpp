// SPDX-License-Identifier: GPL-3.0-or-later
#include "Screenshots.h"
#include "coverage/UnreadPlanDialog.h"
#include "planview/EnterExtraReadingDialog.h"
#include "planview/PlanPropertiesDialog.h"
#include "planview/SelectDateDialog.h"
#include "planview/SelectVerseDialog.h"
#include "shell/AboutDialog.h"
#include "shell/ReaderDialog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

// The dialogs with the desktop's text at 75 %, 100 % and 300 %: every text whole inside its control
// and the control inside the dialog, and every control a screen reader reaches named.
class TestDialogText : public QObject {
    Q_OBJECT

    static QString Problems(QDialog& dialog) {
        QStringList problems;
        const QRect inside = dialog.rect();
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&dialog) || w->window() != &dialog) continue;
            const QString what = QString("%1 '%2'").arg(w->metaObject()->className(), w->objectName());
            const QRect box(w->mapTo(&dialog, QPoint(0, 0)), w->size());
            if (!inside.contains(box)) problems << what + " leaves the dialog";
            if (auto* label = qobject_cast<QLabel*>(w);
                label && !label->text().isEmpty() && !label->pixmap()) {
                const QSize need = label->wordWrap()
                                       ? QSize(0, label->heightForWidth(label->contentsRect().width()))
                                       : label->sizeHint() - QSize(label->margin() * 2, 0);
                if (label->width() < need.width() - 1 || label->height() < need.height() - 1)
                    problems << what + " cuts \"" + label->text() + "\"";
            }
            if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
                const int need = button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&'));
                if (button->width() < need) problems << what + " cuts \"" + button->text() + "\"";
            }
            // A spin box's own line edit is told as part of the spin box.
            if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                !qobject_cast<QAbstractSpinBox*>(w->parentWidget())) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                if (a && a->text(QAccessible::Name).trimmed().isEmpty()) problems << what + " has no name";
            }
        }
        return problems.join("; ");
    }

private slots:
    void dialogsShowTheirTextWholeAtEverySize() {
        const QFont desktop = QApplication::font();
        const std::vector<std::pair<const char*, std::function<QDialog*()>>> dialogs = {
            {"select-date", [] { return new CSelectDateDialog; }},
            {"select-verse", [] { return new CSelectVerseDialog; }},
            {"extra-reading", [] { return new CEnterExtraReadingDialog; }},
            {"properties",
             [] { return new CPlanPropertiesDialog("Made from Bible in one year.\nSeven days a week."); }},
            {"unread-plan", [] { return new CUnreadPlanDialog(1189); }},
            {"about", [] { return new CAboutDialog; }},
            {"reader", [] { return new CReaderDialog(CReaderDialog::newReader, {}); }},
        };
        for (int percent : {75, 100, 300}) {
            QFont font = desktop;
            font.setPointSizeF(desktop.pointSizeF() * percent / 100.0);
            QApplication::setFont(font);
            for (const auto& [name, make] : dialogs) {
                std::unique_ptr<QDialog> dialog(make());
                dialog->show();
                QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
                const QString problems = Problems(*dialog);
                SaveScreenshot(dialog.get(), QString("dialog-%1-%2").arg(name).arg(percent));
                if (!problems.isEmpty())
                    QFAIL(qPrintable(QString("%1 at %2 %: %3").arg(name).arg(percent).arg(problems)));
            }
        }
        QApplication::setFont(desktop);
    }
};

QTEST_MAIN(TestDialogText)
#include "test_dialog_text.moc"
