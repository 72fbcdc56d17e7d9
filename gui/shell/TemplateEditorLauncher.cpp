#include "TemplateEditorLauncher.h"

#include "framework/QtUiServices.h"
#include "plan/TemplateEditorDialog.h"

void RunTemplateEditor(QWidget* owner, int includeApocrypha) {
    CQtUiServices ui;
    CTemplateEditorDialog dialog(ui, includeApocrypha, owner);
    ui.parentWindow = [&dialog] { return static_cast<QWidget*>(&dialog); };
    dialog.exec();
}
