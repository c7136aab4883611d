// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Prompts.h"

// Records every question and answers from pre-set queues (cancel when empty).
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
    std::optional<bool> AskYesNo(const QString& question, const QString&) override {
        questions.append(question);
        return yesNoAnswers.isEmpty() ? std::nullopt : yesNoAnswers.takeFirst();
    }
    std::optional<ColourRef> AskColour(ColourRef initial) override {
        colourRequests.append(initial);
        if (colourAnswers.isEmpty())
            return std::nullopt;
        return colourAnswers.takeFirst();
    }
    std::optional<FontChoice> AskFont(const FontChoice& initial) override {
        fontRequests.append(initial);
        if (fontAnswers.isEmpty())
            return std::nullopt;
        return fontAnswers.takeFirst();
    }

    QList<Message> messages;
    QList<OpenFileRequest> fileRequests;
    QStringList fileAnswers;
    QStringList questions;
    QList<std::optional<bool>> yesNoAnswers;
    QList<ColourRef> colourRequests;
    QList<std::optional<ColourRef>> colourAnswers;
    QList<FontChoice> fontRequests;
    QList<std::optional<FontChoice>> fontAnswers;
};
