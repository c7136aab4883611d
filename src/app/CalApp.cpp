// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalApp.h"

#include <QMainWindow>
#include <QTextStream>

#include "app/CalDocTemplate.h"
#include "app/MainFrame.h"
#include "diary/DiaryLocation.h"
#include "settings/NewFileColours.h"

void TellSettingsProblems(CSettingsStore& store, IPrompts& prompts) {
    if (!store.FormatProblem().isEmpty())
        prompts.ShowMessage(store.FormatProblem(), CCalApp::tr("Calendar"));
    store.OnFirstSaveFailure([&prompts](const QString& problem) {
        prompts.ShowMessage(problem, CCalApp::tr("Calendar"));
    });
}

CCalApp::CCalApp(int& argc, char** argv)
    : QApplication(argc, argv), m_settings(m_store, m_colours), m_instance(m_store.FilePath()) {
    setOrganizationName(QStringLiteral("Quenmor"));
    // The window's class (both its parts on X) and its application id on
    // Wayland name the desktop entry, however the program was started; the
    // settings file keeps its own fixed name.
    setApplicationName(QStringLiteral("plenda"));
    setDesktopFileName(QStringLiteral("plenda"));
    setApplicationDisplayName(QStringLiteral("Plenda"));
    m_translations.Load(QLocale::system(), CInterfaceTranslations::Folders());
    connect(&m_quitSignals, &CQuitSignals::QuitRequested, this, &CCalApp::OnQuitRequested);
}

CCalApp::~CCalApp() = default;

bool CCalApp::InitInstance() {
    Q_INIT_RESOURCE(plenda);
    setWindowIcon(QIcon(QStringLiteral(":/images/plenda.png")));
    PlatformServices services;
    services.prompts = &m_prompts;
    services.clock = &m_clock;
    services.dateOrder = &m_dateOrder;
    services.colours = &m_colours;
    services.tunes = &m_tunes;
    // Before anything reads a setting the user may miss.
    TellSettingsProblems(m_store, m_prompts);
    // The defaults a first start writes back reach the file in one write.
    m_store.BeginBatch();
    WriteNewFileColours(m_settings);
    m_notifications = CDBusNotifications::Connect();
    if (m_notifications) {
        services.notifications = m_notifications.get();
        connect(m_notifications.get(), &CDBusNotifications::Activated, this,
                &CCalApp::BringFrameForward);
    }
    LocateDiaryAtStartUp(m_store, m_prompts, DocumentsFolder());
    // A quit signal while the file dialog was up closed it; the window that
    // would open next must not, nor its diary check.
    if (m_quitRequested) {
        m_store.EndBatch();
        return true;
    }
    m_template = std::make_unique<CCalDocTemplate>(m_store, m_settings, services);
    m_template->OpenDocument();
    m_prompts.SetParent(m_template->Frame());
    m_store.EndBatch();
    return true;
}

int CCalApp::Run() {
    QString problem;
    switch (m_instance.ClaimWindow(problem)) {
        case CSingleInstance::Claim::HandedOver:
            QTextStream(stderr) << "plenda: the calendar window is already open; it came forward\n";
            return 0;
        case CSingleInstance::Claim::Alone:
            QTextStream(stderr) << "plenda: cannot tell later starts to use this window: "
                                << problem << '\n';
            break;
        case CSingleInstance::Claim::First:
            connect(&m_instance, &CSingleInstance::RaiseRequested, this,
                    &CCalApp::BringFrameForward);
            break;
    }
    InitInstance();
    if (m_quitRequested)
        return 0;
    return exec();
}

void CCalApp::OnQuitRequested() {
    m_quitRequested = true;
    // As if the user closed every window: dialogs first, then the frame.
    closeAllWindows();
    quit();
}

void CCalApp::BringFrameForward() {
    QMainWindow* frame = m_template ? m_template->Frame() : nullptr;
    if (!frame)
        return;
    // Keeps a maximised state, as showNormal would not.
    frame->setWindowState((frame->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    frame->show();
    frame->raise();
    frame->activateWindow();
}
