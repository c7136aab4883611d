// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop's keyring (Secret Service or KWallet, through QtKeychain),
// where the CalDAV password is kept instead of the settings file. Waits for
// the keyring in a local event loop.
namespace keyring {
// The password stored for `account`; empty with `error` set when there is
// none or no keyring answers.
QString ReadPassword(const QString& account, QString* error);
// False with `error` set when the keyring refused it.
bool WritePassword(const QString& account, const QString& password, QString* error);
// The account name a collection's password is kept under.
QString AccountName(const QString& user, const QString& collectionUrl);
// The password of a CalDAV account: PLENDA_CALDAV_PASSWORD when set (for
// scripts and tests), else the keyring's. Empty with `error` set when neither
// has one.
QString CalDavPassword(const QString& user, const QString& collectionUrl, QString* error);
}  // namespace keyring
