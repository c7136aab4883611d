// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/promo-server/PromoMessages.h"

#include <QFile>

namespace {
const QString kAnyProduct = QStringLiteral("*");
}

bool CPromoMessages::Load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    Parse(QString::fromUtf8(file.readAll()));
    return true;
}

void CPromoMessages::Parse(const QString& text) {
    m_messages.clear();
    m_badLines = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        // The message is everything after the second tab, tabs included.
        const qsizetype first = line.indexOf(QLatin1Char('\t'));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char('\t'), first + 1);
        if (first <= 0 || second <= first + 1) {
            ++m_badLines;
            continue;
        }
        const QString client = line.left(first);
        const QString product = line.mid(first + 1, second - first - 1);
        m_messages[client][product] = line.mid(second + 1);
    }
}

bool CPromoMessages::HasClient(const QString& clientId) const {
    return m_messages.contains(clientId);
}

QString CPromoMessages::Find(const QString& clientId, const QString& productId) const {
    const auto client = m_messages.constFind(clientId);
    if (client == m_messages.constEnd())
        return QString();
    if (const auto exact = client->constFind(productId); exact != client->constEnd())
        return *exact;
    return client->value(kAnyProduct);
}
