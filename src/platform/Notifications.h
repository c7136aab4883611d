// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop's notifications: a popup beside whatever the user is doing,
// which the user can click to bring the calendar forward.
class INotifications {
public:
    virtual ~INotifications() = default;
    // Hands one notification over and returns at once. One that no service
    // takes is dropped without a word: the message box still shows the text.
    virtual void Notify(const QString& summary, const QString& body) = 0;
};
