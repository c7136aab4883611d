// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/CalendarTransfer.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "interop/CalendarFiles.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace {
const char* const kImportCaption = QT_TRANSLATE_NOOP("CCalendarTransfer", "Import Calendar");
const char* const kExportCaption = QT_TRANSLATE_NOOP("CCalendarTransfer", "Export Calendar");

QString Translated(const char* text) {
    return QCoreApplication::translate("CCalendarTransfer", text);
}

QString EventCount(int events) {
    return events == 1
               ? Translated(QT_TRANSLATE_NOOP("CCalendarTransfer", "1 event"))
               : Translated(QT_TRANSLATE_NOOP("CCalendarTransfer", "%1 events")).arg(events);
}
}  // namespace

QString CCalendarTransfer::AskFile(bool save) {
    const OpenFileRequest request{
        Translated(QT_TRANSLATE_NOOP("CCalendarTransfer", "iCalendar files (*.ics)")),
        QStringLiteral("ics"), save ? QStringLiteral("Diary.ics") : QString(), save,
        m_folders.folder};
    const QString path = m_prompts.AskOpenFileName(request);
    if (!path.isEmpty() && m_folders.chosenFolder)
        m_folders.chosenFolder(QFileInfo(path).absolutePath());
    return path;
}

// The file is read before the question, so that one that cannot be read or
// is no calendar is refused at once and the question can say what it holds.
bool CCalendarTransfer::Import(CDiaryDatabase& diary) {
    const QString path = AskFile(false);
    if (path.isEmpty())
        return false;
    ImportPlan plan =
        ReadCalendar(ReadCalendarFile(path), path, LocalImportOptions(false, m_clock.Now().date()));
    const std::optional<bool> holiday = m_prompts.AskYesNo(
        Translated(QT_TRANSLATE_NOOP("CCalendarTransfer",
                                     "Are the entries of %1 public holidays?\n(%2 found)"))
            .arg(QFileInfo(path).fileName(), EventCount(plan.summary.events)),
        Translated(kImportCaption), DefaultAnswer::No);
    if (!holiday)
        return false;
    if (*holiday) {
        for (DiaryEntry& entry : plan.entries) entry.holiday = true;
    }
    const ImportSummary summary = AddNewEntries(plan, diary);
    m_prompts.ShowMessage(QStringLiteral("%1:\n%2").arg(path, summary.Text()),
                          Translated(kImportCaption));
    return summary.added > 0;
}

void CCalendarTransfer::Export(const CDiaryDatabase& diary) {
    const QString path = AskFile(true);
    if (path.isEmpty())
        return;
    const ExportSummary summary = ExportDiaryToFile(diary, m_clock.Now().toUTC(), path);
    m_prompts.ShowMessage(QStringLiteral("%1:\n%2").arg(path, summary.Text()),
                          Translated(kExportCaption));
}
