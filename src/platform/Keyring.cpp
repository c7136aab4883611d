// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Keyring.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <QHash>
#include <QThread>
#include <QTimer>
#include <memory>
#include <optional>

namespace {
const QString kService = QStringLiteral("Plenda CalDAV");
// A keyring that once let a call time out is not asked again this session:
// its stuck job would hold up every later one.
bool g_unresponsive = false;

QHash<QString, QString>& SessionPasswords() {
    static QHash<QString, QString> passwords;
    return passwords;
}

QString TimeoutText() {
    return QCoreApplication::translate("Keyring", "The keyring did not answer within %1 seconds")
        .arg(keyring::kAnswerMilliseconds / 1000);
}

// Why no keyring can answer, or empty when one may. Asking first spares the
// user QtKeychain's guesses ("Unknown error") and its waits for a service
// that is not there.
QString MissingKeyring() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return QCoreApplication::translate("Keyring",
                                           "The keyring can be asked only from the main thread");
    if (g_unresponsive)
        return TimeoutText();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return QCoreApplication::translate("Keyring",
                                           "No keyring is running (there is no D-Bus session bus)");
    QDBusConnectionInterface* names = bus.interface();
    const QStringList activatable = names->activatableServiceNames();
    for (const char* service :
         {"org.freedesktop.secrets", "org.kde.kwalletd6", "org.kde.kwalletd5"}) {
        const QString name = QString::fromLatin1(service);
        if (activatable.contains(name) || names->isServiceRegistered(name).value())
            return {};
    }
    return QCoreApplication::translate(
        "Keyring", "No keyring is running (neither Secret Service nor KWallet)");
}

QString JobFailure(const QKeychain::Job& job) {
    switch (job.error()) {
        case QKeychain::NoError:
            return {};
        case QKeychain::EntryNotFound:
            return QCoreApplication::translate("Keyring",
                                               "The keyring holds no password for this calendar");
        case QKeychain::AccessDenied:
            return QCoreApplication::translate("Keyring", "The keyring refused access");
        case QKeychain::NoBackendAvailable:
            return QCoreApplication::translate("Keyring", "No keyring is running");
        default:
            return QCoreApplication::translate("Keyring", "The keyring failed: %1")
                .arg(job.errorString());
    }
}

// Starts `job`, which frees itself whenever it ends, and calls `done` once:
// with the job when it ended in time, with nullptr when the time ran out.
void Run(QKeychain::Job* job, QObject* context, std::function<void(QKeychain::Job*)> done) {
    auto pending = std::make_shared<std::function<void(QKeychain::Job*)>>(std::move(done));
    auto* timer = new QTimer(context);
    timer->setSingleShot(true);
    const auto finish = [pending, timer](QKeychain::Job* ended) {
        if (!*pending)
            return;
        const auto call = std::exchange(*pending, {});
        timer->deleteLater();
        call(ended);
    };
    QObject::connect(job, &QKeychain::Job::finished, context, finish);
    QObject::connect(timer, &QTimer::timeout, context, [finish] {
        g_unresponsive = true;
        finish(nullptr);
    });
    job->setAutoDelete(true);
    timer->start(keyring::kAnswerMilliseconds);
    job->start();
}

// Waits for what `start` reports through its callback.
template <typename Result, typename Start>
Result Wait(Start start) {
    QEventLoop loop;
    std::optional<Result> result;
    start(&loop, [&](const Result& answer) {
        result = answer;
        loop.quit();
    });
    if (!result)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return *result;
}

void WritePasswordThen(const QString& account, const QString& password, QObject* context,
                       std::function<void(const QString&)> done) {
    if (const QString missing = MissingKeyring(); !missing.isEmpty())
        return done(missing);
    auto* job = new QKeychain::WritePasswordJob(kService);
    job->setKey(account);
    job->setTextData(password);
    Run(job, context, [done = std::move(done)](QKeychain::Job* ended) {
        done(ended ? JobFailure(*ended) : TimeoutText());
    });
}
}  // namespace

namespace keyring {
void ReadPasswordThen(const QString& account, QObject* context,
                      std::function<void(const Answer&)> done) {
    if (const QString missing = MissingKeyring(); !missing.isEmpty())
        return done({{}, missing});
    auto* job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(account);
    Run(job, context, [done = std::move(done)](QKeychain::Job* ended) {
        if (!ended)
            return done({{}, TimeoutText()});
        const auto* read = static_cast<QKeychain::ReadPasswordJob*>(ended);
        const QString failure = JobFailure(*read);
        done({failure.isEmpty() ? read->textData() : QString(), failure});
    });
}

Answer ReadPassword(const QString& account) {
    return Wait<Answer>(
        [&](QObject* context, auto done) { ReadPasswordThen(account, context, std::move(done)); });
}

QString WritePassword(const QString& account, const QString& password) {
    return Wait<QString>([&](QObject* context, auto done) {
        WritePasswordThen(account, password, context, std::move(done));
    });
}

QString AccountName(const QString& user, const QString& collectionUrl) {
    return user + QLatin1Char('@') + collectionUrl;
}

void KeepForSession(const QString& account, const QString& password) {
    SessionPasswords().insert(account, password);
}

QString SessionPassword(const QString& account) {
    return SessionPasswords().value(account);
}
}  // namespace keyring
