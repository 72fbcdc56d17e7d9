// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <string>

class IUiServices;
class QPainter;
class QPrinter;
class QWidget;

// A picture that one function draws into a rectangle, the same for the screen, files and paper:
// the windows that draw such pictures save, print and copy them through these.
using DrawInto = std::function<void(QPainter&, const QRect&)>;

QImage DrawingImage(const QSize& size, const DrawInto& draw);
QByteArray DrawingPng(const QSize& size, const DrawInto& draw);
QByteArray DrawingSvg(const QSize& size, const QString& title, const DrawInto& draw);
// Drawn width wide and as tall as the page's shape asks (at least minHeight), scaled onto the whole page.
void PrintDrawing(QPrinter& printer, int width, int minHeight, const DrawInto& draw);
// The print dialog, then the print; the print preview.
void PrintDrawingWithDialog(QWidget* parent, const std::function<void(QPrinter&)>& print);
void PreviewDrawing(QWidget* parent, const std::function<void(QPrinter&)>& print);
// Writes the picture whole or not at all; false, and the user told, when it could not be written.
bool SaveDrawing(IUiServices* ui, const std::string& path, const QByteArray& bytes);
// Asks where to save a picture named name ("Bible Coverage") under the title ("Save Map as"), then saves it.
void SaveDrawingAs(IUiServices& ui, const std::string& name, const std::string& title, bool svg,
                   const std::function<QByteArray(bool svg)>& bytes);
