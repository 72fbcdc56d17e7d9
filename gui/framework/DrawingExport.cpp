// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingExport.h"

#include "AppPrinter.h"
#include "foundation/ErrorMessages.h"
#include "foundation/FileAccess.h"
#include "framework/UiServices.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>

QImage DrawingImage(const QSize& size, const DrawInto& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    draw(p, QRect(QPoint(0, 0), size));
    return image;
}

QByteArray DrawingPng(const QSize& size, const DrawInto& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    DrawingImage(size, draw).save(&buffer, "PNG");
    return bytes;
}

QByteArray DrawingSvg(const QSize& size, const QString& title, const DrawInto& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg)) return {};
    draw(p, QRect(QPoint(0, 0), size));
    p.end();
    return bytes;
}

void PrintDrawing(QPrinter& printer, int width, int minHeight, const DrawInto& draw) {
    QPainter p;
    if (!p.begin(&printer)) return; // a printer that fails is left silent
    const QRect page = p.viewport();
    const int height =
        page.width() > 0 ? std::max(width * page.height() / page.width(), minHeight) : minHeight;
    const QSize size(width, height);
    const double scale = std::min(page.width() / double(size.width()), page.height() / double(size.height()));
    p.scale(scale, scale);
    draw(p, QRect(QPoint(0, 0), size));
    p.end();
}

void PrintDrawingWithDialog(QWidget* parent, const std::function<void(QPrinter&)>& print) {
    QPrinter& printer = ApplicationPrinter();
    QPrintDialog dlg(&printer, parent);
    if (dlg.exec() != QDialog::Accepted) return;
    print(printer);
}

void PreviewDrawing(QWidget* parent, const std::function<void(QPrinter&)>& print) {
    QPrinter& printer = ApplicationPrinter();
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, parent,
                     [&print](QPrinter* pr) { print(*pr); });
    preview.exec();
}

bool SaveDrawing(IUiServices* ui, const std::string& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return false;
    try {
        // A picture written over an old one replaces it whole or not at all.
        SaveFileAtomic(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        return true;
    } catch (const std::exception& e) {
        if (ui) ReportError(*ui, SaveErrorMessage(e, path));
        return false;
    }
}

void SaveDrawingAs(IUiServices& ui, const std::string& name, const std::string& title, bool svg,
                   const std::function<QByteArray(bool svg)>& bytes) {
    FileDialogRequest request;
    request.open = false;
    request.defaultExtension = svg ? "svg" : "png";
    request.defaultFileName = name + (svg ? ".svg" : ".png");
    request.filter = svg ? "SVG Picture (*.svg)|*.svg||" : "PNG Picture (*.png)|*.png||";
    request.title = title + (svg ? " SVG" : " PNG");
    if (const auto path = ui.ChooseFile(request)) SaveDrawing(&ui, *path, bytes(svg));
}
