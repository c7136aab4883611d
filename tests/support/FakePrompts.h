// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Prompts.h"

// Records every question and answers from pre-set queues (cancel when empty).
// A yes/no question is recorded as a message, its caption followed by "?" and
// the default answer.
class FakePrompts : public IPrompts {
public:
    struct Message {
        QString text;
        QString caption;
    };

    void ShowMessage(const QString& text, const QString& caption) override {
        messages.append({text, caption});
    }
    QString AskOpenFileName(const OpenFileRequest& request) override {
        fileRequests.append(request);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    std::optional<bool> AskYesNo(const QString& question, const QString& caption,
                                 DefaultAnswer answer) override {
        messages.append({question, caption + (answer == DefaultAnswer::No ? "?No" : "?Yes")});
        return yesNoAnswers.isEmpty() ? std::nullopt : yesNoAnswers.takeFirst();
    }
    std::optional<ColourRef> AskColour(ColourRef) override {
        return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.takeFirst();
    }
    std::optional<FontChoice> AskFont(const FontChoice& initial) override {
        fontRequests.append(initial);
        return fontAnswers.isEmpty() ? std::nullopt : fontAnswers.takeFirst();
    }
    // Every box shown so far, as "caption: text".
    QStringList Shown() const {
        QStringList shown;
        for (const Message& m : messages) shown << m.caption + QStringLiteral(": ") + m.text;
        return shown;
    }

    QList<Message> messages;
    QList<OpenFileRequest> fileRequests;
    QStringList fileAnswers;
    QList<std::optional<bool>> yesNoAnswers;
    QList<std::optional<ColourRef>> colourAnswers;
    QList<FontChoice> fontRequests;
    QList<std::optional<FontChoice>> fontAnswers;
};
