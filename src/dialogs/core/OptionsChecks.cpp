// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/core/OptionsChecks.h"

#include <QCoreApplication>
#include <limits>

#include "marquee/MarqueeFile.h"

namespace {
constexpr int kMaxYearViewMonths = 12;

bool IsDigitsOnly(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Digits read as a number; long texts are capped so that no product overflows.
int CappedCount(const QString& digits) {
    constexpr int kCap = 1000;
    int value = 0;
    for (const QChar c : digits) value = std::min(kCap, value * 10 + (c.unicode() - '0'));
    return value;
}
}  // namespace

QString YearViewPageMessage(const QString& across, const QString& down) {
    if (across.isEmpty() || down.isEmpty())
        return QCoreApplication::translate("COptionsDlg", "Please enter a number");
    if (!IsDigitsOnly(across) || !IsDigitsOnly(down))
        return QCoreApplication::translate("COptionsDlg", "Numbers only");
    if (CappedCount(across) * CappedCount(down) > kMaxYearViewMonths)
        return QCoreApplication::translate("COptionsDlg", "12 months is the limit");
    return QString();
}

QString YearViewLimitMessage(const QString& across, const QString& down) {
    const QString pageMessage = YearViewPageMessage(across, down);
    if (!pageMessage.isEmpty())
        return pageMessage;
    if (CappedCount(across) < 1 || CappedCount(down) < 1)
        return QCoreApplication::translate("COptionsDlg", "Please enter a number from 1 to 12");
    return QString();
}

std::optional<int> ParseWholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString WholeNumberMessage(const QString& text, int minimum) {
    const std::optional<int> value = ParseWholeNumber(text);
    if (!value)
        return QCoreApplication::translate("COptionsDlg", "Please enter an integer.");
    if (*value < minimum) {
        return QCoreApplication::translate("COptionsDlg",
                                           "Please enter an integer between %1 and %2.")
            .arg(minimum)
            .arg(std::numeric_limits<int>::max());
    }
    return QString();
}

QString MarqueeFileMessage(const QString& path) {
    if (path.isEmpty())
        return {};
    const MarqueeLineRead read = ReadMarqueeLine(path, 0);
    return read.ok ? QString() : read.error;
}
