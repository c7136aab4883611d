// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CMarquee;
class CInternetMessage;
class IPrompts;

// The band's first text as a new view sets it up: the file's first line or
// MarqueeMess, then the internet message when UseInternet is on (the band
// then starts with what the update left), otherwise MarqueeMess, so that a
// file's first line waits for the first wrap-around. A database error of the
// update is shown and the view goes on.
void LoadInitialMarqueeText(CMarquee& marquee, CInternetMessage& internet, IPrompts& prompts);

// The internet update from the focus check (`onlyWhenDue`) or a click on the
// sponsor or phone line; a fetched message becomes the band's text. Errors
// of the database reach the caller (CDatabaseError).
void RunInternetUpdate(CMarquee& marquee, CInternetMessage& internet, bool onlyWhenDue);
