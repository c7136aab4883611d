// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/CalView.h"

#include <exception>
#include <stdexcept>

#include "commands/CommandIds.h"
#include "platform/Prompts.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "view/CalViewAccessible.h"
#include "view/ViewCommandRoutes.h"
#include "view/ViewFonts.h"
#include "view/ViewMarquee.h"

namespace {
const char* const kErrorCaption = QT_TRANSLATE_NOOP("CCalView", "Calendar");

// Days tell their messages only where there is a box to tell them in and a
// way to play their tunes.
std::unique_ptr<CReminders> MakeReminders(const PlatformServices& services,
                                          CDiarySetHolder& diary) {
    if (!services.tunes || !services.prompts)
        return nullptr;
    return std::make_unique<CReminders>(diary, *services.prompts, *services.clock, *services.tunes);
}
}  // namespace

CCalView::CCalView(const PlatformServices& services, CSettingsHelper& settings, QWidget* parent,
                   ViewStart start)
    : QAbstractScrollArea(parent),
      m_services(services),
      m_settingsHelper(settings),
      m_dates(*services.clock),
      m_diary(settings.Store()),
      m_reminders(MakeReminders(services, m_diary)),
      m_diaryView(settings.Store(), m_services, m_diary, m_index, m_dates, m_settings,
                  DiaryHooks()),
      m_page(*this, m_dates, m_settings, m_fonts, m_index),
      m_printing(*this, m_page, m_settings, [this](const QString& text) { ReportError(text); }),
      m_frame(*this, m_settings, settings, m_services),
      m_dialogs(*this, settings, m_services, m_page, m_dates, DialogHooks()),
      m_input(*this, m_page, m_dates, m_index, m_settings, m_reminders.get(), InputHooks()),
      m_navigation(m_dates, m_settings, settings,
                   {[this] { PageChanged(); },
                    [this](bool on) { m_frame.CheckMenuItem(CommandId::YearView, on); }}),
      m_cursor(*this, m_page, m_dates, CursorHooks()),
      m_timed(*this, settings, m_services, TimedHooks()) {
    setObjectName(QStringLiteral("calView"));
    CCalViewAccessible::Install();
    // The page is the whole window, as on a printed calendar: no sunken frame.
    setFrameShape(QFrame::NoFrame);
    // The paint covers every pixel; erasing first would only flicker.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);

    m_dates.RefreshToday();
    m_dates.GoToToday();
    m_settings = LoadViewSettings(m_settingsHelper);
    BuildFonts();
    m_page.LoadPictureIfShown();
    m_page.Relayout();
    m_frame.UpdateTitle();
    if (start == ViewStart::Window) {
        m_timed.Create(m_diary, m_marqueeFont);
        connect(this, &CCalView::OptionsReloaded, m_timed.Marquee(), &CViewMarquee::Reload);
    }
    LoadStartIndex(start);
    if (start == ViewStart::Window)
        m_diaryView.Watch();
}

bool CCalView::ReloadIfDiaryChanged() {
    return m_diaryView.ReloadIfChanged();
}

CViewDiary::Hooks CCalView::DiaryHooks() {
    CViewDiary::Hooks hooks;
    hooks.repaint = [this] { viewport()->update(); };
    hooks.report = [this](const QString& text) { ReportError(text); };
    hooks.diaryReplaced = [this] {
        m_frame.UpdateTitle();
        viewport()->update();
    };
    return hooks;
}

void CCalView::LoadStartIndex(ViewStart start) {
    // A diary that cannot be read must not keep the calendar from opening:
    // the page shows without marks and the user learns why.
    try {
        if (start == ViewStart::Window && m_reminders)
            m_reminders->CheckDiary(m_dates.TodayDay(), m_dates.TodayMonth(), m_dates.TodayYear(),
                                    true);
        m_diaryView.Load();
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    }
}

CViewTimedParts::Hooks CCalView::TimedHooks() {
    CViewTimedParts::Hooks hooks;
    hooks.pageSize = [this] {
        const ScrollSizes sizes = m_page.Sizes();
        return QSize(sizes.total.width, sizes.total.height);
    };
    hooks.isPromotionLine = [this](const QPoint& client) {
        return m_page.IsOnPromotionLine(client);
    };
    hooks.diaryPath = [this] { return m_diaryView.OpenDiaryPath(); };
    hooks.reloadMarks = [this] { m_diaryView.Reload(); };
    hooks.report = [this](const QString& text) { ReportError(text); };
    return hooks;
}

void CCalView::ShowPage(int month, int year, bool yearView) {
    m_navigation.Show(month, year, yearView);
}

void CCalView::PageChanged() {
    m_index.SetReady(false);
    // The year grid and the month page fit the window at different sizes.
    if (m_settings.fitPage)
        BuildFonts();
    m_page.UpdateScrollSizes();
    viewport()->update();
    // Reloaded at once, so the marks always cover the month or year on show.
    m_diaryView.Load();
}

CCalView::~CCalView() = default;

bool CCalView::PrintToPdf(const QString& fileName) const {
    return m_printing.PrintToPdf(fileName);
}

void CCalView::BuildFonts() {
    m_settings.font = LoadFontSpec(m_settingsHelper);
    const FontSpec page = PageFontSpec();
    m_fonts = {MakeViewFont(page, FontStyle::Regular), MakeViewFont(page, FontStyle::Heading),
               MakeViewFont(page, FontStyle::Bold)};
    m_marqueeFont = MakeViewFont(m_settings.font, FontStyle::Heading);
    m_timed.SetMarqueeFont(m_marqueeFont);
}

void CCalView::OnShowMarquee() {
    CViewMarquee* marquee = m_timed.Marquee();
    if (!marquee)
        return;
    m_settings.marquee.on = marquee->Toggle();
    m_frame.CheckMenuItem(CommandId::ShowMarquee, m_settings.marquee.on);
}

void CCalView::OnCreate() {
    m_page.UpdateScrollSizes();
    m_timed.StartMarquee();
    m_frame.ApplyStoredModes();
}

void CCalView::OnCheckDiary() {
    if (!m_reminders)
        throw std::runtime_error(tr("Diary entries cannot be checked without the sound service.")
                                     .toLocal8Bit()
                                     .toStdString());
    m_reminders->CheckDiary(m_dates.TodayDay(), m_dates.TodayMonth(), m_dates.TodayYear(), false);
}

bool CCalView::RoutesCommand(int id) {
    return CViewCommandRoutes::Routes(id);
}

bool CCalView::OnCommand(int id) {
    try {
        return CViewCommandRoutes::Run(*this, id);
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    }
    return true;
}

void CCalView::ReportError(const QString& text) {
    if (m_services.prompts)
        m_services.prompts->ShowMessage(text, tr(kErrorCaption));
}

void CCalView::OnShowPicture() {
    m_settings.showPicture = !m_settings.showPicture;
    m_frame.CheckMenuItem(CommandId::ShowPicture, m_settings.showPicture);
    m_settingsHelper.WriteBool(Key::ShowPicture, m_settings.showPicture);
    m_page.LoadPictureIfShown();
    viewport()->update();
}

void CCalView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_settings.fitPage) {
        BuildFonts();
        m_page.UpdateScrollSizes();
    } else {
        m_page.FitClientArea();
    }
}

void CCalView::scrollContentsBy(int, int) {
    viewport()->update();
}
