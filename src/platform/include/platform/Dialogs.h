#pragma once

#include <QString>

class QWidget;

namespace corvanel::platform {

enum class MessageIcon
{
    None,
    Information,
    Warning,
    Critical,
};

enum class MessageButtons
{
    Ok,
    AbortRetryIgnore,
};

enum class MessageResult
{
    Ok,
    Abort,
    Retry,
    Ignore,
};

/** What a message box says; the text is always shown as plain text. */
struct MessageSpec
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

/** The modal boxes of the program: message boxes and the one-line input box. */
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    /** Shows a modal message box over @p owner and returns the button the user chose. */
    virtual MessageResult message(QWidget* owner, const MessageSpec& spec) = 0;

    /** Shows a modal input box; returns the typed text, or the empty text when cancelled or closed. */
    virtual QString inputBox(QWidget* owner, const QString& prompt, const QString& title) = 0;
};

} // namespace corvanel::platform
