// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "diary/DiaryError.h"

// A file that is not iCalendar or is damaged.
class CIcsError : public CPlendaError {
public:
    using CPlendaError::CPlendaError;
};

// The error for a fault found at a line of a file.
inline CIcsError IcsFault(const QString& fileName, int line, const QString& what) {
    return CIcsError(QCoreApplication::translate("CCalendarTransfer", "%1, line %2: %3")
                         .arg(fileName)
                         .arg(line)
                         .arg(what));
}
