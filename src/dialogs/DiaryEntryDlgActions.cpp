// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/DiaryEntryDlg.h"
#include "dialogs/FindDlg.h"
#include "dialogs/core/EntryRules.h"
#include "diary/DatePattern.h"
#include "diary/DiaryError.h"
#include "diary/DiaryRecordset.h"
#include "platform/Prompts.h"

// The record operations of the Diary Entry dialog: moves, OK and Cancel,
// Delete, Browse and Find.

bool CDiaryEntryDlg::ValidateEntry() {
    if (!ValidateDatePattern(m_set->m_EventDate, m_dateOrder.Current(), m_prompts))
        return false;
    const EntryCheck check = CheckEntry(m_set->m_EventDescription, m_set->m_EventTime);
    m_set->m_EventTime = check.eventTime;
    if (check.errors.isEmpty())
        return true;
    m_prompts.ShowMessage(check.errors, tr("Error!"));
    return false;
}

void CDiaryEntryDlg::UpdatePositionText() {
    m_position = m_set->GetAbsolutePosition() + 1;
    m_positionEdit->setText(PositionText(m_position, m_total));
}

void CDiaryEntryDlg::EnableNavigation() {
    const NavigationState state = NavigationFor(
        m_set->GetRecordCount(), m_set->GetAbsolutePosition() + 1, m_set->IsBOF(), m_set->IsEOF());
    if (!state.anyRecord) {
        FocusOffDisabledButton(nullptr, false);
        // Deleting or browsing needs a record, as moving does.
        for (QPushButton* button : {m_nextButton, m_lastButton, m_previousButton, m_firstButton,
                                    m_deleteButton, m_browseButton})
            button->setEnabled(false);
        return;
    }
    m_deleteButton->setEnabled(true);
    m_browseButton->setEnabled(true);
    if (!state.forward)
        FocusOffDisabledButton(m_previousButton, state.backward);
    m_nextButton->setEnabled(state.forward);
    m_lastButton->setEnabled(state.forward);
    if (!state.backward)
        FocusOffDisabledButton(m_nextButton, state.forward);
    m_previousButton->setEnabled(state.backward);
    m_firstButton->setEnabled(state.backward);
}

// The focus goes to the button on the other side, or to the last edit when
// that one is disabled too, so that it never rests on a disabled button.
void CDiaryEntryDlg::FocusOffDisabledButton(QPushButton* target, bool targetEnabled) {
    if (target && targetEnabled) {
        target->setEnabled(true);
        target->setFocus();
        return;
    }
    QWidget* focused = focusWidget();
    for (QPushButton* button : {m_nextButton, m_lastButton, m_previousButton, m_firstButton,
                                m_deleteButton, m_browseButton}) {
        if (focused == button)
            FocusLastEdit();
    }
}

bool CDiaryEntryDlg::HasCurrentRecord() const {
    return m_set && !m_set->IsBOF() && !m_set->IsEOF();
}

void CDiaryEntryDlg::OnMove(Move move) {
    const bool forward = move == Move::Next || move == Move::Last;
    if (!HasCurrentRecord() || (forward && m_set->IsEOF()) || (!forward && m_set->IsBOF()))
        return;
    if (!SaveShownRecord())
        return;
    switch (move) {
        case Move::First:
            m_set->MoveFirst();
            break;
        case Move::Previous:
            m_set->MovePrev();
            break;
        case Move::Next:
            m_set->MoveNext();
            break;
        case Move::Last:
            m_set->MoveLast();
            break;
    }
    UpdatePositionText();
    EnableNavigation();
    ShowCurrentRecord();
    FocusLastEdit();
}

bool CDiaryEntryDlg::SaveShownRecord() {
    ControlsToRecord();
    if (!ValidateEntry())
        return false;
    StoreDateField();
    m_set->Update();
    m_changedDiary = true;
    return true;
}

void CDiaryEntryDlg::OnOk() {
    if (!HasCurrentRecord()) {
        // Every entry shown was deleted: there is nothing left to save.
        CloseDiarySet();
        QDialog::accept();
        return;
    }
    ControlsToRecord();
    m_messageText = m_set->m_EventDescription;
    m_dateText = m_set->m_EventDate;
    if (!ValidateEntry())
        return;
    StoreDateField();
    m_set->Update();
    m_changedDiary = true;
    CloseDiarySet();
    QDialog::accept();
}

void CDiaryEntryDlg::reject() {
    m_messageText.clear();
    try {
        if (m_newEntry && HasCurrentRecord())
            DeleteCurrentEntry();
        CloseDiarySet();
    } catch (const std::exception& error) {
        ReportError(error);
    }
    QDialog::reject();
}

void CDiaryEntryDlg::CloseDiarySet() {
    if (!m_set)
        return;
    std::unique_ptr<CDiaryRecordset> set = std::move(m_set);
    if (set->IsEditing())
        set->CancelUpdate();
    set->Close();
}

void CDiaryEntryDlg::OnDelete() {
    if (!HasCurrentRecord())
        return;
    DeleteCurrentEntry();
    EnableNavigation();
    if (HasCurrentRecord())
        m_set->Edit();
}

bool CDiaryEntryDlg::DeleteCurrentEntry() {
    if (m_set->IsEditing())
        m_set->CancelUpdate();
    try {
        m_set->Delete();
    } catch (const CDatabaseError& error) {
        m_prompts.ShowMessage(error.Description(), tr("Calendar"));
        if (HasCurrentRecord())
            m_set->Edit();
        return false;
    }
    m_changedDiary = true;
    if (m_set->IsBOF() && m_set->IsEOF()) {
        m_set->SetAllFieldsNull();
        RecordToControls();
        return true;
    }
    if (!m_set->IsEOF())
        m_set->MoveNext();
    if (m_set->IsEOF())
        m_set->MovePrev();
    if (m_set->IsBOF())
        m_set->SetAllFieldsNull();
    ShowDateForEditing();
    RecordToControls();
    return true;
}

void CDiaryEntryDlg::OnBrowse() {
    if (!HasCurrentRecord())
        return;
    OpenFileRequest request;
    request.filter = tr("Sound files (*.wav);;Video files (*.avi)");
    request.defaultSuffix = QStringLiteral("wav");
    const QString chosen = m_prompts.AskOpenFileName(request);
    // Only the field changes: the record is saved as any typed change is, by
    // a move or OK after its checks, and Cancel drops it.
    if (!chosen.isEmpty())
        m_tuneEdit->setText(chosen);
}

void CDiaryEntryDlg::OnFind() {
    if (!m_set)
        return;
    // What the user typed is kept as a move keeps it; a record that fails its
    // checks stays on screen for correction.
    if (HasCurrentRecord() && !SaveShownRecord())
        return;
    int lookIn = LookInIndexForEdit(m_lastFocused);
    CFindDlg find(m_settings, m_dateOrder, m_prompts, this);
    for (;;) {
        find.SetSearchText(m_searchText);
        find.SetLookInIndex(lookIn);
        const bool search = m_runFind(find);
        if (m_set->IsEditing())
            m_set->CancelUpdate();
        if (search) {
            m_searchText = find.SearchText();
            lookIn = find.LookInIndex();
            SearchOnce(lookIn);
        }
        if (HasCurrentRecord()) {
            UpdatePositionText();
            EnableNavigation();
            ShowCurrentRecord();
        }
        FocusLastEdit();
        if (!search)
            return;
    }
}

void CDiaryEntryDlg::SearchOnce(int lookInIndex) {
    CDiaryFilter filter = CDiaryFilter::MessageContains(m_searchText);
    switch (FindFieldOfIndex(lookInIndex)) {
        case FindField::Date:
            filter = CDiaryFilter::DateEquals(StoredDateOf(m_searchText, m_dateOrder.Current()));
            break;
        case FindField::Tune:
            filter = CDiaryFilter::TuneContains(m_searchText);
            break;
        case FindField::Message:
            break;
    }
    if (!m_set->FindNext(filter) && !m_set->FindFirst(filter))
        m_prompts.ShowMessage(NotFoundText(m_searchText), tr("Calendar"));
}
