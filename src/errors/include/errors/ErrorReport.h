#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

class QWidget;

namespace corvanel::platform {
class Dialogs;
}

namespace corvanel::errors {

/** A run-time error with the number and description the error report shows. */
class RunTimeError : public std::runtime_error
{
public:
    RunTimeError(int number, const QString& description);

    int number() const { return m_number; }
    QString description() const { return QString::fromUtf8(what()); }

private:
    int m_number;
};

/** What became of one guarded statement. */
enum class GuardOutcome
{
    Completed, ///< ran without error, possibly after retries
    Ignored, ///< failed and the user chose to go on with the next statement
    Aborted, ///< failed and the user chose to leave the procedure
};

/**
 * The shared error report of a guarded procedure: each statement runs through
 * run(); an exception becomes a critical Abort / Retry / Ignore box naming the
 * procedure and the line, and the user's choice decides what happens next.
 */
class ErrorReport
{
public:
    ErrorReport(platform::Dialogs& dialogs, QWidget* owner, QString procedure);

    /** Runs @p statement, which stands at @p line of the procedure; Retry runs it again. */
    GuardOutcome run(int line, const std::function<void()>& statement);

    /** The report's text for one error. */
    static QString text(int number, const QString& description, const QString& procedure, int line);

private:
    platform::Dialogs& m_dialogs;
    QWidget* m_owner;
    QString m_procedure;
};

} // namespace corvanel::errors
