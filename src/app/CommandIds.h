#pragma once

// The numeric command identifiers carried by menu items, accelerators and
// QActions. The numbers are kept from the original resources so that the
// routing tables and the tests can name them.
namespace Cmd {
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
    Exit = 32795,
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

    FileOpen = 57601,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    About = 57664,
    AppExit = 57665,
};
}  // namespace Cmd
