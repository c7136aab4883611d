// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One option a command accepts, spelt with its leading "--": a switch, or
// one that takes the next word as its value.
struct OptionSpec {
    QString name;
    bool takesValue = false;
};

// The one reader of a command's words. Every command accepts `--diary PATH`
// besides its own options; `--` ends the options, so a message may start
// with dashes; every other word is a positional, kept in order.
class CCommandOptions {
public:
    CCommandOptions(const QStringList& arguments, const QList<OptionSpec>& accepted);

    // Empty when the words fit the options; otherwise the first complaint.
    const QString& Error() const { return m_error; }
    const QStringList& Positionals() const { return m_positionals; }
    bool Has(const QString& name) const { return m_given.contains(name); }
    // The option's value; empty when it was not given.
    QString Value(const QString& name) const { return m_given.value(name); }
    // The diary file for this command alone; empty for the usual one.
    QString DiaryPath() const;

private:
    const OptionSpec* Find(const QString& name) const;
    void Read(const QStringList& arguments);

    QList<OptionSpec> m_accepted;
    QStringList m_positionals;
    QHash<QString, QString> m_given;
    QString m_error;
};
