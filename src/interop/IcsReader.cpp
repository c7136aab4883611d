// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/IcsReader.h"

#include <QCoreApplication>
#include <QDate>

#include "interop/IcsError.h"

namespace {
constexpr int kDeepestNesting = 8;

// The property or keyword name of a content line, as written.
QByteArrayView NameOf(const QByteArray& line) {
    qsizetype end = 0;
    while (end < line.size() && line[end] != ':' && line[end] != ';') ++end;
    return QByteArrayView(line.constData(), end);
}

bool IsNamed(QByteArrayView name, const char* wanted) {
    return name.compare(QByteArrayView(wanted), Qt::CaseInsensitive) == 0;
}

QByteArray ValueOf(const QByteArray& line) {
    const qsizetype colon = line.indexOf(':');
    return colon < 0 ? QByteArray() : line.mid(colon + 1).trimmed().toUpper();
}

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

bool IsName(QByteArrayView name) {
    return !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), IsNameCharacter);
}

// The properties whose values decide the entries; a fault elsewhere (an
// unreadable LOCATION, say) loses nothing the diary keeps.
bool MattersToEntries(QByteArrayView name) {
    static const char* const names[] = {"DTSTART", "DTEND",     "DURATION",      "RRULE",
                                        "RDATE",   "EXDATE",    "RECURRENCE-ID", "SUMMARY",
                                        "UID",     "CATEGORIES"};
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* wanted) { return IsNamed(name, wanted); }) ||
           name.startsWith("X-PLENDA-") || name.startsWith("x-plenda-");
}

bool IsValidTime(const icaltimetype& t) {
    if (icaltime_is_null_time(t))
        return true;
    if (!QDate::isValid(t.year, t.month, t.day))
        return false;
    return t.is_date || (t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 &&
                         t.second >= 0 && t.second <= 60);
}

bool IsValidRule(const icalrecurrencetype& rule) {
    return rule.freq != ICAL_NO_RECURRENCE && rule.interval >= 1 && rule.count >= 0 &&
           IsValidTime(rule.until);
}

// Whether the value of a property the entries depend on is sound.
bool HasValidValue(icalproperty* p) {
    switch (icalproperty_isa(p)) {
        case ICAL_DTSTART_PROPERTY:
            return IsValidTime(icalproperty_get_dtstart(p));
        case ICAL_DTEND_PROPERTY:
            return IsValidTime(icalproperty_get_dtend(p));
        case ICAL_RECURRENCEID_PROPERTY:
            return IsValidTime(icalproperty_get_recurrenceid(p));
        case ICAL_EXDATE_PROPERTY:
            return IsValidTime(icalproperty_get_exdate(p));
        case ICAL_RDATE_PROPERTY: {
            const icaldatetimeperiodtype when = icalproperty_get_rdate(p);
            return IsValidTime(when.time) && IsValidTime(when.period.start);
        }
        case ICAL_RRULE_PROPERTY:
            return IsValidRule(icalproperty_get_rrule(p));
        default:
            return true;
    }
}

// An empty text value is allowed (an empty CATEGORIES:, say), though
// libical sets it aside; times and rules are never empty.
bool IsEmptyText(const QByteArray& line, QByteArrayView name) {
    static const char* const timesAndRules[] = {"DTSTART", "DTEND",  "DURATION",     "RRULE",
                                                "RDATE",   "EXDATE", "RECURRENCE-ID"};
    return ValueOf(line).isEmpty() &&
           std::none_of(std::begin(timesAndRules), std::end(timesAndRules),
                        [&](const char* wanted) { return IsNamed(name, wanted); });
}

// libical keeps the first 500 values of a list and drops the rest without a
// word; a longer RDATE or EXDATE is handed over as several lines of 500.
constexpr qsizetype kLibicalListLimit = 500;

QList<QByteArray> SplitLongList(const QByteArray& line, QByteArrayView name) {
    if (!IsNamed(name, "RDATE") && !IsNamed(name, "EXDATE"))
        return {line};
    const qsizetype colon = line.indexOf(':', name.size());
    const QList<QByteArray> values = line.mid(colon + 1).split(',');
    if (colon < 0 || values.size() <= kLibicalListLimit)
        return {line};
    QList<QByteArray> lines;
    for (qsizetype i = 0; i < values.size(); i += kLibicalListLimit)
        lines << line.left(colon + 1) + values.mid(i, kLibicalListLimit).join(',');
    return lines;
}

// The blanks that end a title, which libical's parser strips from each line.
QByteArray TrailingBlanks(const QByteArray& line) {
    qsizetype end = line.size();
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
    return line.mid(end);
}

void KeepTrailingBlanks(icalcomponent* component, const QByteArray& blanks) {
    icalproperty* summary = icalcomponent_get_first_property(component, ICAL_SUMMARY_PROPERTY);
    if (summary && !blanks.isEmpty())
        icalproperty_set_summary(
            summary, (QByteArray(icalproperty_get_summary(summary)) + blanks).constData());
}

bool ParsesAlone(const QByteArray& line) {
    icalproperty* p = icalproperty_new_from_string(line.constData());
    const bool ok = p && icalproperty_isa(p) != ICAL_XLICERROR_PROPERTY;
    if (p)
        icalproperty_free(p);
    return ok;
}
}  // namespace

CIcsReader::CIcsReader(const QByteArray& text, const QString& fileName)
    : m_text(text), m_fileName(fileName), m_calendar(icalcomponent_new_vcalendar()) {
    ScanStructure();
}

void CIcsReader::ScanStructure() {
    const qsizetype start = m_text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    CIcsLines lines(m_text, start, m_text.size(), 1, m_fileName);
    IcsLine line;
    bool seenAny = false;
    qsizetype lineStart = lines.Offset();
    while (lines.Next(line)) {
        const QByteArrayView name = NameOf(line.text);
        CheckLineShape(line, name, m_open.isEmpty(), seenAny);
        if (IsNamed(name, "BEGIN"))
            Enter(line, lineStart);
        else if (IsNamed(name, "END"))
            Leave(line, lines.Offset());
        seenAny = true;
        lineStart = lines.Offset();
    }
    if (!seenAny)
        throw IcsFault(m_fileName, 1,
                       QCoreApplication::translate("CCalendarTransfer",
                                                   "the file is empty, not an iCalendar file"));
    if (!m_open.isEmpty())
        throw IcsFault(m_fileName, lines.NextNumber() - 1,
                       QCoreApplication::translate("CCalendarTransfer", "the file ends inside %1")
                           .arg(QString::fromLatin1(m_open.last())));
}

void CIcsReader::CheckLineShape(const IcsLine& line, QByteArrayView name, bool outside,
                                bool seenAny) {
    if (!IsName(name.trimmed()) || !line.text.contains(':'))
        throw IcsFault(m_fileName, line.number,
                       QCoreApplication::translate("CCalendarTransfer",
                                                   "this is not an iCalendar content line"));
    if (outside && (!IsNamed(name, "BEGIN") || ValueOf(line.text) != "VCALENDAR"))
        throw IcsFault(
            m_fileName, line.number,
            seenAny ? QCoreApplication::translate("CCalendarTransfer",
                                                  "text follows the end of the calendar")
                    : QCoreApplication::translate("CCalendarTransfer",
                                                  "the file does not begin with BEGIN:VCALENDAR, "
                                                  "so it is not an iCalendar file"));
}

void CIcsReader::Enter(const IcsLine& line, qsizetype lineStart) {
    const QByteArray component = ValueOf(line.text);
    if (!IsName(component) || (component == "VCALENDAR" && !m_open.isEmpty()))
        throw IcsFault(m_fileName, line.number, QStringLiteral("a component cannot begin here"));
    m_open.append(component);
    if (m_open.size() > kDeepestNesting)
        throw IcsFault(m_fileName, line.number, QStringLiteral("components nest too deeply"));
    if (m_open.size() == 2)
        m_chunk = Chunk{lineStart, lineStart, line.number};
}

void CIcsReader::Leave(const IcsLine& line, qsizetype lineEnd) {
    const QByteArray component = ValueOf(line.text);
    if (m_open.isEmpty() || m_open.last() != component)
        throw IcsFault(
            m_fileName, line.number,
            QStringLiteral("END:%1 closes no open BEGIN:%1").arg(QString::fromLatin1(component)));
    m_open.removeLast();
    if (m_open.size() != 1)
        return;
    m_chunk.end = lineEnd;
    if (component == "VEVENT")
        m_events.append(m_chunk);
    else if (component == "VTIMEZONE")
        AddTimeZone(m_chunk);
    else
        ++m_otherCount;
}

void CIcsReader::AddTimeZone(const Chunk& chunk) {
    IcalComponentPtr zone = Parse(chunk);
    icalcomponent_add_component(m_calendar.get(), zone.release());
}

IcalComponentPtr CIcsReader::Parse(const Chunk& chunk) const {
    CIcsLines lines(m_text, chunk.begin, chunk.end, chunk.firstLine, m_fileName);
    IcalParserPtr parser(icalparser_new());
    IcalComponentPtr component;
    IcsLine line;
    QByteArray titleBlanks;
    while (lines.Next(line)) {
        const QByteArrayView name = NameOf(line.text);
        if (IsNamed(name, "SUMMARY") && titleBlanks.isEmpty())
            titleBlanks = TrailingBlanks(line.text);
        for (QByteArray part : SplitLongList(line.text, name)) {
            icalcomponent* done = icalparser_add_line(parser.get(), part.data());
            if (done && !component)
                component.reset(done);
            else if (done)
                icalcomponent_free(done);
        }
    }
    if (!component)
        throw IcsFault(m_fileName, chunk.firstLine, QStringLiteral("the component cannot be read"));
    KeepTrailingBlanks(component.get(), titleBlanks);
    if (icalcomponent_count_errors(component.get()) > 0)
        CheckLinesAlone(chunk);
    CheckValues(component.get(), chunk);
    return component;
}

// libical has set aside a line it could not read; the file is refused when
// that line is one the entries depend on.
void CIcsReader::CheckLinesAlone(const Chunk& chunk) const {
    CIcsLines lines(m_text, chunk.begin, chunk.end, chunk.firstLine, m_fileName);
    IcsLine line;
    while (lines.Next(line)) {
        const QByteArrayView name = NameOf(line.text);
        if (MattersToEntries(name) && !IsEmptyText(line.text, name) && !ParsesAlone(line.text))
            throw IcsFault(m_fileName, line.number,
                           QStringLiteral("the value of %1 cannot be read")
                               .arg(QString::fromLatin1(name.toByteArray().toUpper())));
    }
}

int CIcsReader::LineNamed(const Chunk& chunk, const QByteArray& name) const {
    CIcsLines lines(m_text, chunk.begin, chunk.end, chunk.firstLine, m_fileName);
    IcsLine line;
    while (lines.Next(line)) {
        if (IsNamed(NameOf(line.text), name.constData()))
            return line.number;
    }
    return chunk.firstLine;
}

void CIcsReader::CheckValues(icalcomponent* component, const Chunk& chunk) const {
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_ANY_PROPERTY)) {
        if (HasValidValue(p))
            continue;
        const QByteArray name = icalproperty_get_property_name(p);
        throw IcsFault(
            m_fileName, LineNamed(chunk, name),
            QStringLiteral("%1 is not a valid date, time or rule").arg(QString::fromLatin1(name)));
    }
}

void CIcsReader::ForEachEvent(const std::function<void(icalcomponent*)>& visit,
                              const QByteArray& onlyWith) {
    for (const Chunk& chunk : m_events) {
        if (!onlyWith.isEmpty() &&
            !QByteArrayView(m_text.constData() + chunk.begin, chunk.end - chunk.begin)
                 .contains(onlyWith))
            continue;
        IcalComponentPtr event = Parse(chunk);
        icalcomponent_add_component(m_calendar.get(), event.get());
        try {
            visit(event.get());
        } catch (...) {
            icalcomponent_remove_component(m_calendar.get(), event.get());
            throw;
        }
        icalcomponent_remove_component(m_calendar.get(), event.get());
    }
}
