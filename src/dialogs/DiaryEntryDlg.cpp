// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DiaryEntryDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>

#include "dialogs/FindDlg.h"
#include "dialogs/core/EntryRules.h"
#include "diary/DatePattern.h"
#include "diary/DiaryError.h"
#include "diary/DiaryRecordset.h"
#include "platform/Prompts.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "ui/BuddyLabel.h"
#include "ui/DialogPosition.h"

// Outside any namespace, as the resource initialiser requires.
static void InitEntryIcons() {
    Q_INIT_RESOURCE(dialogs);
}

namespace {
const char kAllEntriesKey[] = "00000000";

// The wait cursor for as long as the diary is being read.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
}  // namespace

CDiaryEntryDlg::CDiaryEntryDlg(const CSettingsHelper& settings, IPrompts& prompts,
                               const IDateOrder& dateOrder, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_prompts(prompts),
      m_dateOrder(dateOrder),
      m_runFind([](CFindDlg& find) { return find.exec() == QDialog::Accepted; }) {
    InitEntryIcons();
    setObjectName(QStringLiteral("diaryEntryDialog"));
    setWindowTitle(tr("Diary Entry"));
    BuildControls();
    FollowLayoutInTabOrder();
    ConnectButtons();
}

CDiaryEntryDlg::~CDiaryEntryDlg() = default;

QPushButton* CDiaryEntryDlg::AddButton(const QString& objectName, const QString& text,
                                       const QString& icon) {
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    // Return must never press a button; only a click does.
    button->setAutoDefault(false);
    if (icon.isEmpty()) {
        button->setText(text);
    } else {
        button->setIcon(QIcon(QStringLiteral(":/icons/") + icon));
        button->setIconSize(QSize(24, 24));
        button->setToolTip(text);
        button->setAccessibleName(text);
    }
    return button;
}

void CDiaryEntryDlg::BuildControls() {
    auto addEdit = [this](const QString& name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        return edit;
    };
    m_dateEdit = addEdit(QStringLiteral("dateEdit"));
    m_messageEdit = addEdit(QStringLiteral("messageEdit"));
    m_alarmTimeEdit = addEdit(QStringLiteral("alarmTimeEdit"));
    m_alarmTimeEdit->setToolTip(tr("When to be reminded, for example %1; empty for no alarm")
                                    .arg(QLocale().toString(QTime(9, 30), QLocale::ShortFormat)));
    m_tuneEdit = addEdit(QStringLiteral("tuneEdit"));
    m_idEdit = addEdit(QStringLiteral("idEdit"));
    m_idEdit->setEnabled(false);
    m_idEdit->hide();
    m_positionEdit = addEdit(QStringLiteral("positionEdit"));
    m_positionEdit->setEnabled(false);
    m_positionEdit->setAlignment(Qt::AlignCenter);
    m_holidayCheck = new QCheckBox(tr("Public Holiday"), this);
    m_holidayCheck->setObjectName(QStringLiteral("holidayCheck"));
    for (QLineEdit* edit : {m_dateEdit, m_messageEdit, m_tuneEdit}) edit->installEventFilter(this);

    m_firstButton =
        AddButton(QStringLiteral("firstButton"), tr("First"), QStringLiteral("first.png"));
    m_previousButton =
        AddButton(QStringLiteral("previousButton"), tr("Previous"), QStringLiteral("previous.png"));
    m_nextButton = AddButton(QStringLiteral("nextButton"), tr("Next"), QStringLiteral("next.png"));
    m_lastButton = AddButton(QStringLiteral("lastButton"), tr("Last"), QStringLiteral("last.png"));
    m_deleteButton =
        AddButton(QStringLiteral("deleteButton"), tr("Delete"), QStringLiteral("delete.png"));
    m_findButton = AddButton(QStringLiteral("findButton"), tr("Find"), QStringLiteral("find.png"));
    m_browseButton = AddButton(QStringLiteral("browseButton"), tr("Browse..."), QString());
    m_okButton = AddButton(QStringLiteral("okButton"), tr("OK"), QString());
    m_cancelButton = AddButton(QStringLiteral("cancelButton"), tr("Cancel"), QString());

    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel(tr("&Date:"), m_dateEdit), 0, 0);
    grid->addWidget(m_dateEdit, 0, 1);
    grid->addWidget(m_holidayCheck, 0, 2);
    grid->addWidget(BuddyLabel(tr("&Message:"), m_messageEdit), 1, 0);
    grid->addWidget(m_messageEdit, 1, 1, 1, 3);
    grid->addWidget(BuddyLabel(tr("&Alarm time:"), m_alarmTimeEdit), 2, 0);
    grid->addWidget(m_alarmTimeEdit, 2, 1);
    grid->addWidget(BuddyLabel(tr("&Tune to play:"), m_tuneEdit), 3, 0);
    grid->addWidget(m_tuneEdit, 3, 1, 1, 2);
    grid->addWidget(m_browseButton, 3, 3);
    auto* navigation = new QHBoxLayout;
    for (QWidget* widget :
         {static_cast<QWidget*>(m_firstButton), static_cast<QWidget*>(m_previousButton),
          static_cast<QWidget*>(m_positionEdit), static_cast<QWidget*>(m_nextButton),
          static_cast<QWidget*>(m_lastButton), static_cast<QWidget*>(m_deleteButton),
          static_cast<QWidget*>(m_findButton), static_cast<QWidget*>(m_idEdit)}) {
        navigation->addWidget(widget);
    }
    grid->addLayout(navigation, 4, 0, 1, 4);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(m_okButton);
    closing->addWidget(m_cancelButton);
    grid->addLayout(closing, 5, 0, 1, 4);
    m_messageEdit->setMinimumWidth(320);
}

void CDiaryEntryDlg::FollowLayoutInTabOrder() {
    QWidget* const order[] = {m_dateEdit,     m_holidayCheck, m_messageEdit, m_alarmTimeEdit,
                              m_tuneEdit,     m_browseButton, m_firstButton, m_previousButton,
                              m_positionEdit, m_nextButton,   m_lastButton,  m_deleteButton,
                              m_findButton,   m_okButton,     m_cancelButton};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void CDiaryEntryDlg::ConnectButtons() {
    connect(m_firstButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { OnMove(Move::First); }); });
    connect(m_previousButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { OnMove(Move::Previous); }); });
    connect(m_nextButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { OnMove(Move::Next); }); });
    connect(m_lastButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { OnMove(Move::Last); }); });
    connect(m_deleteButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { OnDelete(); }); });
    connect(m_findButton, &QPushButton::clicked, this, [this] { Guarded([this] { OnFind(); }); });
    connect(m_browseButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { OnBrowse(); }); });
    connect(m_okButton, &QPushButton::clicked, this, [this] { Guarded([this] { OnOk(); }); });
    connect(m_cancelButton, &QPushButton::clicked, this, &CDiaryEntryDlg::reject);
}

void CDiaryEntryDlg::Guarded(const std::function<void()>& work) {
    // No exception may cross the event loop that delivered the click.
    try {
        work();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void CDiaryEntryDlg::ReportError(const std::exception& error) {
    m_prompts.ShowMessage(QString::fromUtf8(error.what()), tr("Calendar"));
}

CDiaryRecordset* CDiaryEntryDlg::GetDiarySet() {
    if (!m_set) {
        m_set = std::make_unique<CDiaryRecordset>(m_settings.Store());
        m_set->Open();
    }
    return m_set.get();
}

int CDiaryEntryDlg::exec() {
    if (!Start())
        return result();
    return QDialog::exec();
}

bool CDiaryEntryDlg::Start() {
    RestoreDialogPosition(*this, m_settings, Key::DiaryDialogRect);
    m_messageText.clear();
    {
        CWaitCursor wait;
        SelectEntries();
    }
    if (m_newEntry) {
        CreateNewEntry();
    } else if (GetDiarySet()->GetRecordCount() == 0) {
        m_prompts.ShowMessage(tr("No diary entries"), tr("Calendar"));
        CloseDiarySet();
        setResult(QDialog::Accepted);
        return false;
    } else {
        ShowFirstEntry();
    }
    m_dateEdit->setFocus();
    m_lastFocused = EntryEdit::Date;
    return true;
}

void CDiaryEntryDlg::SelectEntries() {
    CDiaryRecordset* set = GetDiarySet();
    set->SetSort(DiarySort::EventDateAscending);
    set->SetFilter(m_dateText == QLatin1String(kAllEntriesKey)
                       ? CDiaryFilter::All()
                       : CDiaryFilter::ForDateKey(m_dateText));
    set->Requery();
    m_total = set->GetRecordCount();
    m_position = set->GetRecordCount() > 0 ? set->GetAbsolutePosition() + 1 : 0;
    m_positionEdit->setText(PositionText(m_position, m_total));
}

void CDiaryEntryDlg::ShowFirstEntry() {
    m_set->MoveLast();
    m_set->MoveFirst();
    ShowCurrentRecord();
    EnableNavigation();
}

void CDiaryEntryDlg::CreateNewEntry() {
    for (QWidget* hidden : {m_firstButton, m_lastButton, m_nextButton, m_previousButton,
                            m_deleteButton, m_findButton})
        hidden->hide();
    StartNewEntry();
    // The caller's day key is already in the stored form.
    m_set->m_EventDate = KeepDateCharacters(m_dateText);
    m_set->Update();
    m_changedDiary = true;
    m_set->SetBookmark(m_set->GetLastModifiedBookmark());
    m_set->SetFilter(CDiaryFilter::ById(m_set->m_ID));
    m_set->Requery();
    ShowCurrentRecord();
}

void CDiaryEntryDlg::StartNewEntry() {
    CDiaryRecordset* set = GetDiarySet();
    if (m_newEntry && !set->IsBOF())
        set->MoveFirst();
    set->AddNew();
    m_newEntry = true;
    RecordToControls();
}

void CDiaryEntryDlg::ShowCurrentRecord() {
    ShowDateForEditing();
    RecordToControls();
    m_set->Edit();
}

void CDiaryEntryDlg::RecordToControls() {
    m_dateEdit->setText(m_set->m_EventDate);
    m_messageEdit->setText(m_set->m_EventDescription);
    m_alarmTimeEdit->setText(AlarmTimeForDisplay(m_set->m_EventTime, QLocale()));
    m_tuneEdit->setText(m_set->m_EventSound);
    m_holidayCheck->setChecked(m_set->m_PubHoliday);
    m_idEdit->setText(QString::number(m_set->m_ID));
}

void CDiaryEntryDlg::ControlsToRecord() {
    m_set->m_EventDate = m_dateEdit->text();
    m_set->m_EventDescription = m_messageEdit->text();
    // Text that is no time at all goes in as typed, for the check to report.
    m_set->m_EventTime = StoredAlarmTimeOf(m_alarmTimeEdit->text(), QLocale())
                             .value_or(m_alarmTimeEdit->text().trimmed());
    m_set->m_EventSound = m_tuneEdit->text();
    m_set->m_PubHoliday = m_holidayCheck->isChecked();
}

void CDiaryEntryDlg::ShowDateForEditing() {
    // Shown in the order the user types dates in, so that an unchanged date
    // reads back as the same stored date.
    m_set->m_EventDate = ToDisplayDate(m_set->m_EventDate, m_dateOrder.Current());
}

void CDiaryEntryDlg::StoreDateField() {
    m_set->m_EventDate = StoredDateOf(m_set->m_EventDate, m_dateOrder.Current());
}

void CDiaryEntryDlg::done(int result) {
    SaveDialogPosition(*this, m_settings, Key::DiaryDialogRect);
    QDialog::done(result);
}

void CDiaryEntryDlg::keyPressEvent(QKeyEvent* event) {
    // Return in a one-line field finishes the entry as OK does; Escape
    // cancels through QDialog's own handling.
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && qobject_cast<QLineEdit*>(focusWidget())) {
        event->accept();
        m_okButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CDiaryEntryDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_dateEdit)
            m_lastFocused = EntryEdit::Date;
        else if (watched == m_messageEdit)
            m_lastFocused = EntryEdit::Message;
        else if (watched == m_tuneEdit)
            m_lastFocused = EntryEdit::Tune;
    }
    return QDialog::eventFilter(watched, event);
}

void CDiaryEntryDlg::FocusLastEdit() {
    switch (m_lastFocused) {
        case EntryEdit::Message:
            m_messageEdit->setFocus();
            break;
        case EntryEdit::Tune:
            m_tuneEdit->setFocus();
            break;
        default:
            m_dateEdit->setFocus();
    }
}
