// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotePrinting.h"

#include "notes/NoteText.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

void PrintNotePages(QPrinter& printer, const QFont& font, const QString& header, const QString& text) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    QFont printFont(font);
    painter.setFont(printFont);
    QFontMetrics metrics(printFont, &printer);
    const int w = metrics.maxWidth();
    const int h = metrics.height();
    const QRect page(0, 0, printer.width(), printer.height());
    // The layout takes right and bottom as the edges themselves, one past the last pixel.
    NotePageLayout layout = LayoutNotePage(0, 0, page.width(), page.height(), w, h);
    const QRect textRect(layout.textLeft, layout.textTop, layout.textRight - layout.textLeft,
                         layout.textBottom - layout.textTop);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&printer);
    doc.setDefaultFont(printFont);
    doc.setDocumentMargin(0);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    doc.setPlainText(text);
    doc.setPageSize(QSizeF(textRect.width(), textRect.height()));
    const int pages = std::max(1, doc.pageCount());

    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        painter.drawText(QRect(layout.headerX, layout.headerY, page.width(), h), Qt::AlignLeft | Qt::AlignTop,
                         header);
        painter.save();
        painter.translate(textRect.left(), textRect.top() - p * textRect.height());
        QRectF clip(0, p * textRect.height(), textRect.width(), textRect.height());
        painter.setClipRect(clip);
        doc.drawContents(&painter, clip);
        painter.restore();
        painter.drawText(QRect(layout.pageNumberX, layout.pageNumberY, page.width(), h),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(PageNumberText(p + 1)));
    }
    painter.end();
}
