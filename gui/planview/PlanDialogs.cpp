// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanDialogs.h"

#include "EnterExtraReadingDialog.h"
#include "PlanLoadProgressDialog.h"
#include "PlanPropertiesDialog.h"
#include "foundation/TextCodec.h"
#include "scripture/Bible.h"

std::optional<ExtraReading> RunEnterExtraReadingDialog(QWidget* parent, int mode,
                                                       std::optional<std::pair<uint16_t, uint16_t>> range) {
    CEnterExtraReadingDialog dlg(parent);
    dlg.Init(mode);
    if (range) {
        CBible& bible = TheBible();
        dlg.ChangeStart(bible.GetVerseAt(range->first));
        dlg.ChangeEnd(bible.GetVerseAt(range->second));
    }
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return ExtraReading{dlg.StartIndex(), dlg.EndIndex(), dlg.Mode()};
}

std::unique_ptr<IProgress> ShowPlanLoadProgressDialog(QWidget* parent, const std::string& fileName) {
    auto dlg = std::make_unique<CPlanLoadProgressDialog>(parent);
    dlg->SetFileName(QString::fromStdString(ToUtf8(fileName)));
    dlg->Create();
    return dlg;
}

void RunPlanPropertiesDialog(QWidget* parent, const std::string& text) {
    CPlanPropertiesDialog dlg(QString::fromStdString(ToUtf8(text)), parent);
    dlg.exec();
}
