// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"
#include "CliText.h"
#include "CliUiServices.h"

#include "plan/TemplateEditorModel.h"

#include <ostream>
#include <string_view>

namespace {

// A node of the category tree by its label, or by "Parent/Label" where a
// label is used twice ("New Testament/Historical"); -1 when there is none.
int FindNode(const CTemplateEditorModel& m, const std::string& name) {
    std::string parent, label = name;
    if (size_t slash = name.find('/'); slash != std::string::npos) {
        parent = name.substr(0, slash);
        label = name.substr(slash + 1);
    }
    const auto& nodes = m.TreeNodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].label != label) continue;
        if (parent.empty() || (nodes[i].parent >= 0 && nodes[nodes[i].parent].label == parent))
            return static_cast<int>(i);
    }
    return -1;
}

bool OnOff(const std::string& value, bool& on) {
    if (value != "on" && value != "off") return false;
    on = value == "on";
    return true;
}

// OUT named on the command line is the user's choice of file, made knowing
// it exists: the question about replacing it is answered yes. Every other
// question goes unanswered.
class CTemplateEditUi : public CCliUiServices {
public:
    using CCliUiServices::CCliUiServices;
    int MessageBox(const MessageBoxRequest& request) override {
        const std::string_view replace(kReplaceFileQuestion);
        if (request.text.size() >= replace.size() &&
            request.text.compare(request.text.size() - replace.size(), replace.size(), replace) == 0)
            return IDYES;
        return CCliUiServices::MessageBox(request);
    }
};

// The editor driven step by step, as a user clicks it, then Save Template to OUT.
int TemplateEdit(const CliArgs& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return UsageError(err, "template-edit needs OUT");
    CTemplateEditUi ui(err, false);
    CTemplateEditorModel m;
    // What the Days box would hold: the template's days until a days= step.
    std::string daysText = std::to_string(m.tmpl.planDays);
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& step = args[i];
        size_t eq = step.find('=');
        std::string key = step.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : step.substr(eq + 1);
        unsigned long n = 0;
        bool on = false;
        if (eq == std::string::npos && key == "add-section") {
            m.AddSection();
        } else if (eq == std::string::npos && key == "remove-section") {
            m.RemoveSection();
        } else if (eq == std::string::npos && key == "reset") {
            m.ResetTemplate();
            daysText = std::to_string(m.tmpl.planDays);
        } else if (key == "load" && !value.empty()) {
            ui.chosenFile = value;
            m.LoadTemplate(ui);
            if (ui.Declined() || ui.ErrorShown()) return 1;
            daysText = std::to_string(m.tmpl.planDays);
        } else if (key == "title" && eq != std::string::npos) {
            m.SetTitleText(value);
        } else if (key == "description" && eq != std::string::npos) {
            m.SetDescriptionText(value);
        } else if (key == "years" && ParseUnsigned(value, 5, n)) {
            m.SetPlanYears(static_cast<int>(n));
        } else if (key == "months" && ParseUnsigned(value, 11, n)) {
            m.SetPlanMonths(static_cast<int>(n));
        } else if (key == "days" && eq != std::string::npos) {
            daysText = value; // checked when the template is saved, as in the dialog
            m.DaysTextChanged();
        } else if (key == "divide" && (value == "chapters" || value == "verses")) {
            m.SetDivideBy(value == "verses" ? 1 : 0);
        } else if (key == "repeat" && OnOff(value, on)) {
            m.SetRepeatBooks(on);
        } else if (key == "read-only" && OnOff(value, on)) {
            if (m.readOnlyBoxEnabled) m.readOnly = on;
        } else if (key == "weekdays" && value.size() == 7 &&
                   value.find_first_not_of("01") == std::string::npos) {
            for (int d = 0; d < 7; ++d)
                m.SetReadOnWeekday(d + 1, value[d] == '1');
        } else if (key == "select" && ParseUnsigned(value, kMaxSections, n) && n >= 1 &&
                   static_cast<int>(n) <= m.SectionCount()) {
            m.SelectSection(static_cast<int>(n));
        } else if (key == "click" && FindNode(m, value) >= 0) {
            m.AssignToSection(FindNode(m, value));
        } else {
            return UsageError(err, "template-edit: cannot use '" + step + "'");
        }
    }
    ui.chosenFile = args[0];
    if (m.SaveTemplate(ui, daysText) != CTemplateEditorModel::SaveResult::saved) {
        if (!ui.ErrorShown() && !ui.Declined()) err << "scrivane-cli: nothing was written\n";
        return 1;
    }
    out << "saved\t" << CliField(m.templateDirectory + m.templateFileName) << '\n';
    out << "sections\t" << m.SectionCount() << '\n';
    for (int s = 1; s <= m.SectionCount(); ++s)
        out << "section\t" << s << '\t' << m.BooksInSection(s) << '\n';
    return 0;
}

CliRegistration templateEditCommand(
    "template-edit", TemplateEdit,
    "template-edit OUT [load=FILE] [years=N] [months=N] [days=N] [divide=chapters|verses] "
    "[repeat=on|off] [weekdays=SMTWTFS as 0/1] [add-section] [remove-section] [select=N] "
    "[click=NAME|PARENT/NAME] [read-only=on|off] [title=TEXT] [description=TEXT] [reset] ...");

} // namespace
