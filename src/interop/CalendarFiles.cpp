// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryIdentity.h"
#include "interop/EntryTable.h"
#include "interop/IcsError.h"
#include "platform/WholeFile.h"

namespace {
CIcsError Unreadable(const QString& name, const QString& why) {
    return CIcsError(
        QCoreApplication::translate("CCalendarTransfer", "The file %1 cannot be read: %2")
            .arg(name, why));
}

CIcsError Unwritable(const QString& name, const QString& why) {
    return CIcsError(
        QCoreApplication::translate("CCalendarTransfer", "The file %1 cannot be written: %2")
            .arg(name, why));
}
}  // namespace

QByteArray ReadCalendarFile(const QString& path) {
    // Opening a folder succeeds on Linux; only the read would fail.
    if (QFileInfo(path).isDir())
        throw Unreadable(path, QCoreApplication::translate("CCalendarTransfer", "it is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Unreadable(path, file.errorString());
    return ReadCalendarDevice(file, path);
}

QByteArray ReadCalendarDevice(QIODevice& in, const QString& name) {
    const QByteArray text = in.readAll();
    const QFileDevice* file = qobject_cast<const QFileDevice*>(&in);
    if (file && file->error() != QFileDevice::NoError)
        throw Unreadable(name, file->errorString());
    return text;
}

ImportOptions LocalImportOptions(bool holiday, const QDate& today) {
    return ImportOptions{holiday, QTimeZone::systemTimeZoneId(), today};
}

ExportSummary ExportDiary(const CDiaryDatabase& diary, const QDateTime& stamp, QIODevice& out) {
    return WriteCalendar(CEntryTable(diary).ReadAll(), DiaryUidTag(DiaryIdentity(diary)), stamp,
                         out);
}

ExportSummary ExportDiaryToFile(const CDiaryDatabase& diary, const QDateTime& stamp,
                                const QString& path) {
    // Put in the diary's place, the export would lose every entry.
    const QString target = QFileInfo(path).canonicalFilePath();
    if (!target.isEmpty() && target == QFileInfo(diary.FilePath()).canonicalFilePath())
        throw Unwritable(
            path, QCoreApplication::translate("CCalendarTransfer", "it is the diary itself"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Unwritable(path, file.errorString());
    const ExportSummary summary = ExportDiary(diary, stamp, file);
    const QString failure = CommitWholeFile(file);
    if (!failure.isEmpty())
        throw Unwritable(path, failure);
    return summary;
}
