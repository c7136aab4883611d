// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/MenuBuilder.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

QString Translated(const QString& text) {
    return QCoreApplication::translate("Menu", text.toUtf8().constData());
}

QAction* CommandAction(const MenuEntry& entry, QWidget& owner, const CommandSink& onCommand) {
    auto* action = new QAction(Translated(entry.text), &owner);
    action->setObjectName(QStringLiteral("command%1").arg(entry.id));
    action->setData(entry.id);
    action->setCheckable(IsCheckableCommand(entry.id));
    const int id = entry.id;
    QObject::connect(action, &QAction::triggered, &owner, [onCommand, id] { onCommand(id); });
    return action;
}

QAction* Separator(QWidget& owner) {
    auto* action = new QAction(&owner);
    action->setSeparator(true);
    return action;
}

bool HasCommands(const QWidget& menu) {
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator())
            return true;
    }
    return false;
}

}  // namespace

void AddMenuEntries(QWidget& menu, const std::vector<MenuEntry>& entries,
                    const CommandFilter& isOffered, const CommandSink& onCommand) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Kind::Command:
                if (isOffered(entry.id))
                    menu.addAction(CommandAction(entry, menu, onCommand));
                break;
            case MenuEntry::Kind::Separator:
                // QMenu hides separators that end up doubled, leading or trailing.
                menu.addAction(Separator(menu));
                break;
            case MenuEntry::Kind::Popup: {
                auto* popup = new QMenu(Translated(entry.text), &menu);
                AddMenuEntries(*popup, entry.children, isOffered, onCommand);
                if (HasCommands(*popup))
                    menu.addAction(popup->menuAction());
                else
                    delete popup;
                break;
            }
        }
    }
}

void ApplyCheckMarks(QWidget& menu, const MenuCheckState& state) {
    for (QAction* action : menu.actions()) {
        if (action->menu())
            ApplyCheckMarks(*action->menu(), state);
        else if (action->isCheckable())
            action->setChecked(IsCommandChecked(action->data().toInt(), state));
    }
}

QAction* FindCommandAction(const QWidget& menu, int id) {
    for (QAction* action : menu.actions()) {
        if (action->menu()) {
            if (QAction* inner = FindCommandAction(*action->menu(), id))
                return inner;
        } else if (!action->isSeparator() && action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}
