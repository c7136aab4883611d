// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/WholeFile.h"
#include "settings/IniText.h"

CIniFile::CIniFile(QString path) : m_path(std::move(path)) {
    Load();
}

void CIniFile::Load() {
    m_lines.clear();
    m_problem.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        // A file that is there but cannot be read must not be written over.
        if (file.exists())
            m_problem =
                QCoreApplication::translate("CCalApp", "The settings file %1 cannot be read: %2.")
                    .arg(QDir::toNativeSeparators(m_path), file.errorString());
        return;
    }
    QByteArray all = file.readAll();
    // An editor's byte-order mark is no part of the first section's name.
    if (all.startsWith("\xEF\xBB\xBF"))
        all.remove(0, 3);
    QList<QByteArray> texts = all.split('\n');
    // The newline that ends the last line leaves nothing behind it.
    if (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    QString section;
    for (int i = 0; i < texts.size(); ++i) {
        QByteArray text = texts[i];
        if (text.endsWith('\r'))
            text.chop(1);
        ReadLine(text, section, i + 1);
    }
}

void CIniFile::ReadLine(const QByteArray& text, QString& section, int number) {
    Line line{text, section, QString(), std::nullopt};
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#')) {
        m_lines.append(line);
        return;
    }
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close < 0)
            NoteProblem(number, QCoreApplication::translate("CCalApp",
                                                            "a section name has no closing ']'"));
        else
            section = ReadIniName(QByteArrayView(trimmed).sliced(1, close - 1));
        line.section = section;
        m_lines.append(line);
        return;
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0) {
        NoteProblem(number,
                    QCoreApplication::translate("CCalApp", "it is not of the form Name=Value"));
        m_lines.append(line);
        return;
    }
    line.key = ReadIniName(trimmed.left(equals).trimmed());
    const IniValue value = ReadIniValue(QByteArrayView(trimmed).sliced(equals + 1));
    if (value.form == IniValue::Form::Unreadable)
        NoteProblem(number, QCoreApplication::translate(
                                "CCalApp", "the value of %1 opens a quote it never closes")
                                .arg(line.key));
    else
        line.value = value.text;
    m_lines.append(line);
}

void CIniFile::NoteProblem(int number, const QString& what) {
    if (m_problem.isEmpty())
        m_problem = QCoreApplication::translate(
                        "CCalApp", "Line %1 of the settings file %2 cannot be read: %3.")
                        .arg(number)
                        .arg(QDir::toNativeSeparators(m_path), what);
}

int CIniFile::FindKey(const QString& section, const QString& key) const {
    for (int i = static_cast<int>(m_lines.size()) - 1; i >= 0; --i) {
        if (m_lines[i].section == section && m_lines[i].key == key)
            return i;
    }
    return -1;
}

std::optional<QString> CIniFile::Value(const QString& section, const QString& key) const {
    const int index = FindKey(section, key);
    return index < 0 ? std::nullopt : m_lines[index].value;
}

int CIniFile::LastLineOfSection(const QString& section) const {
    int last = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        const bool header = m_lines[i].text.trimmed().startsWith('[');
        if (m_lines[i].section == section && (header || !m_lines[i].key.isEmpty()))
            last = i;
    }
    return last;
}

void CIniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    const QByteArray text = WriteIniName(key) + '=' + WriteIniValue(value);
    const int existing = FindKey(section, key);
    if (existing >= 0) {
        m_lines[existing].text = text;
        m_lines[existing].value = value;
        return;
    }
    const int last = LastLineOfSection(section);
    if (last >= 0) {
        m_lines.insert(last + 1, Line{text, section, key, value});
        return;
    }
    if (!m_lines.isEmpty() && !m_lines.last().text.trimmed().isEmpty())
        m_lines.append(Line{QByteArray(), m_lines.last().section, QString(), std::nullopt});
    m_lines.append(Line{'[' + WriteIniName(section) + ']', section, QString(), std::nullopt});
    m_lines.append(Line{text, section, key, value});
}

QString CIniFile::Save() const {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("CCalApp", "the folder %1 cannot be created")
            .arg(QDir::toNativeSeparators(folder));
    QByteArray text;
    for (const Line& line : m_lines) text += line.text + '\n';
    return WriteWholeFile(m_path, text);
}
