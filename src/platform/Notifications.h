// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// The desktop's notifications: a popup beside whatever the user is doing,
// which stays until dismissed and which the user can click to bring the
// calendar forward.
class INotifications {
public:
    virtual ~INotifications() = default;
    // Hands one notification over and returns at once; the body is plain
    // text. `snooze`, when given, runs if the user asks to be told again in
    // five minutes (where the desktop offers such a choice). One that no
    // service takes is dropped without a word: the message box still shows
    // the text.
    virtual void Notify(const QString& summary, const QString& body,
                        std::function<void()> snooze) = 0;
};
