// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Archive.h"
#include "foundation/ErrorMessages.h"
#include "foundation/Exceptions.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

std::string Bytes(std::initializer_list<int> b) {
    std::string s;
    for (int x : b)
        s.push_back(static_cast<char>(x));
    return s;
}

std::string Prefix(const std::string& stored, size_t n) {
    return stored.substr(0, n);
}

TEST(Archive, PrimitivesAreLittleEndianWithoutPadding) {
    CArchive ar;
    ar.WriteByte(0xAB);
    ar.WriteWord(0x1234);
    ar.WriteShort(-2);
    ar.WriteDWord(0xDEADBEEF);
    ar.WriteLong(-1);
    ar.Write("xy", 2);
    EXPECT_EQ(ar.Bytes(), Bytes({0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xEF, 0xBE, 0xAD, 0xDE, 0xFF, 0xFF, 0xFF, 0xFF,
                                 'x', 'y'}));
    CArchive in(ar.Bytes());
    EXPECT_EQ(in.ReadByte(), 0xAB);
    EXPECT_EQ(in.ReadWord(), 0x1234);
    EXPECT_EQ(in.ReadShort(), -2);
    EXPECT_EQ(in.ReadDWord(), 0xDEADBEEFu);
    EXPECT_EQ(in.ReadLong(), -1);
    char xy[2];
    in.Read(xy, 2);
    EXPECT_EQ(std::string(xy, 2), "xy");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, StringLengthPrefixes) {
    struct Case {
        size_t length;
        std::string prefix;
    } cases[] = {
        {0, Bytes({0x00})},
        {1, Bytes({0x01})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'a');
        CArchive ar;
        ar.WriteString(text);
        ASSERT_EQ(ar.Bytes().size(), c.prefix.size() + c.length);
        EXPECT_EQ(Prefix(ar.Bytes(), c.prefix.size()), c.prefix);
        CArchive in(ar.Bytes());
        EXPECT_EQ(in.ReadString(), text);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(Archive, WideStringIsConvertedToUtf8) {
    // "Aé€" as UTF-16LE behind the wide marker, with a one-byte length.
    CArchive in(Bytes({0xFF, 0xFE, 0xFF, 0x03, 'A', 0x00, 0xE9, 0x00, 0xAC, 0x20, 'z'}));
    EXPECT_EQ(in.ReadString(), "A\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(in.ReadByte(), 'z');
    // The second prefix has the length forms only: a word length of 2.
    CArchive wordLength(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x00, 'h', 0, 'i', 0}));
    EXPECT_EQ(wordLength.ReadString(), "hi");
    // An unpaired surrogate does not stop the read.
    CArchive surrogate(Bytes({0xFF, 0xFE, 0xFF, 0x01, 0x00, 0xD8}));
    EXPECT_EQ(surrogate.ReadString(), "\xEF\xBF\xBD");
}

TEST(Archive, CountForms) {
    struct Case {
        uint32_t count;
        std::string bytes;
    } cases[] = {
        {0, Bytes({0, 0})},
        {65534, Bytes({0xFE, 0xFF})},
        {65535, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {0x12345678, Bytes({0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12})},
    };
    for (const Case& c : cases) {
        CArchive ar;
        ar.WriteCount(c.count);
        EXPECT_EQ(ar.Bytes(), c.bytes) << c.count;
        CArchive in(c.bytes);
        EXPECT_EQ(in.ReadCount(), c.count);
    }
}

TEST(Archive, TruncatedInputRaisesEndOfFile) {
    const std::string cases[] = {
        "",                                                // nothing at all
        Bytes({0x05, 'a', 'b'}),                           // string shorter than announced
        Bytes({0xFF, 0x10}),                               // word length cut
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),             // dword length cut
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), // 4 GiB announced: no allocation
        Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0}),           // wide string cut
    };
    for (const std::string& bytes : cases) {
        CArchive in(bytes, "Bob.vnpln");
        try {
            in.ReadString();
            ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.cause, CArchiveException::endOfFile);
            EXPECT_EQ(LoadErrorMessage(e, "Bob.vnpln"),
                      "Unexpected file format.\nBob.vnpln is damaged or is not a file of its kind.");
        }
    }
    CArchive words(Bytes({0x01}));
    EXPECT_THROW(words.ReadWord(), CArchiveException);
}

TEST(Archive, DirectionIsEnforced) {
    CArchive out;
    EXPECT_THROW(out.ReadByte(), CArchiveException);
    CArchive in(std::string("x"));
    EXPECT_THROW(in.WriteByte(1), CArchiveException);
}

TEST(ErrorMessages, TextsByCause) {
    const std::string name = "Bob.vnpln";
    struct Case {
        CFileException::Cause cause;
        std::string load, save;
    } cases[] = {
        {CFileException::fileNotFound,
         "Bob.vnpln\nCannot find this file.\nPlease verify that the correct path and file name are given.",
         "Bob.vnpln\nCannot find this file.\nPlease verify that the correct path and file name are given."},
        {CFileException::accessDenied, "Unable to read from Bob.vnpln, it is opened by someone else.",
         "Unable to write to Bob.vnpln, it is read-only or opened by someone else."},
        {CFileException::diskFull, "Destination disk drive is full.", "Destination disk drive is full."},
        {CFileException::hardIO, "Failed to open document.", "Failed to save document."},
    };
    for (const Case& c : cases) {
        CFileException e(c.cause, name);
        EXPECT_EQ(LoadErrorMessage(e, name), c.load);
        EXPECT_EQ(SaveErrorMessage(e, name), c.save);
    }
    for (auto cause : {CArchiveException::endOfFile, CArchiveException::badIndex, CArchiveException::badClass,
                       CArchiveException::badSchema}) {
        EXPECT_EQ(LoadErrorMessage(CArchiveException(cause), name),
                  "Unexpected file format.\n" + name + " is damaged or is not a file of its kind.");
        EXPECT_EQ(LoadErrorMessage(CArchiveException(cause), ""), "Unexpected file format.");
    }
    EXPECT_EQ(SaveErrorMessage(std::runtime_error("x"), name), "Failed to save document.");

    // With the system's reason, every message names the file and says what the system said.
    struct Os {
        int err;
        bool loading;
        std::string text;
    } withReasons[] = {
        {EACCES, true, "Unable to read from Bob.vnpln: Permission denied."},
        {EACCES, false, "Unable to write to Bob.vnpln, it is read-only or opened by someone else."},
        {ENOSPC, false, "Destination disk drive is full.\nBob.vnpln could not be written."},
        {EISDIR, true, "Failed to open document.\nBob.vnpln: Is a directory."},
        {EISDIR, false, "Failed to save document.\nBob.vnpln: Is a directory."},
        {EIO, true, "Failed to open document.\nBob.vnpln: Input/output error."},
    };
    for (const Os& o : withReasons) {
        CFileException e = CFileException::FromErrno(o.err, name);
        EXPECT_EQ(o.loading ? LoadErrorMessage(e, name) : SaveErrorMessage(e, name), o.text) << o.err;
    }
    EXPECT_EQ(LoadErrorMessage(CFileException(CFileException::invalidFile, name), name),
              "Bob.vnpln\nThis is not a regular file, so it was not read.");
    EXPECT_EQ(LoadErrorMessage(CFileException(CFileException::tooLarge, name), name),
              "Bob.vnpln\nThis file is larger than any file of its kind can be, so it was not read.");
}

} // namespace
