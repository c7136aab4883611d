// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

class QCoreApplication;

// The translators of the interface language: Plenda's own texts and Qt's
// (the standard buttons' Yes, No, Cancel). English needs none; a language
// without a translation stays English.
class CInterfaceTranslations {
public:
    explicit CInterfaceTranslations(QCoreApplication& app) : m_app(app) {}
    ~CInterfaceTranslations();
    CInterfaceTranslations(const CInterfaceTranslations&) = delete;
    CInterfaceTranslations& operator=(const CInterfaceTranslations&) = delete;

    // Loads and installs the first of `folders` that holds a translation for
    // one of the locale's UI languages; true when Plenda's own was found.
    bool Load(const QLocale& locale, const QStringList& folders);
    // Where an installed program finds its translations, whether it lies in
    // libexec or in bin, and, when it runs from its build folder, where the
    // build put them.
    static QStringList Folders();

private:
    QCoreApplication& m_app;
    QTranslator m_plenda;
    QTranslator m_qt;
};
