// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Commands of the daily rhythm (reminders and the calendar export): a block
// of their own, apart from every other range of command ids.
namespace RhythmCmd {
inline constexpr int ExportPlanToCalendar = 0x8500;
inline constexpr int Reminder = 0x8501;
} // namespace RhythmCmd

// Help topics of the reminder dialog and the export, in the same block.
inline constexpr int kReminderDialogResource = 0x8510;
inline constexpr int kCalendarExportResource = 0x8511;
