// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/MenuTables.h"

#include "commands/CommandIds.h"

namespace {

MenuEntry Item(int id, const char* text) {
    return {MenuEntry::Kind::Command, id, text, {}};
}
MenuEntry Separator() {
    return {MenuEntry::Kind::Separator, 0, {}, {}};
}
MenuEntry Popup(const char* text, std::vector<MenuEntry> children) {
    return {MenuEntry::Kind::Popup, 0, text, std::move(children)};
}

// The two menus spell a few colour items differently; both spellings are kept.
std::vector<MenuEntry> ColoursPopupItems(const char* holidayText) {
    return {Item(CommandId::TextColour, "Text"),
            Item(CommandId::BackgroundColour, "Background"),
            Item(CommandId::TodayTextColour, "Today - Text"),
            Item(CommandId::TodayBackgroundColour, "Today - Background"),
            Item(CommandId::DiaryEntryTextColour, "Diary Entry- Text"),
            Item(CommandId::DiaryEntryBackgroundColour, "Diary Entry - Background"),
            Item(CommandId::PublicHolidayTextColour, holidayText),
            Item(CommandId::PublicHolidayBackgroundColour, "Public Holiday - Background")};
}

std::vector<MenuEntry> BuildMainMenu() {
    return {
        Popup("&File", {Item(CommandId::FileOpen, "&Open...\tCtrl+O"),
                        Item(CommandId::ImportCalendar, "&Import Calendar..."),
                        Item(CommandId::ExportCalendar, "&Export Calendar..."),
                        Item(CommandId::SynchroniseNow, "&Synchronise Now"), Separator(),
                        Item(CommandId::PrintSetup, "P&rint Setup..."),
                        Item(CommandId::Print, "&Print...\tCtrl+P"),
                        Item(CommandId::PrintPreview, "Print Pre&view"), Separator(),
                        Item(CommandId::AlwaysOnTop, "&Always On Top"),
                        Item(CommandId::NoMenu, "&No Menu"), Item(CommandId::Exit, "E&xit")}),
        Popup("&Edit", {Item(CommandId::CheckDiary, "C&heck Diary"),
                        Item(CommandId::NewDiaryEntry, "New &Diary Entry..."),
                        Item(CommandId::EditDiary, "Edit Diary")}),
        Popup("&Config",
              {Item(CommandId::Fonts, "&Fonts"), Item(CommandId::FitPage, "Fit page to window"),
               Popup("Colors", ColoursPopupItems("Public Holiday - Text")),
               Item(CommandId::Options, "Options"), Item(CommandId::YearView, "&Year View"),
               Item(CommandId::ShowPicture, "Show picture"),
               Item(CommandId::ShowMarquee, "Show Marquee")}),
        Item(CommandId::Prev, "&Prev"),
        Item(CommandId::Next, "&Next"),
        Item(CommandId::This, "&This"),
        Popup("&Help",
              {Item(CommandId::QuickHelp, "Quick &Help..."),
               Item(CommandId::About, "&About Plenda..."), Item(CommandId::Sponsor, "Sponsor")}),
    };
}

std::vector<MenuEntry> BuildContextMenu() {
    return {Item(CommandId::Fonts, "Fonts..."),
            Item(CommandId::FitPage, "Fit page to window"),
            Popup("Colors", ColoursPopupItems("Public Holiday- Text")),
            Item(CommandId::YearView, "Year View"),
            Item(CommandId::ShowPicture, "Show  picture"),
            Item(CommandId::ShowMarquee, "Show marquee"),
            Item(CommandId::Options, "Options"),
            Separator(),
            Item(CommandId::CheckDiary, "Check Diary"),
            Item(CommandId::NewDiaryEntry, "New Diary Entry"),
            Item(CommandId::EditDiary, "Edit Diary"),
            Separator(),
            Item(CommandId::AlwaysOnTop, "Always On Top"),
            Item(CommandId::NoMenu, "No Menu"),
            Separator(),
            Item(CommandId::FileOpen, "File Open..."),
            Item(CommandId::ImportCalendar, "Import Calendar..."),
            Item(CommandId::ExportCalendar, "Export Calendar..."),
            Item(CommandId::SynchroniseNow, "Synchronise Now"),
            Separator(),
            Item(CommandId::PrintSetup, "Print Setup"),
            Item(CommandId::Print, "Print"),
            Item(CommandId::PrintPreview, "Print Preview"),
            Separator(),
            Item(CommandId::Maximize, "Maximize"),
            Item(CommandId::Minimize, "Minimize"),
            Item(CommandId::Restore, "Restore"),
            Separator(),
            Item(CommandId::QuickHelp, "Quick Help"),
            Item(CommandId::About, "&About Plenda"),
            Separator(),
            Item(CommandId::Sponsor, "Sponsor"),
            Separator(),
            Item(CommandId::ExitNow, "Exit")};
}

QKeyCombination Alt(Qt::Key key) {
    return QKeyCombination(Qt::AltModifier, key);
}
QKeyCombination Ctrl(Qt::Key key) {
    return QKeyCombination(Qt::ControlModifier, key);
}

}  // namespace

const std::vector<MenuEntry>& MainMenuTable() {
    static const std::vector<MenuEntry> table = BuildMainMenu();
    return table;
}

const std::vector<MenuEntry>& ContextMenuTable() {
    static const std::vector<MenuEntry> table = BuildContextMenu();
    return table;
}

bool IsCheckableCommand(int id) {
    switch (id) {
        case CommandId::AlwaysOnTop:
        case CommandId::NoMenu:
        case CommandId::YearView:
        case CommandId::ShowPicture:
        case CommandId::ShowMarquee:
        case CommandId::FitPage:
            return true;
        default:
            return false;
    }
}

bool IsCommandChecked(int id, const MenuCheckState& state) {
    switch (id) {
        case CommandId::AlwaysOnTop:
            return state.onTop;
        case CommandId::NoMenu:
            return !state.frameHasMenu;
        case CommandId::YearView:
            return state.yearView;
        case CommandId::ShowPicture:
            return state.showPicture;
        case CommandId::ShowMarquee:
            return state.marqueeOn;
        case CommandId::FitPage:
            return state.fitPage;
        default:
            return false;
    }
}

const std::vector<Accelerator>& AcceleratorTable() {
    static const std::vector<Accelerator> table = {
        {Alt(Qt::Key_A), CommandId::About},
        {Alt(Qt::Key_B), CommandId::BackgroundColour},
        {Alt(Qt::Key_C), CommandId::CheckDiary},
        {Alt(Qt::Key_D), CommandId::DiaryEntryKey},
        {Alt(Qt::Key_F), CommandId::Fonts},
        {Alt(Qt::Key_H), CommandId::QuickHelp},
        {Alt(Qt::Key_M), CommandId::NoMenu},
        {Alt(Qt::Key_T), CommandId::TextColour},
        {Alt(Qt::Key_Y), CommandId::YearView},
        {Alt(Qt::Key_Left), CommandId::Prev},
        {Alt(Qt::Key_Right), CommandId::Next},
        {Alt(Qt::Key_Down), CommandId::This},
        {Alt(Qt::Key_Up), CommandId::AlwaysOnTop},
        {Ctrl(Qt::Key_O), CommandId::FileOpen},
        // The File menu has always shown Ctrl+P beside Print; the key now does what it says.
        {Ctrl(Qt::Key_P), CommandId::Print},
        {Ctrl(Qt::Key_R), CommandId::Sponsor},
        // Plus is a shifted key on many layouts; Ctrl+= is the same key unshifted.
        {Ctrl(Qt::Key_Plus), CommandId::FontLarger},
        {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus),
         CommandId::FontLarger},
        {Ctrl(Qt::Key_Equal), CommandId::FontLarger},
        {Ctrl(Qt::Key_Minus), CommandId::FontSmaller},
        {Ctrl(Qt::Key_0), CommandId::FontDefault},
    };
    return table;
}

int AcceleratorCommand(QKeyCombination keys) {
    // Keypad arrows carry the keypad modifier; they are the same keys to the user.
    const QKeyCombination plain(keys.keyboardModifiers() & ~Qt::KeypadModifier, keys.key());
    for (const Accelerator& accelerator : AcceleratorTable()) {
        if (accelerator.keys == plain)
            return accelerator.id;
    }
    return 0;
}
