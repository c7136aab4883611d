// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <exception>
#include <functional>
#include <memory>

#include "dialogs/core/FindChoice.h"
#include "platform/DateOrder.h"

class CDiaryRecordset;
class CFindDlg;
class CSettingsHelper;
class IPrompts;
class QCheckBox;
class QLineEdit;
class QPushButton;

// Adds, browses, edits and deletes diary entries on a recordset of its own.
// The record shown is kept in edit mode: every move, Find and OK save it
// after its checks, Cancel drops its unsaved changes; Browse only fills the
// tune field. In new-entry mode the record is created
// when the dialog starts, and Cancel deletes it again.
class CDiaryEntryDlg : public QDialog {
    Q_OBJECT
public:
    // `settings` gives the diary's location and keeps the dialogs' positions.
    CDiaryEntryDlg(const CSettingsHelper& settings, IPrompts& prompts, const IDateOrder& dateOrder,
                   QWidget* parent = nullptr);
    ~CDiaryEntryDlg() override;

    // The day concerned as DDMMYYYY; "00000000" (the default) for none.
    void SetDateText(const QString& key) { m_dateText = key; }
    void SetNewEntry(bool newEntry) { m_newEntry = newEntry; }
    bool IsNewEntry() const { return m_newEntry; }
    void SetSearchText(const QString& text) { m_searchText = text; }
    // After OK: the message and the date (display form) of the record last shown.
    QString MessageText() const { return m_messageText; }
    QString DateText() const { return m_dateText; }
    QString SearchText() const { return m_searchText; }
    // Whether any entry was saved or deleted, whatever closed the dialog.
    bool ChangedDiary() const { return m_changedDiary; }

    // Opens the recordset and shows the first record (or creates the new
    // one). False when the dialog ended at once: no entries to edit.
    bool Start();
    int exec() override;
    void reject() override;
    void done(int result) override;

    // Runs the Find dialog modally; tests replace it with a scripted answer.
    void SetFindRunner(std::function<bool(CFindDlg&)> runner) { m_runFind = std::move(runner); }

    CDiaryRecordset* GetDiarySet();
    bool ValidateEntry();
    void UpdatePositionText();
    void EnableNavigation();
    void StartNewEntry();
    bool DeleteCurrentEntry();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Move { First, Previous, Next, Last };

    void BuildControls();
    // Tab goes as the eye reads the layout: row by row, left to right.
    void FollowLayoutInTabOrder();
    QPushButton* AddButton(const QString& objectName, const QString& text, const QString& icon);
    void ConnectButtons();
    // Runs a button's work; a database error is reported and the dialog goes on.
    void Guarded(const std::function<void()>& work);
    void ReportError(const std::exception& error);

    void SelectEntries();
    void ShowFirstEntry();
    void CreateNewEntry();
    void OnMove(Move move);
    // Takes the controls into the record and saves it after its checks.
    bool SaveShownRecord();
    void OnOk();
    void OnDelete();
    void OnBrowse();
    void OnFind();
    void SearchOnce(int lookInIndex);
    void ShowCurrentRecord();
    void CloseDiarySet();

    void RecordToControls();
    void ControlsToRecord();
    // The date member in the display form of the user's date order.
    void ShowDateForEditing();
    // The date member in its stored form, ready for Update.
    void StoreDateField();
    bool HasCurrentRecord() const;
    void FocusLastEdit();
    void FocusOffDisabledButton(QPushButton* target, bool targetEnabled);

    const CSettingsHelper& m_settings;
    IPrompts& m_prompts;
    const IDateOrder& m_dateOrder;
    std::unique_ptr<CDiaryRecordset> m_set;
    std::function<bool(CFindDlg&)> m_runFind;

    QString m_dateText = QStringLiteral("00000000");
    QString m_messageText;
    QString m_searchText;
    bool m_newEntry = false;
    bool m_changedDiary = false;
    int m_position = 0;
    int m_total = 0;
    EntryEdit m_lastFocused = EntryEdit::None;

    QLineEdit* m_dateEdit = nullptr;
    QLineEdit* m_messageEdit = nullptr;
    QLineEdit* m_alarmTimeEdit = nullptr;
    QLineEdit* m_tuneEdit = nullptr;
    QCheckBox* m_holidayCheck = nullptr;
    QLineEdit* m_idEdit = nullptr;
    QLineEdit* m_positionEdit = nullptr;
    QPushButton* m_firstButton = nullptr;
    QPushButton* m_previousButton = nullptr;
    QPushButton* m_nextButton = nullptr;
    QPushButton* m_lastButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_findButton = nullptr;
    QPushButton* m_browseButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
