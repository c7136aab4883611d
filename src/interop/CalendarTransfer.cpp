// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarTransfer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

#include "diary/DiaryDatabase.h"
#include "interop/CalendarExport.h"
#include "interop/CalendarImport.h"
#include "interop/EntryTable.h"
#include "interop/IcsError.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace {
const QString kImportCaption = QStringLiteral("Import Calendar");
const QString kExportCaption = QStringLiteral("Export Calendar");

OpenFileRequest CalendarFileRequest(bool save) {
    return OpenFileRequest{QStringLiteral("iCalendar files (*.ics)"), QStringLiteral("ics"),
                           save ? QStringLiteral("Diary.ics") : QString(), save};
}

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CIcsError(
            QStringLiteral("The file %1 cannot be read: %2").arg(path, file.errorString()));
    return file.readAll();
}
}  // namespace

bool CCalendarTransfer::Import(CDiaryDatabase& diary) {
    const QString path = m_prompts.AskOpenFileName(CalendarFileRequest(false));
    if (path.isEmpty())
        return false;
    const std::optional<bool> holiday = m_prompts.AskYesNo(
        QStringLiteral("Are the entries of %1 public holidays?").arg(QFileInfo(path).fileName()),
        kImportCaption);
    if (!holiday)
        return false;
    const ImportOptions options{*holiday, QTimeZone::systemTimeZoneId(), m_clock.Now().date()};
    const ImportSummary summary = ImportCalendar(ReadWhole(path), path, options, diary);
    m_prompts.ShowMessage(QStringLiteral("%1:\n%2").arg(path, summary.Text()), kImportCaption);
    return summary.added > 0;
}

void CCalendarTransfer::Export(const CDiaryDatabase& diary) {
    const QString path = m_prompts.AskOpenFileName(CalendarFileRequest(true));
    if (path.isEmpty())
        return;
    const QList<DiaryEntry> entries = CEntryTable(diary).ReadAll();
    // Written beside the old file and put in its place only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw CIcsError(
            QStringLiteral("The file %1 cannot be written: %2").arg(path, file.errorString()));
    const ExportSummary summary =
        WriteCalendar(entries, DiaryUidTag(diary.FilePath()), m_clock.Now().toUTC(), file);
    if (!file.commit())
        throw CIcsError(
            QStringLiteral("The file %1 cannot be written: %2").arg(path, file.errorString()));
    m_prompts.ShowMessage(QStringLiteral("%1:\n%2").arg(path, summary.Text()), kExportCaption);
}
