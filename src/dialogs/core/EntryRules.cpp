// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/core/EntryRules.h"

#include "diary/DatePattern.h"
#include "settings/DecimalText.h"

EntryCheck CheckEntry(const QString& message, const QString& eventTime) {
    EntryCheck check{QString(), eventTime.isEmpty() ? QStringLiteral("0000") : eventTime};
    if (message.isEmpty())
        check.errors += QStringLiteral("Please add a message\n");
    if (ParseDecimal(QStringView(check.eventTime).mid(0, 2)) > 24)
        check.errors += QStringLiteral("Alarm time- Hours cannot be more than 24\n");
    if (ParseDecimal(QStringView(check.eventTime).mid(2, 2)) > 59)
        check.errors += QStringLiteral("Alarm time- Minutes cannot be more than 59\n");
    return check;
}

QString PositionText(int position, int total) {
    return QStringLiteral("%1 of %2").arg(position).arg(total);
}

NavigationState NavigationFor(int count, int position, bool bof, bool eof) {
    NavigationState state;
    if (bof && eof)
        return state;
    state.anyRecord = true;
    state.forward = position != count;
    state.backward = position != 1;
    return state;
}

QString StoredDateOf(const QString& typed, DateOrder order) {
    const QString normalized = NormalizeDatePattern(typed, order);
    return normalized.isEmpty() ? KeepDateCharacters(typed) : normalized;
}

QString NotFoundText(const QString& searchText) {
    return QLatin1Char('\'') + searchText + QStringLiteral("' not found");
}
