// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBoxText.h"

#include <QCoreApplication>
#include <QStringList>
#include <QStringView>

namespace {
QString CutLine(QStringView line, int lineLength) {
    if (line.size() <= lineLength)
        return line.toString();
    return line.left(lineLength - 1).toString() + QChar(0x2026);
}
}  // namespace

QString FitMessageBoxText(const QString& text, const MessageBoxLimits& limits) {
    QStringList shown;
    qsizetype start = 0;
    int lineCount = 0;
    // Walked line by line so that a huge text is never split as a whole.
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        if (lineCount < limits.lines)
            shown.append(CutLine(QStringView(text).mid(start, end - start), limits.lineLength));
        ++lineCount;
        start = end + 1;
    }
    if (lineCount > limits.lines)
        shown.append(QCoreApplication::translate("CMessageBox", "and %1 more")
                         .arg(lineCount - limits.lines));
    return shown.join(QLatin1Char('\n'));
}
