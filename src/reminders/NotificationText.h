// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A notification body that shows exactly the text given: control characters
// other than line and tab breaks are dropped, and where the server reads the
// body as markup (`readsMarkup`), '&', '<' and '>' are escaped, so diary
// text from an imported file or a shared calendar can neither add links,
// images or styling nor break the body into a blank one.
QString PlainNotificationBody(const QString& text, bool readsMarkup);
