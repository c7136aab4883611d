// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "interop/IcalHandles.h"
#include "interop/IcsLines.h"

// An iCalendar file read with libical, one component at a time so that a
// large file never stands in memory as one tree. The constructor checks the
// whole file's structure and reads its time zones; the events are parsed as
// they are visited. Every fault names the file and the line (CIcsError).
class CIcsReader {
public:
    CIcsReader(const QByteArray& text, const QString& fileName);

    int EventCount() const { return static_cast<int>(m_events.size()); }
    // Components other than events and time zones (to-dos, journal entries).
    int OtherCount() const { return m_otherCount; }
    // Calls `visit` with each event in file order, placed in a calendar that
    // holds the file's time zones so that its TZID parameters resolve.
    // With `onlyWith`, only the events whose text holds it are parsed.
    void ForEachEvent(const std::function<void(icalcomponent*)>& visit,
                      const QByteArray& onlyWith = QByteArray());

private:
    struct Chunk {
        qsizetype begin = 0;
        qsizetype end = 0;
        int firstLine = 0;
    };
    void ScanStructure();
    void CheckLineShape(const IcsLine& line, QByteArrayView name, bool outside, bool seenAny);
    void Enter(const IcsLine& line, qsizetype lineStart);
    void Leave(const IcsLine& line, qsizetype lineEnd);
    void AddTimeZone(const Chunk& chunk);
    IcalComponentPtr Parse(const Chunk& chunk) const;
    void CheckLinesAlone(const Chunk& chunk) const;
    void CheckValues(icalcomponent* component, const Chunk& chunk) const;
    int LineNamed(const Chunk& chunk, const QByteArray& name) const;

    QByteArray m_text;
    QString m_fileName;
    IcalComponentPtr m_calendar;
    QList<Chunk> m_events;
    int m_otherCount = 0;
    // While scanning: the names of the open components, and the child of the
    // calendar being read.
    QList<QByteArray> m_open;
    Chunk m_chunk;
};
