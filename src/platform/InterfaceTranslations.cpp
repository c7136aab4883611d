// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InterfaceTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

CInterfaceTranslations::~CInterfaceTranslations() {
    QCoreApplication::removeTranslator(&m_plenda);
    QCoreApplication::removeTranslator(&m_qt);
}

namespace {
// English is the texts themselves: a language listed after it must not win.
bool PrefersEnglish(const QLocale& locale) {
    const QStringList languages = locale.uiLanguages();
    const QLocale::Language first =
        languages.isEmpty() ? locale.language() : QLocale(languages.first()).language();
    return first == QLocale::English || first == QLocale::C;
}
}  // namespace

bool CInterfaceTranslations::Load(const QLocale& locale, const QStringList& folders) {
    if (PrefersEnglish(locale))
        return false;
    bool found = false;
    for (const QString& folder : folders) {
        if (m_plenda.load(locale, QStringLiteral("plenda"), QStringLiteral("_"), folder)) {
            found = m_app.installTranslator(&m_plenda);
            break;
        }
    }
    // Qt's own texts only with Plenda's, so a dialog never mixes two languages.
    if (found && m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_app.installTranslator(&m_qt);
    return found;
}

QStringList CInterfaceTranslations::Folders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{
        QDir::cleanPath(programFolder + QStringLiteral("/" PLENDA_TRANSLATIONS_FROM_PROGRAM)),
        QDir::cleanPath(programFolder + QStringLiteral("/" PLENDA_TRANSLATIONS_FROM_BIN))};
    // Where libexec and bin lie equally deep both paths are one.
    folders.removeDuplicates();
    const QString buildTree = QStringLiteral(PLENDA_BUILD_TREE);
    if (programFolder.startsWith(buildTree + QLatin1Char('/')))
        folders << QStringLiteral(PLENDA_BUILD_TRANSLATIONS);
    return folders;
}
