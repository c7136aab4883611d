// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/core/EntryRules.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTime>

#include "diary/DatePattern.h"
#include "settings/DecimalText.h"

namespace {
const QString kNoAlarm = QStringLiteral("0000");

bool IsFourDigits(const QString& text) {
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    return fourDigits.match(text).hasMatch();
}
}  // namespace

EntryCheck CheckEntry(const QString& message, const QString& eventTime) {
    EntryCheck check{QString(), eventTime.trimmed().isEmpty() ? kNoAlarm : eventTime};
    if (message.isEmpty())
        check.errors += QCoreApplication::translate("CDiaryEntryDlg", "Please add a message\n");
    if (!IsFourDigits(check.eventTime)) {
        check.errors += QCoreApplication::translate(
            "CDiaryEntryDlg", "Alarm time- Type it as HH:MM, for example 09:30\n");
        return check;
    }
    if (ParseDecimal(QStringView(check.eventTime).mid(0, 2)) > 24)
        check.errors += QCoreApplication::translate("CDiaryEntryDlg",
                                                    "Alarm time- Hours cannot be more than 24\n");
    if (ParseDecimal(QStringView(check.eventTime).mid(2, 2)) > 59)
        check.errors += QCoreApplication::translate("CDiaryEntryDlg",
                                                    "Alarm time- Minutes cannot be more than 59\n");
    return check;
}

QString PositionText(int position, int total) {
    return QCoreApplication::translate("CDiaryEntryDlg", "%1 of %2").arg(position).arg(total);
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
    return QCoreApplication::translate("CDiaryEntryDlg", "'%1' not found").arg(searchText);
}

QString AlarmTimeForDisplay(const QString& stored, const QLocale& locale) {
    if (stored.trimmed().isEmpty() || stored == kNoAlarm)
        return QString();
    // Shown as found, so that the range rules can name what is wrong with it.
    if (!IsFourDigits(stored))
        return stored;
    const QTime time(stored.left(2).toInt(), stored.mid(2).toInt());
    if (!time.isValid())
        return stored.left(2) + QLatin1Char(':') + stored.mid(2);
    return locale.toString(time, QLocale::ShortFormat);
}

std::optional<QString> StoredAlarmTimeOf(const QString& typed, const QLocale& locale) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return kNoAlarm;
    const QTime time = locale.toTime(text, QLocale::ShortFormat);
    if (time.isValid())
        return time.toString(QStringLiteral("HHmm"));
    static const QRegularExpression digits(QStringLiteral("^([0-9]{1,2})[:.]?([0-9]{2})$"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).rightJustified(2, QLatin1Char('0')) + match.captured(2);
}
