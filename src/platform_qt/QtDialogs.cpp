#include "platform_qt/QtDialogs.h"

#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QValidator>

#include <algorithm>

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

/**
 * Keeps a one-line field on one line: text pasted or dropped into it keeps only
 * what comes before its first line break, so what the field shows is what it
 * holds. The text around the insertion stays as it was.
 */
class SingleLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const auto lineBreak = std::find_if(input.cbegin(), input.cend(), isLineBreak);
        if (lineBreak == input.cend()) {
            return Acceptable;
        }
        // The field never holds a line break, so every one lies in what was just inserted, which
        // ends at the cursor.
        const auto cut = static_cast<int>(lineBreak - input.cbegin());
        input.remove(cut, qMax(pos, cut + 1) - cut);
        pos = cut;
        return Acceptable;
    }

private:
    static bool isLineBreak(QChar c)
    {
        return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator || c == QChar(0x85);
    }
};

// A window manager draws the title in a larger bold face, beside the window's icon and its buttons.
constexpr double kTitleFontScale = 1.25;
constexpr int kTitleBarAllowance = 176;

/** The width a window needs for a title bar that shows @p title whole. */
int titleBarWidth(const QWidget& window, const QString& title)
{
    QFont font = window.font();
    font.setBold(true);
    font.setPixelSize(qRound(QFontMetricsF(window.font()).height() * kTitleFontScale));
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarAllowance;
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
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setValidator(new SingleLineValidator(field));
        // The box's layout sizes it to its contents, so the field is what makes room for the title.
        const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
        field->setMinimumWidth(titleBarWidth(dialog, dialog.windowTitle()) - margins.left() - margins.right());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    return dialog.textValue();
}

} // namespace corvanel::platform
