// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <stdexcept>

// Long expected texts live in tests/data so that they can be read and
// compared by eye; a missing file is a broken test, not an empty text.
inline QString GoldenPath(const QString& name) {
    return QStringLiteral(PLENDA_TEST_DATA) + QLatin1Char('/') + name;
}

inline QByteArray GoldenBytes(const QString& name) {
    QFile file(GoldenPath(name));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing golden file " + name.toStdString());
    return file.readAll();
}

inline QString GoldenText(const QString& name) {
    return QString::fromUtf8(GoldenBytes(name));
}
