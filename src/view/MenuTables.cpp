#include "view/MenuTables.h"

#include "app/CommandIds.h"

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
    return {Item(Cmd::TextColour, "Text"),
            Item(Cmd::BackgroundColour, "Background"),
            Item(Cmd::TodayTextColour, "Today - Text"),
            Item(Cmd::TodayBackgroundColour, "Today - Background"),
            Item(Cmd::DiaryEntryTextColour, "Diary Entry- Text"),
            Item(Cmd::DiaryEntryBackgroundColour, "Diary Entry - Background"),
            Item(Cmd::PublicHolidayTextColour, holidayText),
            Item(Cmd::PublicHolidayBackgroundColour, "Public Holiday - Background")};
}

std::vector<MenuEntry> BuildMainMenu() {
    return {
        Popup("&File",
              {Item(Cmd::FileOpen, "&Open...\tCtrl+O"), Separator(),
               Item(Cmd::PrintSetup, "P&rint Setup..."), Item(Cmd::Print, "&Print...\tCtrl+P"),
               Item(Cmd::PrintPreview, "Print Pre&view"), Separator(),
               Item(Cmd::AlwaysOnTop, "&Always On Top"), Item(Cmd::NoMenu, "&No Menu"),
               Item(Cmd::AppExit, "E&xit")}),
        Popup("&Edit", {Item(Cmd::CheckDiary, "C&heck Diary"),
                        Item(Cmd::NewDiaryEntry, "New &Diary Entry..."),
                        Item(Cmd::EditDiary, "Edit Diary")}),
        Popup("&Config",
              {Item(Cmd::Fonts, "&Fonts"),
               Popup("Colors", ColoursPopupItems("Public Holiday - Text")),
               Item(Cmd::Options, "Options"), Item(Cmd::YearView, "&Year View"),
               Item(Cmd::ShowPicture, "Show picture"), Item(Cmd::ShowMarquee, "Show Marquee")}),
        Item(Cmd::Prev, "&Prev"),
        Item(Cmd::Next, "&Next"),
        Item(Cmd::This, "&This"),
        Popup("&Help", {Item(Cmd::QuickHelp, "Quick &Help..."),
                        Item(Cmd::About, "&About Plenda..."), Item(Cmd::Sponsor, "Sponsor")}),
    };
}

std::vector<MenuEntry> BuildContextMenu() {
    return {Item(Cmd::Fonts, "Fonts..."),
            Popup("Colors", ColoursPopupItems("Public Holiday- Text")),
            Item(Cmd::YearView, "Year View"),
            Item(Cmd::ShowPicture, "Show  picture"),
            Item(Cmd::ShowMarquee, "Show marquee"),
            Item(Cmd::Options, "Options"),
            Separator(),
            Item(Cmd::CheckDiary, "Check Diary"),
            Item(Cmd::NewDiaryEntry, "New Diary Entry"),
            Item(Cmd::EditDiary, "Edit Diary"),
            Separator(),
            Item(Cmd::AlwaysOnTop, "Always On Top"),
            Item(Cmd::NoMenu, "No Menu"),
            Separator(),
            Item(Cmd::FileOpen, "File Open..."),
            Separator(),
            Item(Cmd::PrintSetup, "Print Setup"),
            Item(Cmd::Print, "Print"),
            Item(Cmd::PrintPreview, "Print Preview"),
            Separator(),
            Item(Cmd::Maximize, "Maximize"),
            Item(Cmd::Minimize, "Minimize"),
            Item(Cmd::Restore, "Restore"),
            Separator(),
            Item(Cmd::QuickHelp, "Quick Help"),
            Item(Cmd::About, "&About Plenda"),
            Separator(),
            Item(Cmd::Sponsor, "Sponsor"),
            Separator(),
            Item(Cmd::Exit, "Exit")};
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
        case Cmd::AlwaysOnTop:
        case Cmd::NoMenu:
        case Cmd::YearView:
        case Cmd::ShowPicture:
        case Cmd::ShowMarquee:
            return true;
        default:
            return false;
    }
}

bool IsCommandChecked(int id, const MenuCheckState& state) {
    switch (id) {
        case Cmd::AlwaysOnTop:
            return state.onTop;
        case Cmd::NoMenu:
            return !state.frameHasMenu;
        case Cmd::YearView:
            return state.yearView;
        case Cmd::ShowPicture:
            return state.showPicture;
        case Cmd::ShowMarquee:
            return state.marqueeOn;
        default:
            return false;
    }
}

const std::vector<Accelerator>& AcceleratorTable() {
    static const std::vector<Accelerator> table = {
        {Alt(Qt::Key_A), Cmd::About},
        {Alt(Qt::Key_B), Cmd::BackgroundColour},
        {Alt(Qt::Key_C), Cmd::CheckDiary},
        {Alt(Qt::Key_D), Cmd::DiaryEntryKey},
        {Alt(Qt::Key_F), Cmd::Fonts},
        {Alt(Qt::Key_H), Cmd::QuickHelp},
        {Alt(Qt::Key_M), Cmd::NoMenu},
        {Alt(Qt::Key_T), Cmd::TextColour},
        {Alt(Qt::Key_Y), Cmd::YearView},
        {Alt(Qt::Key_Left), Cmd::Prev},
        {Alt(Qt::Key_Right), Cmd::Next},
        {Alt(Qt::Key_Down), Cmd::This},
        {Alt(Qt::Key_Up), Cmd::AlwaysOnTop},
        {Ctrl(Qt::Key_O), Cmd::FileOpen},
        // The File menu has always shown Ctrl+P beside Print; the key now does what it says.
        {Ctrl(Qt::Key_P), Cmd::Print},
        {Ctrl(Qt::Key_R), Cmd::Sponsor},
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
