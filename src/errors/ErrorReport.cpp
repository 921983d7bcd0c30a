#include "errors/ErrorReport.h"

#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <new>

namespace corvanel::errors {

namespace {

// Numbers for errors that carry none of their own, as the classic run-time numbers them.
constexpr int kOutOfMemory = 7;
constexpr int kUnexpectedError = 440;

constexpr const char* kTitle = QT_TRANSLATE_NOOP("ErrorReport", "Error");

struct Caught
{
    int number;
    QString description;
};

Caught describeCurrentException()
{
    try {
        throw;
    } catch (const RunTimeError& error) {
        return {error.number(), error.description()};
    } catch (const std::bad_alloc&) {
        return {kOutOfMemory, QCoreApplication::translate("ErrorReport", "Out of memory")};
    } catch (const std::exception& error) {
        return {kUnexpectedError, QString::fromUtf8(error.what())};
    } catch (...) {
        return {kUnexpectedError, QCoreApplication::translate("ErrorReport", "Unexpected error")};
    }
}

} // namespace

RunTimeError::RunTimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
{
}

ErrorReport::ErrorReport(platform::Dialogs& dialogs, QWidget* owner, QString procedure)
    : m_dialogs(dialogs)
    , m_owner(owner)
    , m_procedure(std::move(procedure))
{
}

GuardOutcome ErrorReport::run(int line, const std::function<void()>& statement)
{
    for (;;) {
        Caught caught;
        try {
            statement();
            return GuardOutcome::Completed;
        } catch (...) {
            caught = describeCurrentException();
        }
        const platform::MessageSpec spec {text(caught.number, caught.description, m_procedure, line),
                                          QCoreApplication::translate("ErrorReport", kTitle),
                                          platform::MessageIcon::Critical, platform::MessageButtons::AbortRetryIgnore};
        switch (m_dialogs.message(m_owner, spec)) {
        case platform::MessageResult::Retry:
            continue;
        case platform::MessageResult::Ignore:
            return GuardOutcome::Ignored;
        default:
            // Whatever busy pointer the failed step left behind goes with it.
            while (QGuiApplication::overrideCursor()) {
                QGuiApplication::restoreOverrideCursor();
            }
            return GuardOutcome::Aborted;
        }
    }
}

QString ErrorReport::text(int number, const QString& description, const QString& procedure, int line)
{
    // One pass, so a description that holds "%4" stays as it is.
    return QCoreApplication::translate("ErrorReport", "Error %1: %2\r\nin %3\r\nThe error occured at line: %4")
        .arg(QString::number(number), description, procedure, QString::number(line));
}

} // namespace corvanel::errors
