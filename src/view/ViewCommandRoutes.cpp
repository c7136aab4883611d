// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewCommandRoutes.h"

#include "commands/CommandIds.h"
#include "view/CalView.h"
#include "view/core/ColourCommands.h"

// The colour commands have no rows of their own: their table says which
// colour each one sets.
bool CViewCommandRoutes::Routes(int id) {
    return Find(id) != nullptr || FindColourCommand(id) != nullptr;
}

bool CViewCommandRoutes::Run(CCalView& view, int id) {
    if (const Handler handler = Find(id)) {
        handler(view);
        return true;
    }
    if (FindColourCommand(id) == nullptr)
        return false;
    view.RunColour(id);
    return true;
}

CViewCommandRoutes::Handler CViewCommandRoutes::Find(int id) {
    struct Route {
        int id;
        Handler handler;
    };
    // One row per command the view handles; new commands add their rows here.
    static const Route kRoutes[] = {
        {CommandId::FileOpen, [](CCalView& v) { v.m_diaryView.OpenOther(); }},
        {CommandId::ImportCalendar, [](CCalView& v) { v.m_diaryView.Import(); }},
        {CommandId::ExportCalendar, [](CCalView& v) { v.m_diaryView.Export(); }},
        {CommandId::SynchroniseNow, [](CCalView& v) { v.m_timed.SynchroniseNow(); }},
        {CommandId::CheckDiary, [](CCalView& v) { v.OnCheckDiary(); }},
        {CommandId::YearView, [](CCalView& v) { v.m_navigation.ToggleYearView(); }},
        {CommandId::ShowPicture, [](CCalView& v) { v.OnShowPicture(); }},
        {CommandId::Print, [](CCalView& v) { v.m_printing.RunPrintDialog(); }},
        {CommandId::PrintPreview, [](CCalView& v) { v.m_printing.RunPreview(); }},
        {CommandId::PrintSetup, [](CCalView& v) { v.m_printing.RunPageSetup(); }},
        {CommandId::ShowMarquee, [](CCalView& v) { v.OnShowMarquee(); }},
        {CommandId::Options, [](CCalView& v) { v.m_dialogs.RunOptions(); }},
        {CommandId::NewDiaryEntry, [](CCalView& v) { v.m_dialogs.NewEntry(); }},
        {CommandId::EditDiary, [](CCalView& v) { v.m_dialogs.EditDiary(); }},
        {CommandId::DiaryEntryKey, [](CCalView& v) { v.m_dialogs.EntryForKey(); }},
        {CommandId::Prev, [](CCalView& v) { v.m_navigation.Prev(); }},
        {CommandId::Next, [](CCalView& v) { v.m_navigation.Next(); }},
        {CommandId::This, [](CCalView& v) { v.m_navigation.This(); }},
        {CommandId::AlwaysOnTop, [](CCalView& v) { v.m_frame.ToggleOnTop(); }},
        {CommandId::NoMenu, [](CCalView& v) { v.m_frame.ToggleMenu(); }},
        {CommandId::Maximize, [](CCalView& v) { v.m_frame.Maximize(); }},
        {CommandId::Minimize, [](CCalView& v) { v.m_frame.Minimize(); }},
        {CommandId::Restore, [](CCalView& v) { v.m_frame.Restore(); }},
        {CommandId::ExitNow, [](CCalView& v) { v.m_frame.Close(); }},
        {CommandId::Fonts, [](CCalView& v) { v.OnFonts(); }},
        {CommandId::FitPage, [](CCalView& v) { v.OnFitPage(); }},
        {CommandId::FontLarger, [](CCalView& v) { v.OnZoom(ZoomStep::Larger); }},
        {CommandId::FontSmaller, [](CCalView& v) { v.OnZoom(ZoomStep::Smaller); }},
        {CommandId::FontDefault, [](CCalView& v) { v.OnZoom(ZoomStep::Default); }},
        {CommandId::QuickHelp, [](CCalView& v) { v.m_dialogs.RunQuickHelp(); }},
        {CommandId::Sponsor, [](CCalView& v) { v.m_dialogs.RunSponsor(); }},
    };
    for (const Route& route : kRoutes) {
        if (route.id == id)
            return route.handler;
    }
    return nullptr;
}
