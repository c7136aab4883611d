// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numeric identifiers of every command of the main menu, the context
// menu, the accelerators and the view's routing table. Menus, accelerators
// and routing tables all speak these numbers; a QAction carries its
// identifier in its data().
namespace CommandId {
enum : int {
    QuickHelp = 110,

    Fonts = 32771,
    BackgroundColour = 32773,
    TextColour = 32774,
    Prev = 32775,
    Next = 32776,
    AlwaysOnTop = 32777,
    NoMenu = 32778,
    This = 32779,
    CheckDiary = 32782,
    YearView = 32787,
    Maximize = 32791,
    Minimize = 32792,
    Restore = 32794,
    ExitNow = 32795,
    DiaryEntryTextColour = 32797,
    DiaryEntryBackgroundColour = 32798,
    TodayTextColour = 32799,
    TodayBackgroundColour = 32800,
    EditDiary = 32801,
    PublicHolidayTextColour = 32802,
    PublicHolidayBackgroundColour = 32804,
    Sponsor = 32806,
    DiaryEntryKey = 32809,  // Alt+D
    Options = 32812,
    NewDiaryEntry = 32815,
    ShowPicture = 32816,
    ShowMarquee = 32817,
    ImportCalendar = 32830,
    ExportCalendar = 32831,
    SynchroniseNow = 32832,
    FitPage = 32840,
    FontLarger = 32841,   // Ctrl+Plus
    FontSmaller = 32842,  // Ctrl+Minus
    FontDefault = 32843,  // Ctrl+0

    FileOpen = 57601,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    About = 57664,
    Exit = 57665,
};
}  // namespace CommandId
