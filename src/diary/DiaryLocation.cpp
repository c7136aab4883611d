// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryLocation.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {
const QString kSettings = QString::fromLatin1(CSettingsStore::kSettingsSection);
const QString kDiaryName = KeyName(Key::DiaryName);

// Opens (creating, never truncating) and closes again; -1 when it cannot.
// Only a regular file can be a diary: opening a FIFO would wait for a writer.
int OpenForProbe(const QString& path) {
    if (path.isEmpty() || IsNonRegularFile(path))
        return -1;
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK,
                  0644);
}
}  // namespace

bool IsNonRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

OpenFileRequest DiaryFileRequest() {
    OpenFileRequest request;
    request.filter = QCoreApplication::translate("CCalApp", "database files (*.db)");
    request.defaultSuffix = QStringLiteral("db");
    request.initialName = QStringLiteral("*.db");
    return request;
}

// A documents folder that does not exist cannot hold the diary either, so the
// home folder takes its place then too.
QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString DefaultDiaryPath(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Diary.db"));
}

bool ProbeDiaryFile(const QString& path) {
    const int fd = OpenForProbe(path);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return locked;
}

bool EnsureDiaryFileExists(const QString& path) {
    const int fd = OpenForProbe(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

void RemoveEmptyNewDiary(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() == 0)
        QFile::remove(path);
}

QString LocateDiaryAtStartUp(CSettingsStore& settings, IPrompts& prompts,
                             const QString& documentsFolder) {
    QString path = settings.ReadText(kSettings, kDiaryName);
    if (path.isEmpty()) {
        path = DefaultDiaryPath(documentsFolder);
        settings.WriteText(kSettings, kDiaryName, path);
    }
    if (ProbeDiaryFile(path))
        return path;
    const QString chosen = prompts.AskOpenFileName(DiaryFileRequest());
    if (chosen.isEmpty())
        return path;
    settings.WriteText(kSettings, kDiaryName, chosen);
    return chosen;
}

CommandLineDiary LocateDiaryForCommandLine(CSettingsStore& settings, const QString& documentsFolder,
                                           bool remember) {
    CommandLineDiary diary;
    diary.path = settings.ReadText(kSettings, kDiaryName);
    if (diary.path.isEmpty()) {
        diary.path = DefaultDiaryPath(documentsFolder);
        if (remember)
            settings.WriteText(kSettings, kDiaryName, diary.path);
    }
    diary.usable = EnsureDiaryFileExists(diary.path);
    return diary;
}

bool OpenOtherDiary(CSettingsStore& settings, IPrompts& prompts, CDiarySetHolder& holder,
                    CMonthIndex& index, const ShownPeriod& shown) {
    const QString chosen = prompts.AskOpenFileName(DiaryFileRequest());
    if (chosen.isEmpty())
        return false;
    settings.WriteText(kSettings, kDiaryName, chosen);
    index.SetReady(false);
    holder.ForgetDiarySet();
    try {
        index.LoadMonthIndex(holder.GetDiarySet(), shown.month, shown.year, shown.yearView);
    } catch (...) {
        // No marks of the previous diary may stay on show.
        index.LoadMonthIndex(nullptr, shown.month, shown.year, shown.yearView);
        throw;
    }
    return true;
}
