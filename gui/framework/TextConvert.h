// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "foundation/TextCodec.h"

#include <QString>
#include <string>

// Stored texts are bytes: UTF-8 when valid, else Windows-1252. The GUI writes UTF-8.
inline QString ToQ(const std::string& s) {
    std::string u = ToUtf8(s);
    return QString::fromUtf8(u.data(), static_cast<qsizetype>(u.size()));
}

inline std::string FromQ(const QString& s) {
    QByteArray b = s.toUtf8();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}
