// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewFrame.h"

#include <QAbstractScrollArea>
#include <QMainWindow>
#include <QTimer>

#include "commands/CommandIds.h"
#include "platform/PlatformServices.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "view/FrameModes.h"

CViewFrame::CViewFrame(QAbstractScrollArea& view, ViewSettings& settings,
                       const CSettingsHelper& settingsHelper, const PlatformServices& services)
    : m_view(view), m_settings(settings), m_settingsHelper(settingsHelper), m_services(services) {}

QMainWindow* CViewFrame::Frame() const {
    return qobject_cast<QMainWindow*>(m_view.window());
}

void CViewFrame::ApplyStoredModes() {
    if (QMainWindow* frame = Frame())
        ApplyWindowModes(*frame);
    if (m_settings.yearView && !m_settings.noMenu)
        CheckMenuItem(CommandId::YearView, true);
    // Where the desktop will not keep the window on top, say so once it is up.
    if (m_settings.onTop && m_services.prompts)
        QTimer::singleShot(0, &m_view, [this] { m_waylandNotice.TellOnce(*m_services.prompts); });
}

void CViewFrame::ApplyWindowModes(QMainWindow& frame) {
    if (m_settings.onTop)
        SetOnTop(frame, m_settingsHelper);
    else
        ClearOnTop(frame, m_settingsHelper);
    if (m_settings.noMenu) {
        HideMenu(frame, m_settingsHelper);
        HideTitleBar(frame);
    } else {
        ShowMenu(frame, m_settingsHelper);
        ShowTitleBar(frame);
        if (m_settings.onTop)
            CheckMenuItem(CommandId::AlwaysOnTop, true);
    }
}

void CViewFrame::ToggleOnTop() {
    QMainWindow* frame = Frame();
    if (!frame)
        return;
    m_settings.onTop = !m_settings.onTop;
    if (m_settings.onTop) {
        SetOnTop(*frame, m_settingsHelper);
        m_waylandNotice.TellOnce(*m_services.prompts);
    } else {
        ClearOnTop(*frame, m_settingsHelper);
    }
}

void CViewFrame::ToggleMenu() {
    QMainWindow* frame = Frame();
    if (!frame)
        return;
    const QRect before = frame->geometry();
    if (m_settings.noMenu) {
        m_settings.noMenu = false;
        ShowMenu(*frame, m_settingsHelper);
        ShowTitleBar(*frame);
        CheckMenuItem(CommandId::AlwaysOnTop, m_settings.onTop);
        CheckMenuItem(CommandId::YearView, m_settings.yearView);
    } else {
        m_settings.noMenu = true;
        HideMenu(*frame, m_settingsHelper);
        HideTitleBar(*frame);
    }
    // The menu bar and the title bar come and go inside the window, which
    // keeps its place and size.
    if (frame->windowState() == Qt::WindowNoState)
        frame->setGeometry(before);
}

void CViewFrame::Maximize() {
    if (QMainWindow* frame = Frame())
        frame->showMaximized();
    m_view.viewport()->update();
}

void CViewFrame::Minimize() {
    if (QMainWindow* frame = Frame())
        frame->showMinimized();
}

void CViewFrame::Restore() {
    if (QMainWindow* frame = Frame())
        frame->showNormal();
    m_view.viewport()->update();
}

void CViewFrame::Close() {
    if (QMainWindow* frame = Frame())
        frame->close();
}

void CViewFrame::UpdateTitle() {
    QMainWindow* frame = Frame();
    if (!frame)
        return;
    const QString title = QStringLiteral("Cal ") + m_settingsHelper.ReadPlain(Key::DiaryName);
    if (frame->windowTitle() != title)
        frame->setWindowTitle(title);
}

void CViewFrame::CheckMenuItem(int id, bool checked) {
    QMainWindow* frame = Frame();
    if (frame && FrameHasMenu(*frame))
        SetMenuItemCheck(*frame, id, checked);
}

MenuCheckState CViewFrame::CheckState() const {
    const QMainWindow* frame = Frame();
    return {m_settings.onTop,       m_settings.yearView,           m_settings.marquee.on,
            m_settings.showPicture, frame && FrameHasMenu(*frame), m_settings.fitPage};
}
