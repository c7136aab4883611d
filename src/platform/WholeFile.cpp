// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WholeFile.h"

#include <QSaveFile>

QString CommitWholeFile(QSaveFile& file) {
    // A buffered write that did not fit shows only in the flush; a commit
    // after it would put a cut-off file in the old one's place.
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    return CommitWholeFile(file);
}
