// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewSync.h"

#include <QThread>
#include <exception>

#include "platform/Clock.h"
#include "platform/Keyring.h"
#include "settings/SettingsHelper.h"
#include "sync/DiarySync.h"

namespace {
constexpr int kCheckIntervalMs = 60 * 1000;
const char* const kCaption = QT_TRANSLATE_NOOP("CViewSync", "Synchronise");

constexpr char kPasswordVariable[] = "PLENDA_CALDAV_PASSWORD";
}  // namespace

struct CViewSync::SyncJob {
    QString diaryPath;
    DavAccount account;
    QDate today;
};

// Written by the sync's thread, read on the window's once it has finished.
struct CViewSync::Outcome {
    bool succeeded = false;
    QString error;
    SyncCounts counts;
};

CViewSync::CViewSync(const CSettingsHelper& settings, const IClock& clock, Hooks hooks,
                     QObject* parent)
    : QObject(parent),
      m_settings(settings),
      m_clock(clock),
      m_hooks(std::move(hooks)),
      m_schedule(clock),
      m_timer(this) {
    m_timer.setObjectName(QStringLiteral("syncTimer"));
    m_timer.setInterval(kCheckIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { Request(SyncTrigger::Timer); });
}

CViewSync::~CViewSync() {
    if (m_worker) {
        m_worker->requestInterruption();
        m_worker->wait();
        delete m_worker;
    }
}

void CViewSync::Start() {
    m_timer.start();
    QTimer::singleShot(0, this, [this] { Request(SyncTrigger::Timer); });
}

void CViewSync::Request(SyncTrigger trigger) {
    // Read each time: the Options dialog may have changed it.
    m_schedule.SetEveryMinutes(qMax(0, m_settings.GetInt(Key::CalDavEveryMinutes, false)));
    if (m_schedule.Request(trigger))
        Launch();
}

namespace {
CViewSync::SyncJob GatherJob(const CSettingsHelper& settings,
                             const std::function<QString()>& diaryPath, QDate today) {
    const QString typed = settings.ReadPlain(Key::CalDavUrl);
    const QString user = settings.ReadPlain(Key::CalDavUser);
    if (typed.isEmpty() || user.isEmpty())
        throw std::runtime_error(CViewSync::tr("No CalDAV calendar is set: enter its address and "
                                               "user in Options, on the Synchronise page.")
                                     .toLocal8Bit()
                                     .toStdString());
    QString error;
    const QUrl url = CollectionUrl(typed, &error);
    if (url.isEmpty())
        throw std::runtime_error(error.toLocal8Bit().toStdString());
    return {diaryPath(), {url, user, QString(), settings.ReadPlain(Key::CalDavCaFile)}, today};
}
}  // namespace

// The password comes from the environment (scripts, tests), the one typed
// this session, or the keyring, read here on the window's thread, where the
// keyring's jobs live; the sync's thread never touches the keyring.
void CViewSync::Launch() {
    SyncJob job;
    try {
        job = GatherJob(m_settings, m_hooks.diaryPath, m_clock.Now().date());
    } catch (const std::exception& error) {
        Follow(m_schedule.Finished(false, QString::fromLocal8Bit(error.what())));
        return;
    }
    WarnOfCleartext(job.account.collection);
    const QString account =
        keyring::AccountName(job.account.user, job.account.collection.toString());
    job.account.password = qEnvironmentVariableIsSet(kPasswordVariable)
                               ? qEnvironmentVariable(kPasswordVariable)
                               : keyring::SessionPassword(account);
    if (!job.account.password.isEmpty())
        return RunWorker(job);
    keyring::ReadPasswordThen(account, this, [this, job, account](const keyring::Answer& answer) {
        SyncJob withPassword = job;
        withPassword.account.password = answer.password;
        LaunchWithPassword(withPassword, account, answer.error);
    });
}

// Without one from the keyring the user is asked, and what they type is
// kept for the session; the keyring is not written behind their back.
void CViewSync::LaunchWithPassword(SyncJob job, const QString& account,
                                   const QString& keyringError) {
    if (keyringError.isEmpty() && !job.account.password.isEmpty())
        return RunWorker(job);
    const QString why =
        keyringError.isEmpty() ? tr("The keyring holds an empty password") : keyringError;
    const bool ask = m_hooks.askPassword && (!m_passwordDeclined || m_schedule.IsManual());
    const QString typed = ask ? m_hooks.askPassword(why) : QString();
    if (typed.isEmpty()) {
        m_passwordDeclined = m_passwordDeclined || ask;
        Follow(m_schedule.Finished(false,
                                   tr("%1; no password for %2, so the diary was not synchronised.")
                                       .arg(why, job.account.user)));
        return;
    }
    m_passwordDeclined = false;
    keyring::KeepForSession(account, typed);
    job.account.password = typed;
    RunWorker(job);
}

// Once a session: the user may not have meant http.
void CViewSync::WarnOfCleartext(const QUrl& collection) {
    QString warning = CleartextWarning(collection);
    if (warning.isEmpty() || m_cleartextTold || !m_hooks.tell)
        return;
    m_cleartextTold = true;
    warning[0] = warning[0].toUpper();
    m_hooks.tell(warning, tr(kCaption));
}

void CViewSync::RunWorker(const SyncJob& job) {
    auto outcome = std::make_shared<Outcome>();
    m_outcome = outcome;
    m_worker = QThread::create([job, outcome]() mutable {
        try {
            outcome->counts = SynchroniseDiary(job.diaryPath, job.account, job.today);
            outcome->succeeded = true;
        } catch (const std::exception& error) {
            outcome->error = QString::fromLocal8Bit(error.what());
        }
    });
    connect(m_worker, &QThread::finished, this, &CViewSync::OnWorkerDone);
    m_worker->start();
}

void CViewSync::OnWorkerDone() {
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    const std::shared_ptr<Outcome> outcome = std::move(m_outcome);
    if (outcome->succeeded)
        m_settings.WriteSetting(Key::CalDavLastSync,
                                m_clock.Now().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    SyncFollowUp followUp = m_schedule.Finished(outcome->succeeded, outcome->error);
    Follow(followUp);
    if (followUp.reportCounts && m_hooks.tell)
        m_hooks.tell(SyncReport(outcome->counts).trimmed(), tr(kCaption));
    emit SyncEnded();
}

void CViewSync::Follow(const SyncFollowUp& followUp) {
    if (followUp.reloadMarks && m_hooks.reloadMarks)
        m_hooks.reloadMarks();
    if (!followUp.error.isEmpty() && m_hooks.tell)
        m_hooks.tell(followUp.error, tr(kCaption));
    if (followUp.startSync)
        Launch();
}
