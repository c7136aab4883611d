// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarTransfer.h"

#include <QFileInfo>

#include "interop/CalendarFiles.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace {
const QString kImportCaption = QStringLiteral("Import Calendar");
const QString kExportCaption = QStringLiteral("Export Calendar");

OpenFileRequest CalendarFileRequest(bool save) {
    return OpenFileRequest{QStringLiteral("iCalendar files (*.ics)"), QStringLiteral("ics"),
                           save ? QStringLiteral("Diary.ics") : QString(), save};
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
    const ImportSummary summary = ImportCalendar(
        ReadCalendarFile(path), path, LocalImportOptions(*holiday, m_clock.Now().date()), diary);
    m_prompts.ShowMessage(QStringLiteral("%1:\n%2").arg(path, summary.Text()), kImportCaption);
    return summary.added > 0;
}

void CCalendarTransfer::Export(const CDiaryDatabase& diary) {
    const QString path = m_prompts.AskOpenFileName(CalendarFileRequest(true));
    if (path.isEmpty())
        return;
    const ExportSummary summary = ExportDiaryToFile(diary, m_clock.Now().toUTC(), path);
    m_prompts.ShowMessage(QStringLiteral("%1:\n%2").arg(path, summary.Text()), kExportCaption);
}
