// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <functional>
#include <memory>

#include "calendar/CalendarDates.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "platform/PlatformServices.h"
#include "reminders/Reminders.h"
#include "view/ViewCursor.h"
#include "view/ViewDialogs.h"
#include "view/ViewFrame.h"
#include "view/ViewInput.h"
#include "view/ViewPage.h"
#include "view/ViewPrinting.h"
#include "view/ViewTimedParts.h"
#include "view/core/MenuTables.h"
#include "view/core/PageGeometry.h"
#include "view/core/PageNavigation.h"
#include "view/core/PageZoom.h"
#include "view/core/ViewDiary.h"
#include "view/core/ViewSettings.h"

class CSettingsHelper;
class CViewMarquee;
class CViewSync;
class QPainter;
class QPaintDevice;

// How a view starts: in the window, with the quiet diary check of today; or
// quietly, to print a page from the command line.
enum class ViewStart { Window, Quiet };

// The one calendar view: the month page or the year grid, optionally over the
// built-in picture. It holds the dates on show, the decoded settings, the
// fonts and the month entry index, and owns the parts that work on them: the
// laid-out page, its diary and marks, the navigation, printing, the frame's
// modes, the dialogs, the input, and the parts on timers of their own. Commands reach
// it as numeric identifiers through OnCommand, which routes each to its part.
class CCalView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // `services` and `settings` must outlive the view.
    CCalView(const PlatformServices& services, CSettingsHelper& settings, QWidget* parent = nullptr,
             ViewStart start = ViewStart::Window);
    ~CCalView() override;

    // Window creation: the layout, the window modes on the frame, the check marks.
    void OnCreate();
    // Runs the command's handler; false when the view does not route `id`.
    // A failing handler is reported in a message box and the program goes on.
    bool OnCommand(int id);
    static bool RoutesCommand(int id);

    // Draws the laid-out page onto `painter`, whose device is a client-sized
    // buffer; `clip` is the area to fill, in document coordinates.
    void OnDraw(QPainter& painter, const QRect& clip) const;
    // Prints the page into a PDF file; false (and a message) when it cannot.
    bool PrintToPdf(const QString& fileName) const;

    // Reloads the marks when another program wrote the diary since they were
    // built; true when it did. An unchanged diary is not read again.
    bool ReloadIfDiaryChanged();
    // Shows a month (or its year) without touching the stored view mode.
    void ShowPage(int month, int year, bool yearView);
    void BuildFonts();

    // Where the page's days and lines are, in document coordinates.
    const DayCellTable& DayCells() const { return m_page.Map().DayCells(); }
    PageRect PhoneLineRect() const { return m_page.Map().PhoneLine(); }
    // The page block as laid out at the window's size.
    PageSize PageBlock() const { return m_page.Layout().Block(); }

    CCalendarDates& Dates() { return m_dates; }
    const ViewSettings& Settings() const { return m_settings; }
    const CMonthIndex& MonthIndex() const { return m_index; }
    const QFont& RegularFont() const { return m_fonts.regular; }
    // The keyboard's focus day and where it is on the page.
    const CViewCursor& Cursor() const { return m_cursor; }
    // The day under a point on the screen; 0 when none.
    int DayAtScreen(const QPoint& global) const;
    // The messages of a marked day of the shown year, one a line, its tunes
    // kept quiet; empty for an unmarked day.
    QString DayMessages(int dayOfYear);
    // The marquee band; none in a view started quietly for printing.
    CViewMarquee* Marquee() const { return m_timed.Marquee(); }
    // The window's CalDAV sync; none in a view started quietly for printing.
    CViewSync* Sync() const { return m_timed.Sync(); }

    // How commands chosen in the view's own menu travel: through the frame's
    // route when there is a frame (so that the application's commands are
    // reached too), else to the view alone.
    using CommandFilter = std::function<bool(int id)>;
    using CommandSink = std::function<void(int id)>;
    void SetCommandRoute(CommandFilter isOffered, CommandSink run);
    // The flags the menus' check marks follow.
    MenuCheckState CheckState() const { return m_frame.CheckState(); }

signals:
    // ReloadOptions has read the settings again: the marquee reloads its own.
    void OptionsReloaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // Input (CalViewInput.cpp).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    friend class CViewCommandRoutes;

    void OnCheckDiary();
    // The month, the year or the view mode on show changed: measures and
    // lays out the page again and reloads its marks.
    void PageChanged();
    // Appearance (CalViewCommands.cpp).
    void OnFonts();
    // Fit page to window, and the zoom keys (CalViewCommands.cpp).
    void OnFitPage();
    void OnZoom(ZoomStep step);
    // The stored font, or with Fit on its face at the size that fills the window.
    FontSpec PageFontSpec() const;
    void RunColour(int id);
    void OnShowPicture();
    void OnShowMarquee();

    // After the Options dialog: the picture, marquee and year-view settings
    // read again and applied, whatever button closed the dialog.
    void ReloadOptions();
    CViewDialogs::Hooks DialogHooks();
    CViewDiary::Hooks DiaryHooks();
    CViewTimedParts::Hooks TimedHooks();

    void LoadStartIndex(ViewStart start);
    void ReportError(const QString& text);
    CViewInput::Hooks InputHooks();
    CViewCursor::Hooks CursorHooks();
    // The context menu at a point on the screen; `dayKey` (DDMMYYYY) is the
    // day its diary commands take, empty for the day under the pointer.
    void ShowContextMenu(const QPoint& global, const QString& dayKey);
    void ShowFocusDayMenu();

    PlatformServices m_services;
    CSettingsHelper& m_settingsHelper;
    CCalendarDates m_dates;
    ViewSettings m_settings;

    PageFonts m_fonts;
    QFont m_marqueeFont;

    CDiarySetHolder m_diary;
    CMonthIndex m_index;
    std::unique_ptr<CReminders> m_reminders;
    CViewDiary m_diaryView;

    CViewPage m_page;
    CViewPrinting m_printing;
    CViewFrame m_frame;
    CViewDialogs m_dialogs;
    CViewInput m_input;
    CPageNavigation m_navigation;
    CViewCursor m_cursor;

    CommandFilter m_isOffered;
    CommandSink m_runCommand;

    // Last, so they go first: their hooks reach into the members above.
    CViewTimedParts m_timed;
};
