// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diary/DiaryError.h"

// A synchronisation that could not finish: the server refused, could not be
// reached or answered something unusable. Nothing local has changed.
class CSyncError : public CPlendaError {
public:
    using CPlendaError::CPlendaError;
};
