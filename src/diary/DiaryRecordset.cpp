// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryRecordset.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>
#include <unordered_set>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "diary/SqliteRows.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {
constexpr char kSelectColumns[] =
    "SELECT ID, EventDate, EventDescription, EventSound, PubHoliday, Nag, EventTime FROM Diary";

QString WhereClause(const CDiaryFilter& filter) {
    return filter.IsAll() ? QString() : QStringLiteral(" WHERE ") + filter.Condition();
}

void BindAll(QSqlQuery& query, const QVariantList& values) {
    for (const QVariant& value : values) query.addBindValue(value);
}

// A NULL written by another program reads as an empty text or false.
QVariant TextOrNull(const QString& text, bool null) {
    return null && text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

std::size_t FieldIndex(DiaryField field) {
    return static_cast<std::size_t>(field);
}

QByteArrayView ViewOf(const QByteArray& utf8, const QString& text) {
    return text.isNull() ? QByteArrayView() : QByteArrayView(utf8);
}

// A record's values as SQLite gives them; the texts are valid until the next step.
DiaryRowView ReadRow(const CSqliteRows& query) {
    DiaryRowView row;
    row.id = query.Int(0);
    row.eventDate = query.Bytes(1);
    row.eventDescription = query.Bytes(2);
    row.eventSound = query.Bytes(3);
    row.pubHoliday = query.Flag(4);
    row.nag = query.Flag(5);
    row.eventTime = query.Bytes(6);
    return row;
}
}  // namespace

CDiaryRecordset::CDiaryRecordset(CSettingsStore& settings) : m_settings(settings) {}

CDiaryRecordset::~CDiaryRecordset() = default;

QString CDiaryRecordset::GetDefaultDBName() const {
    return m_settings.ReadText(QString::fromLatin1(CSettingsStore::kSettingsSection),
                               KeyName(Key::DiaryName));
}

void CDiaryRecordset::Open() {
    OpenFile(GetDefaultDBName());
}

void CDiaryRecordset::OpenFile(const QString& filePath) {
    Close();
    auto database = std::make_unique<CDiaryDatabase>(filePath);
    m_database = std::move(database);
    try {
        Requery();
    } catch (...) {
        Close();
        throw;
    }
}

void CDiaryRecordset::Close() {
    m_editMode = EditMode::None;
    m_fetched = FetchState{};
    m_rows.Clear();
    m_position = -1;
    m_onDeleted = false;
    m_database.reset();
}

void CDiaryRecordset::Requery() {
    RequireOpen();
    m_editMode = EditMode::None;
    if (!FetchedRowsAreCurrent())
        FetchRows();
    m_onDeleted = false;
    m_position = 0;
    LoadMembers();
}

void CDiaryRecordset::FetchRows() {
    QString sql = QString::fromLatin1(kSelectColumns) + WhereClause(m_filter);
    sql += m_sort == DiarySort::EventDateAscending ? QStringLiteral(" ORDER BY EventDate ASC, ID")
                                                   : QStringLiteral(" ORDER BY ID");
    // Read before the rows: a commit landing meanwhile shows as a change next time.
    const qint64 version = DataVersion();
    CSqliteRows query(*m_database, sql, m_filter.Values());
    CDiaryRows rows;
    rows.ReserveLike(m_rows);
    while (query.Next()) rows.Append(ReadRow(query));
    m_rows = std::move(rows);
    m_fetched = FetchState{true, m_filter, m_sort, version};
}

// SQLite's data version changes whenever another connection (in this process
// or another) commits; this recordset's own writes drop the fetched state.
bool CDiaryRecordset::FetchedRowsAreCurrent() const {
    return m_fetched.valid && m_fetched.filter == m_filter && m_fetched.sort == m_sort &&
           m_fetched.dataVersion == DataVersion();
}

bool CDiaryRecordset::HasChangedSinceFetch() const {
    return IsOpen() && (!m_fetched.valid || m_fetched.dataVersion != DataVersion());
}

qint64 CDiaryRecordset::DataVersion() const {
    CSqliteRows query(*m_database, QStringLiteral("PRAGMA data_version"), {});
    return query.Next() ? query.Int64(0) : -1;
}

void CDiaryRecordset::MoveFirst() {
    m_onDeleted = false;
    m_position = 0;
    LoadMembers();
}

void CDiaryRecordset::MoveLast() {
    m_onDeleted = false;
    m_position = m_rows.Size() - (m_rows.Empty() ? 0 : 1);
    LoadMembers();
}

void CDiaryRecordset::MoveNext() {
    if (m_onDeleted)
        m_onDeleted = false;
    else if (m_position < m_rows.Size())
        ++m_position;
    LoadMembers();
}

void CDiaryRecordset::MovePrev() {
    m_onDeleted = false;
    if (m_position >= 0)
        --m_position;
    LoadMembers();
}

bool CDiaryRecordset::IsBOF() const {
    return m_rows.Empty() || (!m_onDeleted && m_position < 0);
}

bool CDiaryRecordset::IsEOF() const {
    return m_rows.Empty() || (!m_onDeleted && m_position >= m_rows.Size());
}

int CDiaryRecordset::GetAbsolutePosition() const {
    return HasCurrent() ? m_position : -1;
}

bool CDiaryRecordset::HasCurrent() const {
    return !m_onDeleted && !IsBOF() && !IsEOF();
}

void CDiaryRecordset::RequireOpen() const {
    if (!m_database)
        throw CDatabaseError(QCoreApplication::translate("Diary", "The diary is not open."));
}

void CDiaryRecordset::RequireCurrent() const {
    RequireOpen();
    if (!HasCurrent())
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "There is no current diary entry."));
}

// The members show the current record; with none they keep their values, so
// a move past the end leaves the last record's values in view.
void CDiaryRecordset::LoadMembers() {
    if (!HasCurrent())
        return;
    const DiaryRowView row = m_rows.At(m_position);
    m_ID = row.id;
    m_EventDate = DecodedText(row.eventDate);
    m_EventDescription = DecodedText(row.eventDescription);
    m_EventSound = DecodedText(row.eventSound);
    m_PubHoliday = row.pubHoliday;
    m_Nag = row.nag;
    m_EventTime = DecodedText(row.eventTime);
}

// Keeps the members as the fetched row `index` (appended when it is the row
// count) with the given ID.
void CDiaryRecordset::StoreMembers(int index, int id) {
    const QByteArray date = m_EventDate.toUtf8();
    const QByteArray description = m_EventDescription.toUtf8();
    const QByteArray sound = m_EventSound.toUtf8();
    const QByteArray time = m_EventTime.toUtf8();
    const DiaryRowView row{id,
                           ViewOf(date, m_EventDate),
                           ViewOf(description, m_EventDescription),
                           ViewOf(sound, m_EventSound),
                           ViewOf(time, m_EventTime),
                           m_PubHoliday,
                           m_Nag};
    if (index == m_rows.Size())
        m_rows.Append(row);
    else
        m_rows.Replace(index, row);
}

void CDiaryRecordset::AddNew() {
    RequireOpen();
    m_editMode = EditMode::Add;
    ClearNullFlags();
    m_ID = 0;
    m_EventDate.clear();
    m_EventDescription.clear();
    m_EventSound.clear();
    m_PubHoliday = false;
    m_Nag = false;
    m_EventTime.clear();
}

void CDiaryRecordset::Edit() {
    RequireCurrent();
    if (!RefetchCurrent())
        throw CDatabaseError(QCoreApplication::translate(
            "Diary", "The diary entry was deleted by another program in the meantime."));
    m_editMode = EditMode::Edit;
    ClearNullFlags();
    LoadMembers();
}

// A dynaset edits the record as stored now, not as it was when selected.
bool CDiaryRecordset::RefetchCurrent() {
    CSqliteRows query(*m_database,
                      QString::fromLatin1(kSelectColumns) + QStringLiteral(" WHERE ID = ?"),
                      {m_rows.IdAt(m_position)});
    if (!query.Next())
        return false;
    m_rows.Replace(m_position, ReadRow(query));
    return true;
}

void CDiaryRecordset::Update() {
    RequireOpen();
    if (m_editMode == EditMode::Add)
        InsertMembers();
    else if (m_editMode == EditMode::Edit)
        UpdateMembers();
    else
        throw CDatabaseError(QCoreApplication::translate(
            "Diary", "The diary entry cannot be saved: it is not being added or edited."));
    m_editMode = EditMode::None;
    ClearNullFlags();
}

void CDiaryRecordset::BindMemberValues(QSqlQuery& query) const {
    const auto& nulls = m_nullFields;
    query.addBindValue(TextOrNull(m_EventDate, nulls[FieldIndex(DiaryField::EventDate)]));
    query.addBindValue(
        TextOrNull(m_EventDescription, nulls[FieldIndex(DiaryField::EventDescription)]));
    query.addBindValue(TextOrNull(m_EventSound, nulls[FieldIndex(DiaryField::EventSound)]));
    // The flag columns are NOT NULL in a diary this program creates.
    query.addBindValue(m_PubHoliday ? 1 : 0);
    query.addBindValue(m_Nag ? 1 : 0);
    query.addBindValue(TextOrNull(m_EventTime, nulls[FieldIndex(DiaryField::EventTime)]));
}

void CDiaryRecordset::InsertMembers() {
    m_database->RequireSound(QCoreApplication::translate("Diary", "add a diary entry"));
    QSqlQuery query = m_database->Prepare(
        QStringLiteral("INSERT INTO Diary (EventDate, EventDescription, EventSound, PubHoliday, "
                       "Nag, EventTime) VALUES (?, ?, ?, ?, ?, ?)"));
    BindMemberValues(query);
    m_database->Execute(query, QCoreApplication::translate("Diary", "add a diary entry"));
    m_fetched.valid = false;
    m_lastModifiedId = query.lastInsertId().toInt();
    // An added record joins the end of the dynaset; the position stays on the
    // record it stood on, or stays past the end.
    const bool wasAtEnd = !m_onDeleted && m_position >= m_rows.Size();
    StoreMembers(m_rows.Size(), m_lastModifiedId);
    if (wasAtEnd)
        m_position = m_rows.Size();
    LoadMembers();
}

void CDiaryRecordset::UpdateMembers() {
    m_database->RequireSound(QCoreApplication::translate("Diary", "save a diary entry"));
    QSqlQuery query = m_database->Prepare(
        QStringLiteral("UPDATE Diary SET EventDate = ?, EventDescription = ?, EventSound = ?, "
                       "PubHoliday = ?, Nag = ?, EventTime = ? WHERE ID = ?"));
    BindMemberValues(query);
    const int id = m_rows.IdAt(m_position);
    query.addBindValue(id);
    m_database->Execute(query, QCoreApplication::translate("Diary", "save a diary entry"));
    m_fetched.valid = false;
    if (query.numRowsAffected() == 0)
        throw CDatabaseError(QCoreApplication::translate(
            "Diary", "The diary entry was deleted by another program in the meantime."));
    m_ID = id;
    m_lastModifiedId = id;
    StoreMembers(m_position, id);
}

void CDiaryRecordset::CancelUpdate() {
    m_editMode = EditMode::None;
    ClearNullFlags();
    LoadMembers();
}

void CDiaryRecordset::Delete() {
    RequireCurrent();
    m_editMode = EditMode::None;
    const int id = m_rows.IdAt(m_position);
    m_database->RequireSound(QCoreApplication::translate("Diary", "delete a diary entry"));
    QSqlQuery query = m_database->Prepare(QStringLiteral("DELETE FROM Diary WHERE ID = ?"));
    query.addBindValue(id);
    m_database->Execute(query, QCoreApplication::translate("Diary", "delete a diary entry"));
    m_fetched.valid = false;
    // Deleting nothing is no success: the record went elsewhere meanwhile.
    if (query.numRowsAffected() == 0)
        throw CDatabaseError(QCoreApplication::translate(
            "Diary", "The diary entry was deleted by another program in the meantime."));
    m_rows.Erase(m_position);
    m_onDeleted = !m_rows.Empty();
}

void CDiaryRecordset::SetFieldNull(DiaryField field) {
    m_nullFields[FieldIndex(field)] = true;
    switch (field) {
        case DiaryField::ID:
            m_ID = 0;
            break;
        case DiaryField::EventDate:
            m_EventDate.clear();
            break;
        case DiaryField::EventDescription:
            m_EventDescription.clear();
            break;
        case DiaryField::EventSound:
            m_EventSound.clear();
            break;
        case DiaryField::PubHoliday:
            m_PubHoliday = false;
            break;
        case DiaryField::Nag:
            m_Nag = false;
            break;
        case DiaryField::EventTime:
            m_EventTime.clear();
            break;
    }
}

void CDiaryRecordset::SetAllFieldsNull() {
    for (DiaryField field :
         {DiaryField::ID, DiaryField::EventDate, DiaryField::EventDescription,
          DiaryField::EventSound, DiaryField::PubHoliday, DiaryField::Nag, DiaryField::EventTime})
        SetFieldNull(field);
}

void CDiaryRecordset::ClearNullFlags() {
    m_nullFields.fill(false);
}

DiaryBookmark CDiaryRecordset::GetLastModifiedBookmark() const {
    if (m_lastModifiedId == 0)
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "No diary entry has been added or changed yet."));
    return DiaryBookmark{m_lastModifiedId};
}

void CDiaryRecordset::SetBookmark(const DiaryBookmark& bookmark) {
    RequireOpen();
    const int found = m_rows.IndexOfId(bookmark.id);
    if (found < 0)
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The diary entry is no longer in the selection."));
    m_onDeleted = false;
    m_position = found;
    LoadMembers();
}

bool CDiaryRecordset::FindFirst(const CDiaryFilter& filter) {
    return FindFrom(0, filter);
}

bool CDiaryRecordset::FindNext(const CDiaryFilter& filter) {
    const int start = m_onDeleted ? m_position : m_position + 1;
    return FindFrom(std::max(start, 0), filter);
}

bool CDiaryRecordset::FindFrom(int start, const CDiaryFilter& filter) {
    RequireOpen();
    QSqlQuery query =
        m_database->Prepare(QStringLiteral("SELECT ID FROM Diary") + WhereClause(filter));
    query.setForwardOnly(true);
    BindAll(query, filter.Values());
    m_database->Execute(query, QCoreApplication::translate("Diary", "search the diary"));
    std::unordered_set<int> matching;
    while (query.next()) matching.insert(query.value(0).toInt());
    for (int index = start; index < m_rows.Size(); ++index) {
        if (matching.count(m_rows.IdAt(index)) != 0) {
            m_onDeleted = false;
            m_position = index;
            LoadMembers();
            return true;
        }
    }
    return false;
}

void CDiaryRecordset::VisitRecords(const std::function<void(const DiaryRowView&)>& visit) {
    if (m_rows.Empty())
        return;
    m_onDeleted = false;
    for (int index = 0; index < m_rows.Size(); ++index) visit(m_rows.At(index));
    m_position = m_rows.Size() - 1;
    LoadMembers();
    m_position = m_rows.Size();
}
