// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The values of a diary entry that travel to the server. `Nag` stays in the
// diary: no calendar has a place for it.
struct SyncEntry {
    QString date;
    QString message;
    QString sound;
    bool holiday = false;
    QString time;

    // One line holding every value, stored as the last synced state so that
    // the next sync sees what changed locally.
    QString State() const {
        // Blanks and an empty time mean no alarm, as "0000" does.
        const QString alarm = time.trimmed().isEmpty() ? QStringLiteral("0000") : time;
        return QStringList{date, message, sound, holiday ? "1" : "0", alarm}.join(QChar(0x1f));
    }
    // The entry a stored state line describes.
    static SyncEntry FromState(const QString& state) {
        const QStringList values = state.split(QChar(0x1f));
        if (values.size() != 5)
            return {};
        return {values[0], values[1], values[2], values[3] == QLatin1String("1"), values[4]};
    }
    bool operator==(const SyncEntry& other) const { return State() == other.State(); }
    bool operator!=(const SyncEntry& other) const { return !(*this == other); }
};
