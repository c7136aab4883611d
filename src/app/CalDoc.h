// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The document of the one calendar window. The diary is not a document: it
// lives in the database file that `DiaryName` names, so the document holds,
// loads and saves nothing. It exists for as long as the main window does.
class CCalDoc : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
};
