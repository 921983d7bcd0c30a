#include "platform/qt/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace corvanel::platform {

namespace {

// A box given no title of its own shows the application's title.
const QString kApplicationTitle = QStringLiteral("Corvanel");

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageResult QtDialogs::message(QWidget* owner, const MessageSpec& spec)
{
    QMessageBox box(owner);
    // Texts can come from the network: never let them be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(spec.text);
    box.setWindowTitle(spec.title.isEmpty() ? kApplicationTitle : spec.title);
    box.setIcon(toQt(spec.icon));
    if (spec.buttons == MessageButtons::AbortRetryIgnore) {
        box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        box.setDefaultButton(QMessageBox::Abort);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Abort:
        return MessageResult::Abort;
    case QMessageBox::Retry:
        return MessageResult::Retry;
    case QMessageBox::Ignore:
        return MessageResult::Ignore;
    default:
        return MessageResult::Ok;
    }
}

QString QtDialogs::inputBox(QWidget* owner, const QString& prompt, const QString& title)
{
    QInputDialog dialog(owner);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setWindowTitle(title.isEmpty() ? kApplicationTitle : title);
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    return dialog.textValue();
}

} // namespace corvanel::platform
