#pragma once

#include "platform/Dialogs.h"

namespace corvanel::platform {

/** Real message boxes and input boxes. */
class QtDialogs : public Dialogs
{
public:
    MessageResult message(QWidget* owner, const MessageSpec& spec) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title) override;
};

} // namespace corvanel::platform
