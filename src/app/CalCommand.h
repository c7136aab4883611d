// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "app/CommandStreams.h"

class IClock;

// `plenda cal [--monday] [--week-numbers] [MONTH YEAR]`: the month text of
// one month, eight lines, Monday first and with ISO 8601 week numbers when
// asked; this month (by `clock`) without a month. Bad arguments give one
// line on `err` and status 2.
int RunCalCommand(const QStringList& arguments, const IClock& clock, CommandStreams streams);
