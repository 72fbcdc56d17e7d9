// SPDX-License-Identifier: GPL-3.0-or-later
#include "VerseTextPane.h"

#include "PassageSettings.h"
#include "TextReading.h"
#include "framework/TextConvert.h"
#include "text/BibleTextSource.h"

#include <QCoreApplication>

CVerseTextPane::CVerseTextPane(std::function<std::string()> fileStem, QWidget* parent)
    : QTextBrowser(parent), fileStem_(std::move(fileStem)) {
    setObjectName("verseText");
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(QCoreApplication::translate("Accessibility", "Verse text"));
    setOpenLinks(false);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Four lines when there is room; down to one in a small window, which must
    // still fit the main window's client area.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    setMinimumHeight(fontMetrics().lineSpacing() + 8);
    document()->setDocumentMargin(6);
    reading_ = new CTextReading(TheBibleText(), this);
}

bool CVerseTextPane::IsReading() const {
    return reading_->Busy();
}

QSize CVerseTextPane::sizeHint() const {
    // Room for four lines; a longer verse scrolls.
    return {QTextBrowser::sizeHint().width(), fontMetrics().lineSpacing() * 4 + 14};
}

void CVerseTextPane::ShowVerse(uint16_t index) {
    shown_ = index;
    CTextRequest request;
    request.module = FromQ(RememberedModule(fileStem_ ? fileStem_() : std::string()));
    request.spans.emplace_back(index, index);
    reading_->Read(std::move(request), [this](const CTextAnswer& answer) {
        const CPassage* passage = answer.passages.empty() ? nullptr : &answer.passages.front();
        QString html;
        if (!passage || passage->verses.empty()) {
            if (!answer.problem.empty()) html = "<i>" + ToQ(answer.problem).toHtmlEscaped() + "</i>";
        } else {
            const CVerseText& v = passage->verses.front();
            html = "<b>" + ToQ(v.reference).toHtmlEscaped() + "</b>&nbsp; ";
            if (v.missing && !passage->damage.empty())
                html += "<span style=\"color:#808080\">(" + ToQ(passage->damage).toHtmlEscaped() + ")</span>";
            else if (v.missing)
                html +=
                    "<span style=\"color:#808080\">" +
                    QCoreApplication::translate("CPassageView", "(This verse is not in this translation.)") +
                    "</span>";
            else
                html += ToQ(v.text).toHtmlEscaped().replace('\n', "<br/>");
        }
        setHtml(html);
    });
}
