// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// The base of the core's own errors. what() is a description a user can act
// on; the view's top-level handler shows it in a message box.
class CPlendaError : public std::runtime_error {
public:
    explicit CPlendaError(const QString& description)
        : std::runtime_error(description.toStdString()) {}
    QString Description() const { return QString::fromUtf8(what()); }
};

// A diary file that cannot be opened, is not a diary, or fails a read or write.
class CDatabaseError : public CPlendaError {
public:
    using CPlendaError::CPlendaError;
};
