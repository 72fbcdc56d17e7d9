#pragma once
class QWidget;

// New Reading Plan Template: runs the template editor modally, with its
// Include Apocrypha value preset.
void RunTemplateEditor(QWidget* owner, int includeApocrypha);
