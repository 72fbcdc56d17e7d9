// SPDX-License-Identifier: GPL-3.0-or-later
#include "Archive.h"

#include "Exceptions.h"
#include "Prefault.h"
#include "TextCodec.h"

#include <bit>
#include <cstring>

CArchive::CArchive() : mode_(store) {}

CArchive::CArchive(std::string bytes, std::string fileName)
    : mode_(load), data_(std::move(bytes)), fileName_(std::move(fileName)) {}

void CArchive::RequireMode(Mode m) const {
    if (mode_ != m)
        throw CArchiveException(m == store ? CArchiveException::readOnly : CArchiveException::writeOnly,
                                fileName_);
}

void CArchive::Require(uint64_t n) const {
    if (n > data_.size() - pos_) throw CArchiveException(CArchiveException::endOfFile, fileName_);
}

void CArchive::Reserve(size_t n) {
    const size_t used = data_.size();
    data_.reserve(used + n);
    PrefaultForWriting(data_.data() + used, n);
}

void CArchive::NotStoring() const {
    throw CArchiveException(CArchiveException::readOnly, fileName_);
}

void CArchive::WriteWords(const uint16_t* words, size_t n) {
    if constexpr (std::endian::native == std::endian::little) {
        Write(words, n * 2);
    } else {
        for (size_t i = 0; i < n; ++i)
            WriteWord(words[i]);
    }
}

void CArchive::ReadWords(uint16_t* words, size_t n) {
    if constexpr (std::endian::native == std::endian::little) {
        Read(words, n * 2);
    } else {
        for (size_t i = 0; i < n; ++i)
            words[i] = ReadWord();
    }
}

void CArchive::WriteString(std::string_view s) {
    const size_t n = s.size();
    if (n < 255) {
        WriteByte(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<uint16_t>(n));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDWord(static_cast<uint32_t>(n));
    }
    Write(s.data(), n);
}

void CArchive::WriteCount(uint32_t c) {
    if (c < 0xFFFF) {
        WriteWord(static_cast<uint16_t>(c));
    } else {
        WriteWord(0xFFFF);
        WriteDWord(c);
    }
}

uint8_t CArchive::ReadByteChecked() {
    RequireMode(load);
    Require(1);
    return static_cast<uint8_t>(data_[pos_++]);
}

uint16_t CArchive::ReadWordChecked() {
    uint8_t b[2];
    Read(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t CArchive::ReadDWordChecked() {
    uint8_t b[4];
    Read(b, 4);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

void CArchive::Read(void* data, size_t n) {
    RequireMode(load);
    Require(n);
    if (n) std::memcpy(data, data_.data() + pos_, n);
    pos_ += n;
}

namespace {

// The three length forms shared by the narrow and the wide string.
uint32_t ReadStringLength(CArchive& ar, bool& wide) {
    wide = false;
    uint8_t b = ar.ReadByte();
    if (b != 0xFF) return b;
    uint16_t w = ar.ReadWord();
    if (w == 0xFFFE) {
        wide = true;
        return 0;
    }
    if (w == 0xFFFF) return ar.ReadDWord();
    return w;
}

} // namespace

std::string CArchive::ReadString() {
    std::string s;
    ReadStringAppend(s);
    return s;
}

CArchive::StringPlace CArchive::ReadStringInPlaceChecked(std::string& converted) {
    const size_t at = pos_;
    bool wide = false;
    const uint32_t n = ReadStringLength(*this, wide);
    if (wide) {
        pos_ = at;
        const size_t before = converted.size();
        ReadStringAppend(converted);
        return {before, converted.size() - before, true};
    }
    Require(n);
    const size_t offset = pos_;
    pos_ += n;
    return {offset, n, false};
}

std::string CArchive::TakeBytes() {
    RequireMode(load);
    std::string bytes = std::move(data_);
    data_.clear();
    pos_ = 0;
    return bytes;
}

void CArchive::ReadStringAppend(std::string& out) {
    bool wide = false;
    uint32_t n = ReadStringLength(*this, wide);
    if (wide) {
        // The second prefix has the length steps only: 0xFFFE is a length here.
        uint8_t b = ReadByte();
        n = b;
        if (b == 0xFF) {
            uint16_t w = ReadWord();
            n = w == 0xFFFF ? ReadDWord() : w;
        }
        Require(uint64_t(n) * 2);
        std::u16string text(n, u'\0');
        for (uint32_t i = 0; i < n; ++i)
            text[i] = static_cast<char16_t>(ReadWord());
        out += Utf16ToUtf8(text);
        return;
    }
    Require(n);
    out.append(data_, pos_, n);
    pos_ += n;
}

uint32_t CArchive::ReadCount() {
    uint16_t w = ReadWord();
    if (w != 0xFFFF) return w;
    return ReadDWord();
}
