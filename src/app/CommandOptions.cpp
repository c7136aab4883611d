// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandOptions.h"

#include <QCoreApplication>

namespace {
const QString kDiaryOption = QStringLiteral("--diary");
}  // namespace

CCommandOptions::CCommandOptions(const QStringList& arguments, const QList<OptionSpec>& accepted)
    : m_accepted(accepted) {
    m_accepted.append({kDiaryOption, true});
    Read(arguments);
}

QString CCommandOptions::DiaryPath() const {
    return Value(kDiaryOption);
}

const OptionSpec* CCommandOptions::Find(const QString& name) const {
    for (const OptionSpec& spec : m_accepted) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

void CCommandOptions::Read(const QStringList& arguments) {
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            m_positionals.append(word);
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* spec = Find(word);
        if (!spec) {
            m_error =
                QCoreApplication::translate("CommandOptions", "unknown option '%1'").arg(word);
            return;
        }
        if (!spec->takesValue) {
            m_given.insert(word, QString());
            continue;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            m_error =
                QCoreApplication::translate("CommandOptions", "option %1 needs a value").arg(word);
            return;
        }
        m_given.insert(word, arguments[++i]);
    }
}
