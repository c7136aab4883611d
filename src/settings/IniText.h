// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The text forms of the settings file: values and names as the store writes
// them (the escapes, quotes and percent-encoded names of Qt's INI files, so
// files written before read back the same), and hand-written values read
// as they were typed.

// How one value of the file reads.
struct IniValue {
    enum class Form {
        Written,      // in the store's own form, escapes decoded
        HandWritten,  // plain text a person typed: read as it stands
        Unreadable,   // an opening quote never closed on its line
    };
    Form form = Form::Written;
    QString text;  // empty when unreadable
};

// Reads the bytes after the '=' of one line. A value the store could not
// have written (an unquoted comma or semicolon, a backslash that starts no
// escape) is taken as typed, without its surrounding blanks.
IniValue ReadIniValue(QByteArrayView raw);
// The form ReadIniValue reads back as `text`.
QByteArray WriteIniValue(const QString& text);

// Section and key names: letters, digits, '_', '-' and '.' as they are,
// everything else percent-encoded.
QString ReadIniName(QByteArrayView raw);
QByteArray WriteIniName(const QString& name);
