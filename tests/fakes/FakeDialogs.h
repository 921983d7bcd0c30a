#pragma once

#include "platform/Dialogs.h"
#include "platform/UrlOpener.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <stdexcept>

namespace corvanel::test {

/** Records every box it is asked to show and answers from a script. */
class FakeDialogs : public platform::Dialogs
{
public:
    struct InputCall
    {
        QString prompt;
        QString title;
    };

    platform::MessageResult message(QWidget*, const platform::MessageSpec& spec) override
    {
        messages.append(spec);
        if (onMessage) {
            onMessage(spec);
        }
        if (!answers.isEmpty()) {
            return answers.takeFirst();
        }
        return platform::MessageResult::Ok;
    }

    QString inputBox(QWidget*, const QString& prompt, const QString& title) override
    {
        inputs.append({prompt, title});
        return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
    }

    QList<platform::MessageSpec> messages;
    QList<platform::MessageResult> answers;
    QList<InputCall> inputs;
    QStringList inputAnswers;
    /** Runs while a box is "open", e.g. to look at the window at that moment. */
    std::function<void(const platform::MessageSpec&)> onMessage;
};

/** Records the targets it is handed; can be told to throw. */
class FakeUrlOpener : public platform::UrlOpener
{
public:
    bool open(const QUrl& target) override
    {
        opened.append(target);
        if (throwsLeft > 0) {
            --throwsLeft;
            throw std::runtime_error("The desktop refused to open the target");
        }
        return result;
    }

    QList<QUrl> opened;
    int throwsLeft = 0;
    bool result = true;
};

} // namespace corvanel::test
