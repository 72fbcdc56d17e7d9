#include "TemplateEditorLauncher.h"

#include <QMessageBox>

void RunTemplateEditor(QWidget* owner, int includeApocrypha) {
    (void)includeApocrypha;
    QMessageBox::information(owner, "Scrivane", "The template editor is not part of this build yet.");
}
