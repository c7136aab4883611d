// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/NotificationText.h"

QString PlainNotificationBody(const QString& text, bool readsMarkup) {
    QString body;
    body.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\n') &&
            c != QLatin1Char('\t'))
            continue;
        if (!readsMarkup)
            body += c;
        else if (c == QLatin1Char('&'))
            body += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            body += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            body += QLatin1String("&gt;");
        else
            body += c;
    }
    return body;
}
