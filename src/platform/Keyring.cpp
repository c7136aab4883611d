// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Keyring.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>

namespace {
const QString kService = QStringLiteral("Plenda CalDAV");
constexpr char kPasswordVariable[] = "PLENDA_CALDAV_PASSWORD";

void Wait(QKeychain::Job& job) {
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.setAutoDelete(false);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
}  // namespace

namespace keyring {
QString ReadPassword(const QString& account, QString* error) {
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(account);
    Wait(job);
    if (job.error() != QKeychain::NoError) {
        *error = job.errorString();
        return {};
    }
    return job.textData();
}

bool WritePassword(const QString& account, const QString& password, QString* error) {
    QKeychain::WritePasswordJob job(kService);
    job.setKey(account);
    job.setTextData(password);
    Wait(job);
    if (job.error() != QKeychain::NoError) {
        *error = job.errorString();
        return false;
    }
    return true;
}

QString AccountName(const QString& user, const QString& collectionUrl) {
    return user + QLatin1Char('@') + collectionUrl;
}

QString CalDavPassword(const QString& user, const QString& collectionUrl, QString* error) {
    if (qEnvironmentVariableIsSet(kPasswordVariable))
        return qEnvironmentVariable(kPasswordVariable);
    QString why;
    const QString password = ReadPassword(AccountName(user, collectionUrl), &why);
    if (password.isEmpty())
        *error = QStringLiteral(
                     "no password for %1: set %2, or store it in the keyring from the "
                     "calendar window (%3)")
                     .arg(user, QString::fromLatin1(kPasswordVariable), why);
    return password;
}
}  // namespace keyring
