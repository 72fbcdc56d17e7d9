// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A flat little-endian byte stream in one direction: storing builds the bytes
// of a file in memory, loading reads them back. Files are read whole and
// written whole (FileAccess.h), so a damaged file can never be half-written.
class CArchive {
public:
    enum Mode { store, load };

    // A storing archive.
    CArchive();
    // A loading archive over a copy of bytes; fileName only labels errors.
    explicit CArchive(std::string bytes, std::string fileName = {});

    bool IsStoring() const { return mode_ == store; }
    const std::string& FileName() const { return fileName_; }

    // Inline: a large plan or history is stored a word at a time.
    void WriteByte(uint8_t v) {
        if (mode_ != store) NotStoring();
        data_.push_back(static_cast<char>(v));
    }
    void WriteWord(uint16_t v) {
        const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
        Write(b, 2);
    }
    void WriteDWord(uint32_t v) {
        const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                           static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
        Write(b, 4);
    }
    // n words, as n calls of WriteWord would store them.
    void WriteWords(const uint16_t* words, size_t n);
    void WriteShort(int16_t v) { WriteWord(static_cast<uint16_t>(v)); }
    void WriteLong(int32_t v) { WriteDWord(static_cast<uint32_t>(v)); }
    void WriteString(std::string_view s);
    void WriteCount(uint32_t c);
    void Write(const void* data, size_t n) {
        if (mode_ != store) NotStoring();
        data_.append(static_cast<const char*>(data), n);
    }
    // Room for n more bytes, so that a large file is stored without regrowing.
    void Reserve(size_t n);

    // Inline where the bytes are there: a large plan, history or notes file is read a word at a
    // time. Anything else (the wrong mode, too few bytes) goes the checked way, which throws.
    uint8_t ReadByte() {
        if (mode_ != load || pos_ >= data_.size()) return ReadByteChecked();
        return static_cast<uint8_t>(data_[pos_++]);
    }
    uint16_t ReadWord() {
        if (mode_ != load || data_.size() - pos_ < 2) return ReadWordChecked();
        const auto* b = reinterpret_cast<const uint8_t*>(data_.data() + pos_);
        pos_ += 2;
        return static_cast<uint16_t>(b[0] | (b[1] << 8));
    }
    uint32_t ReadDWord() {
        if (mode_ != load || data_.size() - pos_ < 4) return ReadDWordChecked();
        const auto* b = reinterpret_cast<const uint8_t*>(data_.data() + pos_);
        pos_ += 4;
        return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
    }
    int16_t ReadShort() { return static_cast<int16_t>(ReadWord()); }
    int32_t ReadLong() { return static_cast<int32_t>(ReadDWord()); }
    std::string ReadString();
    // Appends the string read to out, without a string of its own.
    void ReadStringAppend(std::string& out);
    uint32_t ReadCount();
    // Where the next string lies: a string stored as bytes is left in the
    // input and its place there given; a wide one is appended to converted,
    // as UTF-8, and its place there given.
    struct StringPlace {
        size_t offset;
        size_t length;
        bool converted;
    };
    StringPlace ReadStringInPlace(std::string& converted) {
        // Inline for the short narrow string that is all there: a notes file has one a verse.
        if (mode_ == load && pos_ < data_.size()) {
            const auto n = static_cast<uint8_t>(data_[pos_]);
            if (n != 0xFF && data_.size() - pos_ - 1 >= n) {
                const size_t offset = pos_ + 1;
                pos_ = offset + n;
                return {offset, n, false};
            }
        }
        return ReadStringInPlaceChecked(converted);
    }
    // The whole input, handed over, so that what was read can stay where it
    // lies; nothing more can be read after.
    std::string TakeBytes();
    // n words, as n calls of ReadWord would read them.
    void ReadWords(uint16_t* words, size_t n);
    void Read(void* data, size_t n);

    // Throws the end-of-file error unless n more bytes can be read; callers
    // check a stored element count with it before allocating for it.
    void Require(uint64_t n) const;
    size_t Remaining() const { return data_.size() - pos_; }
    size_t Position() const { return pos_; }

    // The bytes stored so far (storing) or the whole input (loading).
    const std::string& Bytes() const { return data_; }

private:
    void RequireMode(Mode m) const;
    uint8_t ReadByteChecked();
    uint16_t ReadWordChecked();
    uint32_t ReadDWordChecked();
    StringPlace ReadStringInPlaceChecked(std::string& converted);
    [[noreturn]] void NotStoring() const;

    Mode mode_;
    std::string data_;
    size_t pos_ = 0;
    std::string fileName_;
};
