// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QObject;

// The desktop's keyring (Secret Service or KWallet, through QtKeychain),
// where the CalDAV password is kept instead of the settings file.
//
// Every call belongs on the application's main thread: QtKeychain runs its
// jobs one after another on the thread of the first one, so a job started
// elsewhere would be finished on a thread that no longer knows it. A call
// never waits longer than kAnswerMilliseconds; a job still running then goes
// on alone and frees itself when it ends.
namespace keyring {
inline constexpr int kAnswerMilliseconds = 5000;

// A password, or why there is none (then `error` says what happened).
struct Answer {
    QString password;
    QString error;
};

// Calls `done` once, on the main thread, with the stored password or the
// reason there is none. Nothing is called once `context` is gone.
void ReadPasswordThen(const QString& account, QObject* context,
                      std::function<void(const Answer&)> done);
// The same, waited for in a local event loop that leaves user input alone.
Answer ReadPassword(const QString& account);
// Empty when the keyring took the password; otherwise what happened.
QString WritePassword(const QString& account, const QString& password);
// The account name a collection's password is kept under.
QString AccountName(const QString& user, const QString& collectionUrl);

// A password the user typed while the keyring could not keep it: it lasts
// as long as the process.
void KeepForSession(const QString& account, const QString& password);
QString SessionPassword(const QString& account);
}  // namespace keyring
