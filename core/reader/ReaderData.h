// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <string>

class CArchive;

// The platform's window placement record: eleven 32-bit fields, 44 bytes.
struct WindowPlacement {
    int32_t length = 0;
    int32_t flags = 0;
    int32_t showCmd = 1; // 1 shown normally, 7 minimized without activation, 3 maximized
    int32_t minX = 0, minY = 0;
    int32_t maxX = 0, maxY = 0;
    int32_t left = 0, top = 0, right = 100, bottom = 100;
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr int32_t SW_SHOWNORMAL = 1;
inline constexpr int32_t SW_SHOWMINIMIZED = 2;
inline constexpr int32_t SW_SHOWMAXIMIZED = 3;
inline constexpr int32_t SW_SHOWMINNOACTIVE = 7;

// Window placement slots of a reader record.
enum PlacementSlot { kGeneralNotesSlot = 1, kPrayerBookSlot = 2, kReadingPlanSlot = 3, kVerseNotesSlot = 4 };

// One reader environment: the reader's names, where the files lie and where
// the windows were.
class CReaderData {
public:
    const std::string& GetFirstName() const { return firstName; }
    const std::string& GetLastName() const { return lastName; }
    const std::string& GetNickname() const { return nickname; }
    const std::string& GetDisplayName() const { return displayName; }
    const std::string& GetFileStem() const { return fileStem; }
    const std::string& GetGeneralNotesPath() const { return generalNotesPath; }
    int32_t GetApocrypha() const { return apocrypha; }
    void SetFirstName(const std::string& s) { firstName = s; }
    void SetLastName(const std::string& s) { lastName = s; }
    void SetNickname(const std::string& s) { nickname = s; }
    void SetDisplayName(const std::string& s) { displayName = s; }
    void SetFileStem(const std::string& s) { fileStem = s; }
    void SetGeneralNotesPath(const std::string& s) { generalNotesPath = s; }
    void ClearApocrypha() { apocrypha = 0; }

    // Slots 1 … 4; other numbers are ignored (set) or give the default (get).
    void SetPlacement(int slot, const WindowPlacement& p);
    WindowPlacement GetPlacement(int slot) const;

    // The nickname qualified by the names: "Bob (John Smith)".
    std::string QualifiedName() const;

    void Serialize(CArchive& ar);
    bool operator==(const CReaderData&) const = default;

private:
    std::string firstName;
    std::string lastName;
    std::string nickname;
    std::string displayName;
    std::string fileStem;
    std::string generalNotesPath;
    int32_t apocrypha = 0;
    std::array<WindowPlacement, 4> placements{};
};
