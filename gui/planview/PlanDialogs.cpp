#include "PlanDialogs.h"

#include "EnterExtraReadingDialog.h"
#include "PlanLoadProgressDialog.h"
#include "PlanPropertiesDialog.h"
#include "foundation/TextCodec.h"

std::optional<ExtraReading> RunEnterExtraReadingDialog(QWidget* parent, int mode) {
    CEnterExtraReadingDialog dlg(parent);
    dlg.Init(mode);
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
