// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Files replaced all or nothing: the new text counts only once every write,
// the flush and the commit succeeded; otherwise the old file stays as it was.

// Commits `file` after checking what was written to it; empty on success,
// otherwise the system's reason, and the old file is untouched.
QString CommitWholeFile(QSaveFile& file);
// Replaces the file at `path` with `bytes`; empty or the reason as above.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);
