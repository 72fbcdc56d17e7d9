// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverageCommands.h"

#include "CoverageFrame.h"
#include "UnreadPlanDialog.h"
#include "coverage/UnreadPlan.h"
#include "framework/ReaderContext.h"
#include "framework/ReaderSettings.h"
#include "framework/UiServices.h"
#include "plan/ReadingPlanDoc.h"
#include "planview/ReadingPlanView.h"

#include <QSettings>

void ShowBibleCoverage(QMdiArea* area, CReadingPlanDoc& doc) {
    CCoverageFrame::Open(area, doc);
}

bool RunNewPlanFromUnreadChapters(QWidget* parent, CReadingPlanDoc& doc, const CReaderContext& reader,
                                  QSettings& settings) {
    const size_t unread = CCoverage::FromDocument(doc).UnreadChapters().size();
    if (unread == 0) {
        doc.Ui().MessageBox({kNothingUnread, MbButtons::ok, MbIcon::information, 0});
        return false;
    }
    CUnreadPlanDialog dialog(unread, parent);
    const QString group = ReaderSettingsGroup(reader.fileStem) + "/UnreadPlan";
    GapsPlanRequest last;
    last.days = settings.value(group + "/Days", 365).toUInt();
    std::array<int32_t, 7> weekdays{};
    if (ParseWeekdays(settings.value(group + "/Weekdays", "1111111").toString().toStdString(), weekdays))
        last.readOnWeekday = weekdays;
    dialog.SetRequest(last);
    if (dialog.exec() != QDialog::Accepted) return false;
    const GapsPlanRequest request = dialog.Request();
    std::string days;
    for (int32_t f : request.readOnWeekday)
        days += f ? '1' : '0';
    settings.setValue(group + "/Days", request.days);
    settings.setValue(group + "/Weekdays", QString::fromStdString(days));
    if (!NewPlanFromUnreadChapters(doc, request, UnreadPlanPath(reader.baseDirectory, reader.fileStem)))
        return false;
    for (CView* v : doc.GetViews())
        if (auto* planView = dynamic_cast<CReadingPlanView*>(v)) planView->Navigator().GoToFirstUnfinished();
    doc.UpdateAllViews(nullptr);
    return true;
}
