// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

#include "app/QuitSignals.h"
#include "app/SingleInstance.h"
#include "platform/InterfaceTranslations.h"
#include "platform/LocaleDateOrder.h"
#include "platform/SystemClock.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsStore.h"
#include "ui/platform/DBusNotifications.h"
#include "ui/platform/QtPrompts.h"
#include "ui/platform/QtSystemColours.h"
#include "ui/platform/QtTunes.h"

class CCalDocTemplate;

// Tells the user, each once, of a settings file that cannot be read and of
// the first change that cannot be saved to it, naming the file and why.
void TellSettingsProblems(CSettingsStore& store, IPrompts& prompts);

// The one application object: it fixes where the settings live, finds the
// diary, and opens the calendar window.
class CCalApp : public QApplication {
    Q_OBJECT
public:
    CCalApp(int& argc, char** argv);
    ~CCalApp() override;

    // Start-up; always succeeds, so the event loop always runs.
    bool InitInstance();
    // Start-up, then the event loop, unless a quit signal came during start-up
    // (a message box of the start-up runs before the loop does) or a window
    // of this user's already runs (it comes forward instead).
    int Run();
    CCalDocTemplate* Template() const { return m_template.get(); }

private:
    void OnQuitRequested();
    void BringFrameForward();

    CInterfaceTranslations m_translations{*this};
    CSettingsStore m_store;
    CQtSystemColours m_colours;
    CSettingsHelper m_settings;
    CQtPrompts m_prompts;
    CSystemClock m_clock;
    CLocaleDateOrder m_dateOrder;
    CQtTunes m_tunes;
    std::unique_ptr<CDBusNotifications> m_notifications;
    CSingleInstance m_instance;
    CQuitSignals m_quitSignals;
    std::unique_ptr<CCalDocTemplate> m_template;
    bool m_quitRequested = false;
};
