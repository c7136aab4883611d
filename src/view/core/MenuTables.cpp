// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/MenuTables.h"

#include <QtGlobal>

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
// The texts are English; the menus translate them as they build (context "Menu").
std::vector<MenuEntry> ColoursPopupItems(const char* holidayText) {
    return {Item(CommandId::TextColour, QT_TRANSLATE_NOOP("Menu", "Text")),
            Item(CommandId::BackgroundColour, QT_TRANSLATE_NOOP("Menu", "Background")),
            Item(CommandId::TodayTextColour, QT_TRANSLATE_NOOP("Menu", "Today - Text")),
            Item(CommandId::TodayBackgroundColour, QT_TRANSLATE_NOOP("Menu", "Today - Background")),
            Item(CommandId::DiaryEntryTextColour, QT_TRANSLATE_NOOP("Menu", "Diary Entry- Text")),
            Item(CommandId::DiaryEntryBackgroundColour,
                 QT_TRANSLATE_NOOP("Menu", "Diary Entry - Background")),
            Item(CommandId::PublicHolidayTextColour, holidayText),
            Item(CommandId::PublicHolidayBackgroundColour,
                 QT_TRANSLATE_NOOP("Menu", "Public Holiday - Background"))};
}

std::vector<MenuEntry> BuildMainMenu() {
    return {
        Popup(
            QT_TRANSLATE_NOOP("Menu", "&File"),
            {Item(CommandId::FileOpen, QT_TRANSLATE_NOOP("Menu", "&Open...\tCtrl+O")),
             Item(CommandId::ImportCalendar, QT_TRANSLATE_NOOP("Menu", "&Import Calendar...")),
             Item(CommandId::ExportCalendar, QT_TRANSLATE_NOOP("Menu", "&Export Calendar...")),
             Item(CommandId::SynchroniseNow, QT_TRANSLATE_NOOP("Menu", "&Synchronise Now")),
             Separator(), Item(CommandId::PrintSetup, QT_TRANSLATE_NOOP("Menu", "P&rint Setup...")),
             Item(CommandId::Print, QT_TRANSLATE_NOOP("Menu", "&Print...\tCtrl+P")),
             Item(CommandId::PrintPreview, QT_TRANSLATE_NOOP("Menu", "Print Pre&view")),
             Separator(), Item(CommandId::AlwaysOnTop, QT_TRANSLATE_NOOP("Menu", "&Always On Top")),
             Item(CommandId::NoMenu, QT_TRANSLATE_NOOP("Menu", "&No Menu")),
             Item(CommandId::Exit, QT_TRANSLATE_NOOP("Menu", "E&xit"))}),
        Popup(QT_TRANSLATE_NOOP("Menu", "&Edit"),
              {Item(CommandId::CheckDiary, QT_TRANSLATE_NOOP("Menu", "C&heck Diary")),
               Item(CommandId::NewDiaryEntry, QT_TRANSLATE_NOOP("Menu", "New &Diary Entry...")),
               Item(CommandId::EditDiary, QT_TRANSLATE_NOOP("Menu", "Edit Diary"))}),
        Popup(QT_TRANSLATE_NOOP("Menu", "&Config"),
              {Item(CommandId::Fonts, QT_TRANSLATE_NOOP("Menu", "&Fonts")),
               Item(CommandId::FitPage, QT_TRANSLATE_NOOP("Menu", "Fit page to window")),
               Popup(QT_TRANSLATE_NOOP("Menu", "Colors"),
                     ColoursPopupItems(QT_TRANSLATE_NOOP("Menu", "Public Holiday - Text"))),
               Item(CommandId::Options, QT_TRANSLATE_NOOP("Menu", "Options")),
               Item(CommandId::YearView, QT_TRANSLATE_NOOP("Menu", "&Year View")),
               Item(CommandId::ShowPicture, QT_TRANSLATE_NOOP("Menu", "Show picture")),
               Item(CommandId::ShowMarquee, QT_TRANSLATE_NOOP("Menu", "Show Marquee"))}),
        Item(CommandId::Prev, QT_TRANSLATE_NOOP("Menu", "&Prev")),
        Item(CommandId::Next, QT_TRANSLATE_NOOP("Menu", "&Next")),
        Item(CommandId::This, QT_TRANSLATE_NOOP("Menu", "&This")),
        Popup(QT_TRANSLATE_NOOP("Menu", "&Help"),
              {Item(CommandId::QuickHelp, QT_TRANSLATE_NOOP("Menu", "Quick &Help...")),
               Item(CommandId::About, QT_TRANSLATE_NOOP("Menu", "&About Plenda...")),
               Item(CommandId::Sponsor, QT_TRANSLATE_NOOP("Menu", "Sponsor"))}),
    };
}

std::vector<MenuEntry> BuildContextMenu() {
    return {Item(CommandId::Fonts, QT_TRANSLATE_NOOP("Menu", "Fonts...")),
            Item(CommandId::FitPage, QT_TRANSLATE_NOOP("Menu", "Fit page to window")),
            Popup(QT_TRANSLATE_NOOP("Menu", "Colors"),
                  ColoursPopupItems(QT_TRANSLATE_NOOP("Menu", "Public Holiday- Text"))),
            Item(CommandId::YearView, QT_TRANSLATE_NOOP("Menu", "Year View")),
            Item(CommandId::ShowPicture, QT_TRANSLATE_NOOP("Menu", "Show  picture")),
            Item(CommandId::ShowMarquee, QT_TRANSLATE_NOOP("Menu", "Show marquee")),
            Item(CommandId::Options, QT_TRANSLATE_NOOP("Menu", "Options")),
            Separator(),
            Item(CommandId::CheckDiary, QT_TRANSLATE_NOOP("Menu", "Check Diary")),
            Item(CommandId::NewDiaryEntry, QT_TRANSLATE_NOOP("Menu", "New Diary Entry")),
            Item(CommandId::EditDiary, QT_TRANSLATE_NOOP("Menu", "Edit Diary")),
            Separator(),
            Item(CommandId::AlwaysOnTop, QT_TRANSLATE_NOOP("Menu", "Always On Top")),
            Item(CommandId::NoMenu, QT_TRANSLATE_NOOP("Menu", "No Menu")),
            Separator(),
            Item(CommandId::FileOpen, QT_TRANSLATE_NOOP("Menu", "File Open...")),
            Item(CommandId::ImportCalendar, QT_TRANSLATE_NOOP("Menu", "Import Calendar...")),
            Item(CommandId::ExportCalendar, QT_TRANSLATE_NOOP("Menu", "Export Calendar...")),
            Item(CommandId::SynchroniseNow, QT_TRANSLATE_NOOP("Menu", "Synchronise Now")),
            Separator(),
            Item(CommandId::PrintSetup, QT_TRANSLATE_NOOP("Menu", "Print Setup")),
            Item(CommandId::Print, QT_TRANSLATE_NOOP("Menu", "Print")),
            Item(CommandId::PrintPreview, QT_TRANSLATE_NOOP("Menu", "Print Preview")),
            Separator(),
            Item(CommandId::Maximize, QT_TRANSLATE_NOOP("Menu", "Maximize")),
            Item(CommandId::Minimize, QT_TRANSLATE_NOOP("Menu", "Minimize")),
            Item(CommandId::Restore, QT_TRANSLATE_NOOP("Menu", "Restore")),
            Separator(),
            Item(CommandId::QuickHelp, QT_TRANSLATE_NOOP("Menu", "Quick Help")),
            Item(CommandId::About, QT_TRANSLATE_NOOP("Menu", "&About Plenda")),
            Separator(),
            Item(CommandId::Sponsor, QT_TRANSLATE_NOOP("Menu", "Sponsor")),
            Separator(),
            Item(CommandId::ExitNow, QT_TRANSLATE_NOOP("Menu", "Exit"))};
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
