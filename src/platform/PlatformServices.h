// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class IPrompts;
class IClock;
class IDateOrder;
class ISystemColours;
class ITunes;
class IHttp;
class INotifications;

// The platform services one window (or one command) works with. Not owned.
struct PlatformServices {
    IPrompts* prompts = nullptr;
    IClock* clock = nullptr;
    IDateOrder* dateOrder = nullptr;
    ISystemColours* colours = nullptr;
    ITunes* tunes = nullptr;
    IHttp* http = nullptr;
    // Null where the desktop has no notification service.
    INotifications* notifications = nullptr;
};
