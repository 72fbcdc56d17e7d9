// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleCheck.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// zlib gives at most about 1032 bytes for each compressed byte.
constexpr uint64_t kLargestExpansion = 1100;
// No versification has this many places in a testament.
constexpr uint32_t kMostEntries = 1u << 20;

uint32_t Le(const unsigned char* p, size_t bytes) {
    uint32_t v = 0;
    for (size_t i = bytes; i-- > 0;)
        v = v << 8 | p[i];
    return v;
}

// A file of the module, opened without waiting (a FIFO would block an
// ordinary open until someone writes to it) and only when it is a regular file.
class CModuleFile {
public:
    explicit CModuleFile(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0) {
            problem_ = errno == ENOENT ? "is missing" : "cannot be read";
            return;
        }
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
            problem_ = "is not a regular file";
            return;
        }
        size_ = static_cast<uint64_t>(st.st_size);
    }
    ~CModuleFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    CModuleFile(const CModuleFile&) = delete;
    CModuleFile& operator=(const CModuleFile&) = delete;

    const char* Problem() const { return problem_; }
    uint64_t Size() const { return size_; }

    // The first `bytes` bytes (fewer when the file is shorter or a read fails).
    std::vector<unsigned char> Head(uint64_t bytes) const {
        std::vector<unsigned char> out(static_cast<size_t>(std::min(bytes, size_)));
        size_t got = 0;
        while (got < out.size()) {
            const ssize_t n = ::pread(fd_, out.data() + got, out.size() - got, static_cast<off_t>(got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        out.resize(got);
        return out;
    }

private:
    int fd_ = -1;
    const char* problem_ = nullptr;
    uint64_t size_ = 0;
};

struct Layout {
    const char* index;  // the verse index, after the testament's name
    const char* data;   // the text
    const char* blocks; // the block index, or null when the text is not in blocks
    size_t entry;       // bytes of a verse index entry
    size_t sizeBytes;   // bytes of an entry's size field
};

Layout Describe(CModuleLayout layout) {
    switch (layout) {
    case CModuleLayout::Compressed:
        return {".bzv", ".bzz", ".bzs", 10, 2};
    case CModuleLayout::Compressed4:
        return {".bzv", ".bzz", ".bzs", 12, 4};
    case CModuleLayout::Raw:
        return {".vss", "", nullptr, 6, 2};
    case CModuleLayout::Raw4:
        break;
    }
    return {".vss", "", nullptr, 8, 4};
}

} // namespace

std::optional<CModuleLayout> LayoutOfDriver(std::string_view driver) {
    if (driver == "zText") return CModuleLayout::Compressed;
    if (driver == "zText4") return CModuleLayout::Compressed4;
    if (driver == "RawText") return CModuleLayout::Raw;
    if (driver == "RawText4") return CModuleLayout::Raw4;
    return std::nullopt;
}

const std::string* CTestamentCheck::Problem(uint32_t index) const {
    if (index >= verse.size()) return reasons.empty() ? nullptr : &reasons.front();
    return verse[index] == 0 ? nullptr : &reasons[verse[index] - 1u];
}

std::string UnpackProblem(const std::string& testament, CModuleLayout layout) {
    return "the text of some of its verses in " + testament + Describe(layout).data + " cannot be read";
}

CTestamentCheck CheckTestament(const std::string& directory, const std::string& testament,
                               CModuleLayout layout, uint32_t entries) {
    const Layout l = Describe(layout);
    const std::string dir = directory.empty() || directory.back() == '/' ? directory : directory + "/";
    entries = std::min(entries, kMostEntries);
    CTestamentCheck check;
    check.verse.assign(entries, 0);
    // Marks the verses from `first` on as not read for `reason`, said once.
    auto refuse = [&check](size_t first, size_t last, const std::string& reason) {
        auto it = std::find(check.reasons.begin(), check.reasons.end(), reason);
        if (it == check.reasons.end()) it = check.reasons.insert(it, reason);
        const auto code = static_cast<uint8_t>(1 + (it - check.reasons.begin()));
        for (size_t i = first; i < last && i < check.verse.size(); ++i)
            check.verse[i] = code;
    };

    const std::string indexName = testament + l.index, dataName = testament + l.data;
    const std::string blocksName = l.blocks ? testament + l.blocks : std::string();
    const CModuleFile index(dir + indexName), data(dir + dataName);
    const std::optional<CModuleFile> blocks =
        l.blocks ? std::optional<CModuleFile>(std::in_place, dir + blocksName) : std::nullopt;
    for (const auto& [file, name] : {std::pair{&index, indexName}, std::pair{&data, dataName},
                                     std::pair{blocks ? &*blocks : nullptr, blocksName}})
        if (file && file->Problem()) {
            refuse(0, entries, "its file " + name + " " + file->Problem());
            return check;
        }

    // The unpacked size of each block, 0 for one that does not fit the text.
    std::vector<uint64_t> blockSize;
    const std::string blocksDamage = "its block index " + blocksName + " does not fit its text";
    if (blocks) {
        // No more blocks than verses; a longer index is read no further.
        const std::vector<unsigned char> bytes = blocks->Head(uint64_t(entries) * 12);
        for (size_t at = 0; at + 12 <= bytes.size(); at += 12) {
            const uint64_t offset = Le(&bytes[at], 4), packed = Le(&bytes[at + 4], 4),
                           unpacked = Le(&bytes[at + 8], 4);
            const bool fits = offset + packed <= data.Size() && packed <= kLargestModuleBlock &&
                              unpacked <= kLargestModuleBlock &&
                              unpacked <= packed * kLargestExpansion + 4096;
            blockSize.push_back(fits ? unpacked : 0);
        }
    }

    // Entries of another size than the layout's: the index is read with the wrong layout, or cut.
    if (index.Size() % l.entry != 0) {
        refuse(0, entries, "its verse index " + indexName + " does not fit its text");
        return check;
    }
    const std::vector<unsigned char> bytes = index.Head(uint64_t(entries) * l.entry);
    const size_t present = bytes.size() / l.entry;
    if (present < entries) refuse(present, entries, "its verse index " + indexName + " is cut short");
    size_t withText = 0;
    for (size_t i = 0; i < present; ++i) {
        const unsigned char* e = &bytes[i * l.entry];
        const size_t sizeAt = l.entry - l.sizeBytes;
        const uint64_t size = Le(e + sizeAt, l.sizeBytes);
        if (size == 0) continue; // a verse the module does not have
        ++withText;
        if (blocks) {
            const uint64_t block = Le(e, 4), start = Le(e + 4, 4);
            if (block < blockSize.size() && blockSize[block] > 0 && start + size <= blockSize[block])
                continue;
            const bool blockBad = block >= blockSize.size() || blockSize[block] == 0;
            refuse(i, i + 1,
                   blockBad ? blocksDamage : "its verse index " + indexName + " does not fit its text");
        } else {
            const uint64_t start = Le(e, 4);
            if (size <= kLargestModuleBlock && start + size <= data.Size()) continue;
            refuse(i, i + 1, "its verse index " + indexName + " does not fit its text");
        }
    }
    // An index that names no verse at all beside text that is there has lost its entries.
    if (withText == 0 && present > 0 && data.Size() > 0)
        refuse(0, entries, "its verse index " + indexName + " names none of its verses");
    return check;
}
