// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/SyncError.h"

// An address behind which several calendars were found and none was chosen
// (or the chosen name matched none): the message lists them.
class CCalendarChoiceError : public CSyncError {
public:
    using CSyncError::CSyncError;
};
