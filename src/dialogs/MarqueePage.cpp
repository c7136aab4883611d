// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MarqueePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "dialogs/core/OptionsChecks.h"
#include "marquee/MarqueeFile.h"
#include "platform/Prompts.h"
#include "settings/SettingsHelper.h"
#include "settings/SettingsKeys.h"
#include "ui/BuddyLabel.h"

namespace {
QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

int NumberIn(const QLineEdit* edit) {
    return ParseWholeNumber(edit->text()).value_or(0);
}

QPushButton* AddButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}
}  // namespace

CMarqueePage::CMarqueePage(const CSettingsHelper& settings, IPrompts& prompts, QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_prompts(prompts),
      m_options(LoadMarqueeOptions(settings)) {
    setObjectName(QStringLiteral("marqueePage"));
    if (m_options.useFile)
        ShowFirstFileLine();
    BuildControls();
    ShowValues();
}

void CMarqueePage::ShowFirstFileLine() {
    const MarqueeLineRead read = ReadMarqueeLine(m_options.fileName, 0);
    if (read.ok) {
        m_options.message = read.text;
        return;
    }
    // The stored message stays in the edit, so OK cannot wipe it out.
    m_fileError = read.error;
}

QLineEdit* CMarqueePage::AddNumberEdit(const QString& objectName, int minimum) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setValidator(new QIntValidator(minimum, std::numeric_limits<int>::max(), edit));
    edit->setMaximumWidth(70);
    return edit;
}

QButtonGroup* CMarqueePage::AddUnitRadios(const QStringList& words, const QString& namePrefix,
                                          QGridLayout* grid, int row) {
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < words.size(); ++i) {
        auto* radio = new QRadioButton(tr(words[i].toLatin1().constData()), this);
        radio->setObjectName(namePrefix + words[i] + QStringLiteral("Radio"));
        group->addButton(radio, i);
        grid->addWidget(radio, row, 2 + i);
    }
    return group;
}

void CMarqueePage::BuildControls() {
    auto* grid = new QGridLayout(this);
    m_onCheck = new QCheckBox(tr("On"), this);
    m_onCheck->setObjectName(QStringLiteral("marqueeOnCheck"));
    grid->addWidget(m_onCheck, 0, 0);

    m_messageEdit = new QLineEdit(this);
    m_messageEdit->setObjectName(QStringLiteral("marqueeMessageEdit"));
    m_messageEdit->setAutoFillBackground(true);
    grid->addWidget(BuddyLabel(tr("&Message"), m_messageEdit), 1, 0);
    grid->addWidget(m_messageEdit, 1, 1, 1, 4);

    m_slideEdit =
        AddNumberEdit(QStringLiteral("marqueeSlideEdit"), std::numeric_limits<int>::min());
    m_secsEdit = AddNumberEdit(QStringLiteral("marqueeSecsEdit"), 1);
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(BuddyLabel(tr("&Slide"), m_slideEdit));
    speedRow->addWidget(m_slideEdit);
    speedRow->addWidget(BuddyLabel(tr("&pixels every "), m_secsEdit));
    speedRow->addWidget(m_secsEdit);
    speedRow->addWidget(new QLabel(tr("milliseconds"), this));
    speedRow->addStretch();
    grid->addLayout(speedRow, 2, 0, 1, 5);

    m_useInternetCheck = new QCheckBox(tr("Use Internet"), this);
    m_useInternetCheck->setObjectName(QStringLiteral("useInternetCheck"));
    grid->addWidget(m_useInternetCheck, 3, 0);
    m_internetFreqEdit = AddNumberEdit(QStringLiteral("internetFreqEdit"), 0);
    grid->addWidget(BuddyLabel(tr("Check &Internet every "), m_internetFreqEdit), 4, 0);
    grid->addWidget(m_internetFreqEdit, 4, 1);
    m_internetUnits = AddUnitRadios(InternetCheckUnitWords(), QStringLiteral("internet"), grid, 4);

    m_useFileCheck = new QCheckBox(tr("Use File"), this);
    m_useFileCheck->setObjectName(QStringLiteral("useFileCheck"));
    grid->addWidget(m_useFileCheck, 5, 0);
    m_fileNameEdit = new QLineEdit(this);
    m_fileNameEdit->setObjectName(QStringLiteral("marqueeFileEdit"));
    auto* browseButton = AddButton(tr("Browse..."), QStringLiteral("marqueeBrowseButton"), this);
    grid->addWidget(BuddyLabel(tr("&Named"), m_fileNameEdit), 6, 0);
    grid->addWidget(m_fileNameEdit, 6, 1, 1, 3);
    grid->addWidget(browseButton, 6, 4);
    m_fileFreqEdit = AddNumberEdit(QStringLiteral("fileFreqEdit"), 0);
    grid->addWidget(BuddyLabel(tr("Check fil&e every "), m_fileFreqEdit), 7, 0);
    grid->addWidget(m_fileFreqEdit, 7, 1);
    m_fileUnits = AddUnitRadios(FileCheckUnitWords(), QStringLiteral("file"), grid, 7);

    auto* textButton = AddButton(tr("Text..."), QStringLiteral("marqueeTextColourButton"), this);
    auto* backgroundButton =
        AddButton(tr("Background..."), QStringLiteral("marqueeBackgroundColourButton"), this);
    grid->addWidget(BuddyLabel(tr("&Color:"), textButton), 8, 0);
    grid->addWidget(textButton, 8, 1);
    grid->addWidget(backgroundButton, 8, 2);

    connect(textButton, &QPushButton::clicked, this,
            [this] { ChooseColour(&m_options.textColour, Key::MarqueeTextColor); });
    connect(backgroundButton, &QPushButton::clicked, this,
            [this] { ChooseColour(&m_options.backgroundColour, Key::MarqueeBackgroundColor); });
    connect(browseButton, &QPushButton::clicked, this, &CMarqueePage::BrowseForFile);
    connect(m_fileUnits, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* clicked) {
        ChooseUnit(m_fileUnits, FileCheckUnitWords(), &m_options.fileUnits,
                   Key::MarqueeCheckFileUnits, clicked);
    });
    connect(m_internetUnits, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* clicked) {
        ChooseUnit(m_internetUnits, InternetCheckUnitWords(), &m_options.internetUnits,
                   Key::MarqueeCheckInternetUnits, clicked);
    });
}

void CMarqueePage::ShowValues() {
    m_onCheck->setChecked(m_options.on);
    m_messageEdit->setText(m_options.message);
    m_slideEdit->setText(QString::number(m_options.slide));
    m_secsEdit->setText(QString::number(m_options.secs));
    m_useInternetCheck->setChecked(m_options.useInternet);
    m_internetFreqEdit->setText(QString::number(m_options.internetFreq));
    m_useFileCheck->setChecked(m_options.useFile);
    m_fileNameEdit->setText(m_options.fileName);
    m_fileFreqEdit->setText(QString::number(m_options.fileFreq));
    // Only an exact match selects a unit; a word in other case leaves the group empty.
    const int fileUnit = UnitWordIndex(FileCheckUnitWords(), m_options.fileUnits);
    if (fileUnit >= 0)
        m_fileUnits->button(fileUnit)->setChecked(true);
    const int internetUnit = UnitWordIndex(InternetCheckUnitWords(), m_options.internetUnits);
    if (internetUnit >= 0)
        m_internetUnits->button(internetUnit)->setChecked(true);
    PaintMessageColours();
}

MarqueeOptions CMarqueePage::Values() const {
    MarqueeOptions values = m_options;
    values.on = m_onCheck->isChecked();
    values.message = m_messageEdit->text();
    values.slide = NumberIn(m_slideEdit);
    values.secs = NumberIn(m_secsEdit);
    values.useInternet = m_useInternetCheck->isChecked();
    values.internetFreq = NumberIn(m_internetFreqEdit);
    values.useFile = m_useFileCheck->isChecked();
    values.fileName = m_fileNameEdit->text();
    values.fileFreq = NumberIn(m_fileFreqEdit);
    return values;
}

QLineEdit* CMarqueePage::FirstBadNumber(QString* message) const {
    const std::pair<QLineEdit*, int> edits[] = {{m_slideEdit, std::numeric_limits<int>::min()},
                                                {m_secsEdit, 1},
                                                {m_internetFreqEdit, 0},
                                                {m_fileFreqEdit, 0}};
    for (const auto& [edit, minimum] : edits) {
        *message = WholeNumberMessage(edit->text(), minimum);
        if (!message->isEmpty())
            return edit;
    }
    return nullptr;
}

QLineEdit* CMarqueePage::BadFileName(QString* message) const {
    // Only a name typed since the last store: a stored file that went away
    // is the marquee's to report, not a reason to refuse other changes.
    if (m_fileNameEdit->text() == m_options.fileName)
        return nullptr;
    *message = MarqueeFileMessage(m_fileNameEdit->text());
    return message->isEmpty() ? nullptr : m_fileNameEdit;
}

void CMarqueePage::ChooseColour(ColourRef* colour, Key key) {
    const std::optional<ColourRef> chosen = m_prompts.AskColour(*colour);
    if (!chosen)
        return;
    *colour = *chosen;
    m_settings.WriteColour(key, *chosen);
    PaintMessageColours();
}

void CMarqueePage::ChooseUnit(QButtonGroup* group, const QStringList& words, QString* unit, Key key,
                              QAbstractButton* clicked) {
    *unit = words.value(group->id(clicked));
    m_settings.WriteSetting(key, *unit);
}

void CMarqueePage::BrowseForFile() {
    OpenFileRequest request;
    request.filter = tr("Text files (*.txt);;Data files (*.dat)");
    request.defaultSuffix = QStringLiteral("txt");
    const QString chosen = m_prompts.AskOpenFileName(request);
    if (chosen.isEmpty())
        return;
    m_fileNameEdit->setText(chosen);
    m_options.fileName = chosen;
    m_settings.WriteSetting(Key::MarqueeFileName, chosen);
}

void CMarqueePage::PaintMessageColours() {
    QPalette palette = m_messageEdit->palette();
    palette.setColor(QPalette::Base, ToQColor(m_options.backgroundColour));
    palette.setColor(QPalette::Text, ToQColor(m_options.textColour));
    m_messageEdit->setPalette(palette);
}

void CMarqueePage::keyPressEvent(QKeyEvent* event) {
    // Return in a field of the page confirms the page only; the dialog stays open.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
