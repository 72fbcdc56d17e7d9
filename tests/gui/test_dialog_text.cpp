// SPDX-License-Identifier: GPL-3.0-or-later
#include "Screenshots.h"
#include "coverage/UnreadPlanDialog.h"
#include "framework/ScriptedUiServices.h"
#include "gallery/PlanGalleryDialog.h"
#include "notes/FindReplaceDialog.h"
#include "plan/TemplateEditorDialog.h"
#include "planview/EnterExtraReadingDialog.h"
#include "planview/PlanPropertiesDialog.h"
#include "planview/SelectDateDialog.h"
#include "planview/SelectVerseDialog.h"
#include "reader/ReaderEnvironment.h"
#include "shell/AboutDialog.h"
#include "shell/QtUiServices.h"
#include "shell/ReaderDialog.h"
#include "shell/SelectReaderDialog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
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

    // Tab from the control a dialog starts on visits every control the keyboard can reach exactly once
    // and comes back, in reading order: only the step from the last control to the first goes back to
    // one both above and to the left.
    void tabVisitsEveryControlOnceInReadingOrder() {
        CScriptedUiServices ui;
        CQtUiServices qtUi;
        CReaderEnvironment env(qtUi);
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.emplace_back(new CSelectDateDialog);
        dialogs.emplace_back(new CSelectVerseDialog);
        dialogs.emplace_back(new CEnterExtraReadingDialog);
        dialogs.emplace_back(new CPlanPropertiesDialog("Made from Bible in one year."));
        dialogs.emplace_back(new CUnreadPlanDialog(1189));
        dialogs.emplace_back(new CReaderDialog(CReaderDialog::newReader, {}));
        dialogs.emplace_back(new CFindReplaceDialog(false, nullptr));
        dialogs.emplace_back(new CFindReplaceDialog(true, nullptr));
        dialogs.emplace_back(new CTemplateEditorDialog(ui, 0));
        dialogs.emplace_back(new CPlanGalleryDialog({}));
        dialogs.emplace_back(new CSelectReaderDialog(env));
        QStringList problems;
        for (const auto& dialog : dialogs) {
            dialog->show();
            QApplication::setActiveWindow(dialog.get());
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            const QString name = dialog->metaObject()->className();
            QList<QWidget*> reachable;
            for (QWidget* w : dialog->findChildren<QWidget*>())
                if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                    !w->focusProxy() && !qobject_cast<QAbstractSpinBox*>(w->parentWidget()) &&
                    w->window() == dialog.get()) {
                    reachable << w;
                }
            QWidget* first = QApplication::focusWidget();
            if (!first) problems << name + ": no control has the focus";
            // A control may take Tab itself for a while (a date's day, month and year): it counts once.
            QList<QWidget*> visited;
            QWidget* current = first;
            for (int i = 0; i < 4 * reachable.size() + 4 && current && (i == 0 || current != first); ++i) {
                if (visited.isEmpty() || visited.last() != current) visited << current;
                QTest::keyClick(current, Qt::Key_Tab);
                current = QApplication::focusWidget();
            }
            auto where = [&](QWidget* w) { return QRect(w->mapTo(dialog.get(), QPoint(0, 0)), w->size()); };
            auto label = [&](QWidget* w) {
                return QString("%1 '%2'").arg(w->metaObject()->className(), w->objectName());
            };
            // A group of radio buttons is one stop, whichever of them takes it; arrows choose among them.
            auto stop = [](QWidget* w) -> QObject* {
                auto* radio = qobject_cast<QRadioButton*>(w);
                return radio && radio->autoExclusive() ? radio->parent() : w;
            };
            QList<QObject*> stops;
            for (QWidget* w : visited)
                stops << stop(w);
            for (QWidget* w : reachable)
                if (stops.count(stop(w)) != 1)
                    problems
                        << QString("%1: %2 visited %3 times").arg(name, label(w)).arg(stops.count(stop(w)));
            if (current != first)
                problems << QString("%1: Tab does not come back to where it began").arg(name);
            SaveScreenshot(dialog.get(), "tab-" + name);
            // Round the circle, Tab goes back up and to the left once: from the last control to the first.
            QStringList back;
            for (int i = 0; i < visited.size(); ++i) {
                QWidget* from = visited[i];
                QWidget* to = visited[(i + 1) % visited.size()];
                const QRect a = where(from), b = where(to);
                if (b.bottom() < a.top() && b.right() < a.left()) back << label(from) + " to " + label(to);
            }
            if (back.size() > 1)
                problems << QString("%1: Tab goes back from %2").arg(name, back.join(", from "));
            dialog->hide();
        }
        if (!problems.isEmpty()) QFAIL(qPrintable(problems.join("\n")));
    }
};

QTEST_MAIN(TestDialogText)
#include "test_dialog_text.moc"
