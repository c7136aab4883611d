// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewCommandRoutes.h"

#include "commands/CommandIds.h"
#include "view/CalView.h"

namespace {
struct Route {
    int id;
    CViewCommandRoutes::Handler handler;
};
}  // namespace

CViewCommandRoutes::Handler CViewCommandRoutes::Find(int id) {
    // One row per command the view handles; new commands add their rows here.
    static const Route kRoutes[] = {
        {CommandId::FileOpen, &CCalView::OnFileOpen},
        {CommandId::ImportCalendar, &CCalView::OnImportCalendar},
        {CommandId::ExportCalendar, &CCalView::OnExportCalendar},
        {CommandId::SynchroniseNow, &CCalView::OnSynchroniseNow},
        {CommandId::CheckDiary, &CCalView::OnCheckDiary},
        {CommandId::YearView, &CCalView::OnYearView},
        {CommandId::ShowPicture, &CCalView::OnShowPicture},
        {CommandId::Print, &CCalView::OnPrintCommand},
        {CommandId::PrintPreview, &CCalView::OnPrintPreview},
        {CommandId::PrintSetup, &CCalView::OnPrintSetup},
        {CommandId::ShowMarquee, &CCalView::OnShowMarquee},
        {CommandId::Options, &CCalView::OnOptions},
        {CommandId::NewDiaryEntry, &CCalView::OnNewDiaryEntry},
        {CommandId::EditDiary, &CCalView::OnEditDiary},
        {CommandId::DiaryEntryKey, &CCalView::OnDiaryEntryKey},
        {CommandId::Prev, &CCalView::OnPrev},
        {CommandId::Next, &CCalView::OnNext},
        {CommandId::This, &CCalView::OnThis},
        {CommandId::AlwaysOnTop, &CCalView::OnAlwaysOnTop},
        {CommandId::NoMenu, &CCalView::OnNoMenu},
        {CommandId::Maximize, &CCalView::OnMaximize},
        {CommandId::Minimize, &CCalView::OnMinimize},
        {CommandId::Restore, &CCalView::OnRestore},
        {CommandId::ExitNow, &CCalView::OnExitNow},
        {CommandId::Fonts, &CCalView::OnFonts},
        {CommandId::TextColour, &CCalView::OnTextColour},
        {CommandId::BackgroundColour, &CCalView::OnBackgroundColour},
        {CommandId::TodayTextColour, &CCalView::OnTodayTextColour},
        {CommandId::TodayBackgroundColour, &CCalView::OnTodayBackgroundColour},
        {CommandId::DiaryEntryTextColour, &CCalView::OnDiaryEntryTextColour},
        {CommandId::DiaryEntryBackgroundColour, &CCalView::OnDiaryEntryBackgroundColour},
        {CommandId::PublicHolidayTextColour, &CCalView::OnHolidayTextColour},
        {CommandId::PublicHolidayBackgroundColour, &CCalView::OnHolidayBackgroundColour},
        {CommandId::QuickHelp, &CCalView::OnQuickHelp},
        {CommandId::Sponsor, &CCalView::OnSponsor},
    };
    for (const Route& route : kRoutes) {
        if (route.id == id)
            return route.handler;
    }
    return nullptr;
}
