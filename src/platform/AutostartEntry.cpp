// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AutostartEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/WholeFile.h"

namespace {
const QString kFileName = QStringLiteral("plenda.desktop");
const QString kExec = QStringLiteral("Exec=");

// A desktop entry's Exec line quotes arguments that hold blanks or quotes.
QString QuotedForExec(const QString& program) {
    static const QString special = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (QChar c : program) needsQuotes = needsQuotes || special.contains(c);
    if (!needsQuotes)
        return program;
    QString escaped = program;
    for (const char* c : {"\\", "\"", "`", "$"})
        escaped.replace(QLatin1String(c), QLatin1Char('\\') + QLatin1String(c));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// The Exec value is also a desktop-file string, whose own escaping doubles
// each backslash, the quoting's included.
QString AsDesktopString(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
}
}  // namespace

CAutostartEntry::Program CAutostartEntry::ProgramToStart(const QString& windowProgram) {
    const QString command = QStringLiteral("plenda");
    const QString onPath = QStandardPaths::findExecutable(command);
    if (!onPath.isEmpty())
        return {onPath, false};
    const QDir folder = QFileInfo(windowProgram).absoluteDir();
    const QString installed = folder.absoluteFilePath(QStringLiteral("../bin/plenda"));
    if (QFileInfo(installed).isExecutable())
        return {QDir::cleanPath(installed), false};
    const QString beside = folder.absoluteFilePath(command);
    return {QFileInfo(beside).isExecutable() ? beside : windowProgram, true};
}

CAutostartEntry::CAutostartEntry(const QString& configHome) {
    const QString home =
        configHome.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            : configHome;
    m_folder = QDir(home).filePath(QStringLiteral("autostart"));
}

QString CAutostartEntry::FilePath() const {
    return QDir(m_folder).filePath(kFileName);
}

bool CAutostartEntry::Exists() const {
    return QFile::exists(FilePath());
}

QString CAutostartEntry::Enable(const QString& desktopText, const QString& program) const {
    if (!QDir().mkpath(m_folder))
        return QCoreApplication::translate("COptionsDlg", "Cannot create the folder %1")
            .arg(m_folder);
    return WriteWholeFile(FilePath(), WithProgram(desktopText, program).toUtf8());
}

QString CAutostartEntry::Disable() const {
    QFile file(FilePath());
    if (!file.exists() || file.remove())
        return QString();
    return file.errorString();
}

QString CAutostartEntry::WithProgram(const QString& desktopText, const QString& program) {
    QStringList lines = desktopText.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.startsWith(kExec))
            line = kExec + AsDesktopString(QuotedForExec(program));
    }
    return lines.join(QLatin1Char('\n'));
}
