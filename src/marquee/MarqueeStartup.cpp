// SPDX-License-Identifier: GPL-3.0-or-later
#include "marquee/MarqueeStartup.h"

#include <QCoreApplication>

#include "diary/DiaryError.h"
#include "marquee/InternetMessage.h"
#include "marquee/Marquee.h"
#include "platform/Prompts.h"

void LoadInitialMarqueeText(CMarquee& marquee, CInternetMessage& internet, IPrompts& prompts) {
    marquee.LoadSettings();
    internet.LoadSettings();
    if (!internet.UseInternet()) {
        marquee.ShowStoredMessage();
        return;
    }
    try {
        RunInternetUpdate(marquee, internet, false);
    } catch (const CPlendaError& error) {
        // The window must still open; the band keeps the text it had.
        prompts.ShowMessage(error.Description(),
                            QCoreApplication::translate("CViewMarquee", "Calendar"));
    }
    marquee.CopyShownToPending();
}

void RunInternetUpdate(CMarquee& marquee, CInternetMessage& internet, bool onlyWhenDue) {
    const std::optional<QString> message =
        onlyWhenDue ? internet.CheckInternetDue() : internet.UpdateInternetMessage();
    if (message)
        marquee.SetShownText(*message);
}
