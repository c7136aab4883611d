// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "diary/DiaryFilter.h"
#include "diary/DiaryRows.h"

class CDiaryDatabase;
class QSqlQuery;
class CSettingsStore;

// A bookmark is the identity of a record.
struct DiaryBookmark {
    int id = 0;
};

// The columns of table `Diary`, in binding order.
enum class DiaryField { ID, EventDate, EventDescription, EventSound, PubHoliday, Nag, EventTime };

// The diary table as a dynaset: the IDs of the selected records in
// sort order with their values as last fetched, a current position, and the
// members of the current record. Edits write through at once. Every failure
// of the database throws CDatabaseError.
class CDiaryRecordset {
public:
    explicit CDiaryRecordset(CSettingsStore& settings);
    ~CDiaryRecordset();
    CDiaryRecordset(const CDiaryRecordset&) = delete;
    CDiaryRecordset& operator=(const CDiaryRecordset&) = delete;

    // The file the setting `DiaryName` names now.
    QString GetDefaultDBName() const;
    // Opens the diary GetDefaultDBName() names, selecting with the filter and sort.
    void Open();
    // Opens a given diary file (the command line's --diary), writing no setting.
    void OpenFile(const QString& filePath);
    void Close();
    bool IsOpen() const { return m_database != nullptr; }
    CDiaryDatabase* Database() const { return m_database.get(); }

    // The filter and sort take effect at the next Open or Requery.
    void SetFilter(const CDiaryFilter& filter) { m_filter = filter; }
    void SetSort(DiarySort sort) { m_sort = sort; }
    const CDiaryFilter& Filter() const { return m_filter; }
    DiarySort Sort() const { return m_sort; }
    // Selects again and stands on the first record.
    void Requery();
    // Whether the diary was written since the rows were fetched, by this or
    // any other connection; asks SQLite's data version, reads no rows.
    bool HasChangedSinceFetch() const;
    // SQLite's data version on this connection: it changes whenever another
    // connection commits.
    qint64 DataVersion() const;

    // Moving past either end leaves the recordset at BOF or EOF; moving on an
    // empty selection does nothing.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrev();
    bool IsBOF() const;
    bool IsEOF() const;
    int GetRecordCount() const { return m_rows.Size(); }
    // 0-based; -1 when there is no current record.
    int GetAbsolutePosition() const;

    // AddNew clears the members for a new record; Edit starts changing the
    // current one (re-reading it first); Update writes either. After an added
    // record is written the recordset stands where it stood before AddNew.
    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    bool IsEditing() const { return m_editMode != EditMode::None; }
    // Deletes the current record; the position stays between its neighbours,
    // so MoveNext reaches the record after it and MovePrev the one before.
    void Delete();
    // Empties a member; in AddNew or Edit it is written as NULL unless given a
    // value before Update.
    void SetFieldNull(DiaryField field);
    void SetAllFieldsNull();

    DiaryBookmark GetLastModifiedBookmark() const;
    void SetBookmark(const DiaryBookmark& bookmark);

    // Moves to the first (or next after the current) selected record that the
    // filter also selects and returns true; returns false and stays put when
    // there is none.
    bool FindFirst(const CDiaryFilter& filter);
    bool FindNext(const CDiaryFilter& filter);

    // Reads every record as last fetched, in order, and leaves the recordset
    // as MoveLast, MoveFirst and a MoveNext per record would: past the last
    // record, the members holding it. The members are not made for each
    // record on the way, which is what a pass over the whole table costs
    // most. An empty selection is left as it is. `visit` must not change the
    // recordset.
    void VisitRecords(const std::function<void(const DiaryRowView&)>& visit);

    int m_ID = 0;
    QString m_EventDate;
    QString m_EventDescription;
    QString m_EventSound;
    bool m_PubHoliday = false;
    bool m_Nag = false;
    QString m_EventTime;

private:
    enum class EditMode { None, Add, Edit };

    void RequireOpen() const;
    void RequireCurrent() const;
    bool HasCurrent() const;
    void LoadMembers();
    void StoreMembers(int index, int id);
    void FetchRows();
    bool FetchedRowsAreCurrent() const;
    bool RefetchCurrent();
    void BindMemberValues(QSqlQuery& query) const;
    void InsertMembers();
    void UpdateMembers();
    bool FindFrom(int start, const CDiaryFilter& filter);
    void ClearNullFlags();

    CSettingsStore& m_settings;
    std::unique_ptr<CDiaryDatabase> m_database;
    CDiaryFilter m_filter = CDiaryFilter::All();
    DiarySort m_sort = DiarySort::None;
    CDiaryRows m_rows;
    // -1 is before the first record (BOF), size() after the last (EOF).
    int m_position = -1;
    // The current record was deleted: m_position is the record after it.
    bool m_onDeleted = false;
    EditMode m_editMode = EditMode::None;
    std::array<bool, 7> m_nullFields{};
    int m_lastModifiedId = 0;
    // What the rows were fetched with; a requery that would fetch the same
    // rows again (no change by anyone since) keeps them.
    struct FetchState {
        bool valid = false;
        CDiaryFilter filter = CDiaryFilter::All();
        DiarySort sort = DiarySort::None;
        qint64 dataVersion = 0;
    };
    FetchState m_fetched;
};
