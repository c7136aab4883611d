// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "app/CommandStreams.h"

class CSettingsStore;
class IClock;

// `plenda print --pdf FILE [MONTH YEAR] [--year] [--diary PATH]`: prints the
// calendar page (this month without MONTH YEAR; the whole year with --year)
// into a PDF file, exactly as the window prints it. Needs a QGuiApplication.
// Bad arguments give one line on `err` and status 2; a file that cannot be
// written, or a --diary file that cannot be read, status 1. Without --diary
// the diary is found as the other commands find it (the default diary in
// `documentsFolder` when none is set).
int RunPrintCommand(const QStringList& arguments, CSettingsStore& store, IClock& clock,
                    const QString& documentsFolder, CommandStreams streams);
