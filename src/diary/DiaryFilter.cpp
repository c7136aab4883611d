// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryFilter.h"

namespace {
constexpr int kDateKeyLength = 8;

// LIKE treats '%' and '_' as wildcards; the user's text is meant literally.
QString EscapeLike(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped.append(QLatin1Char('\\'));
        escaped.append(c);
    }
    return escaped;
}
}  // namespace

CDiaryFilter::CDiaryFilter(QString condition, QVariantList values)
    : m_condition(std::move(condition)), m_values(std::move(values)) {}

CDiaryFilter CDiaryFilter::All() {
    return CDiaryFilter({}, {});
}

CDiaryFilter CDiaryFilter::ForDateKey(const QString& key) {
    if (key == QLatin1String("00000000"))
        return All();
    const QString pattern = DateKeyGlobPattern(key);
    if (pattern.isEmpty())
        return CDiaryFilter(QStringLiteral("0"), {});
    return CDiaryFilter(QStringLiteral("EventDate GLOB ?"), {pattern});
}

CDiaryFilter CDiaryFilter::ById(int id) {
    return CDiaryFilter(QStringLiteral("ID = ?"), {id});
}

CDiaryFilter CDiaryFilter::DateEquals(const QString& storedDate) {
    return CDiaryFilter(QStringLiteral("EventDate = ?"), {storedDate});
}

CDiaryFilter CDiaryFilter::MessageContains(const QString& text) {
    return Containing(QStringLiteral("EventDescription"), text);
}

CDiaryFilter CDiaryFilter::TuneContains(const QString& text) {
    return Containing(QStringLiteral("EventSound"), text);
}

CDiaryFilter CDiaryFilter::Containing(const QString& column, const QString& text) {
    const QString pattern = QLatin1Char('%') + EscapeLike(text) + QLatin1Char('%');
    return CDiaryFilter(column + QStringLiteral(" LIKE ? ESCAPE '\\'"), {pattern});
}

QString DateKeyGlobPattern(const QString& key) {
    if (key.size() != kDateKeyLength)
        return {};
    QString pattern;
    for (const QChar c : key) {
        // Inside brackets '*' is literal, so each class matches '*' or the digit.
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return {};
        pattern += QStringLiteral("[*") + c + QLatin1Char(']');
    }
    return pattern;
}

bool EventDateFallsOn(QStringView eventDate, QStringView key) {
    if (eventDate.size() != kDateKeyLength || key.size() != kDateKeyLength)
        return false;
    for (int i = 0; i < kDateKeyLength; ++i) {
        if (eventDate[i] != QLatin1Char('*') && eventDate[i] != key[i])
            return false;
    }
    return true;
}
