// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>

#include "commands/CommandIds.h"
#include "dialogs/FindDlg.h"
#include "platform/InterfaceTranslations.h"
#include "support/FakeDateOrder.h"
#include "support/FakePrompts.h"
#include "support/RowName.h"
#include "support/SettingsFixture.h"
#include "view/MenuBuilder.h"
#include "view/core/MenuTables.h"

namespace {
struct LanguageRow {
    const char* name;
    const char* locale;
    bool translated;
    const char* printItem;
    const char* findWhatLabel;
    const char* cancelButton;
};

class InterfaceLanguage : public SettingsFixture,
                          public ::testing::WithParamInterface<LanguageRow> {};

void Build(QMenu& menu, const std::vector<MenuEntry>& table) {
    AddMenuEntries(
        menu, table, [](int) { return true; }, [](int) {});
}

QString MenuText(int id) {
    QMenu menu;
    Build(menu, MainMenuTable());
    const QAction* action = FindCommandAction(menu, id);
    return action ? action->text() : QString();
}

// No two items of one menu level share an access key.
void ExpectDistinctAccessKeys(const QMenu& menu) {
    QSet<QKeySequence> keys;
    for (const QAction* action : menu.actions()) {
        if (action->menu())
            ExpectDistinctAccessKeys(*action->menu());
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        EXPECT_TRUE(key.isEmpty() || !keys.contains(key)) << action->text().toStdString();
        keys.insert(key);
    }
}

// The label the Find What field's access key belongs to.
QString BuddyText(const QDialog& dialog, const char* fieldName) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() && label->buddy()->objectName() == QLatin1String(fieldName))
            return label->text();
    }
    return QString();
}

// The translations the build made are found from the build folder, and Qt's
// own come with them; English and a language without a translation load none.
// Menus keep one access key to an item in every language.
TEST_P(InterfaceLanguage, MenusDialogsAndStandardButtonsSpeakTheLocalesLanguage) {
    const LanguageRow& r = GetParam();
    CInterfaceTranslations translations(*QCoreApplication::instance());
    EXPECT_EQ(translations.Load(QLocale(QString::fromLatin1(r.locale)),
                                CInterfaceTranslations::Folders()),
              r.translated);
    EXPECT_EQ(MenuText(CommandId::Print), QString::fromUtf8(r.printItem));
    for (const auto* table : {&MainMenuTable(), &ContextMenuTable()}) {
        QMenu menu;
        Build(menu, *table);
        ExpectDistinctAccessKeys(menu);
    }
    FakeDateOrder dateOrder;
    FakePrompts prompts;
    const CFindDlg dialog(settings, dateOrder, prompts);
    EXPECT_EQ(BuddyText(dialog, "findWhatEdit"), QString::fromUtf8(r.findWhatLabel));
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8(r.cancelButton));
}

INSTANTIATE_TEST_SUITE_P(
    Translations, InterfaceLanguage,
    ::testing::Values(
        LanguageRow{"English", "en_US", false, "&Print...\tCtrl+P", "&Find What :", "Cancel"},
        LanguageRow{"German", "de_DE", true, "&Drucken...\tStrg+P", "&Suchen:", "Abbrechen"},
        LanguageRow{"Austrian", "de_AT", true, "&Drucken...\tStrg+P", "&Suchen:", "Abbrechen"},
        LanguageRow{"French", "fr_FR", true, "Im&primer...\tCtrl+P", "&Texte :", "Annuler"},
        LanguageRow{"Untranslated", "sv_SE", false, "&Print...\tCtrl+P", "&Find What :", "Cancel"}),
    RowName());
}  // namespace
