// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppPrinter.h"

#include <QPrinter>

namespace {
std::function<QPrinter&()>& PrinterSource() {
    static std::function<QPrinter&()> source;
    return source;
}
} // namespace

QPrinter& ApplicationPrinter() {
    if (PrinterSource()) return PrinterSource()();
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

void SetApplicationPrinter(std::function<QPrinter&()> printer) {
    PrinterSource() = std::move(printer);
}
