#include "errors/ErrorReport.h"
#include "fakes/FakeDialogs.h"

#include <QGuiApplication>
#include <QTest>

using corvanel::errors::ErrorReport;
using corvanel::errors::GuardOutcome;
using corvanel::errors::RunTimeError;
using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::platform::MessageResult;
using corvanel::test::FakeDialogs;

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void reportText_data();
    void reportText();
    void aStatementThatSucceedsShowsNothing();
    void abortLeavesAndResetsThePointer();
    void retryRunsTheStatementAgain();
    void ignoreGoesOnWithTheNextStatement();
};

void TestErrorReport::reportText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("run-time error") << 0 << "Error 53: File not found\r\nin Main\r\nThe error occured at line: 2";
    QTest::newRow("any exception") << 1 << "Error 440: socket closed\r\nin Main\r\nThe error occured at line: 2";
    QTest::newRow("out of memory") << 2 << "Error 7: Out of memory\r\nin Main\r\nThe error occured at line: 2";
    QTest::newRow("not an exception") << 3 << "Error 440: Unexpected error\r\nin Main\r\nThe error occured at line: 2";
    QTest::newRow("placeholders stay as written")
        << 4 << "Error 5: 100%4 wrong %1\r\nin Main\r\nThe error occured at line: 2";
}

void TestErrorReport::reportText()
{
    QFETCH(int, kind);
    QFETCH(QString, expected);
    FakeDialogs dialogs;
    ErrorReport report(dialogs, nullptr, QStringLiteral("Main"));
    const GuardOutcome outcome = report.run(2, [kind] {
        switch (kind) {
        case 0:
            throw RunTimeError(53, QStringLiteral("File not found"));
        case 1:
            throw std::runtime_error("socket closed");
        case 2:
            throw std::bad_alloc();
        case 3:
            throw 42;
        default:
            throw RunTimeError(5, QStringLiteral("100%4 wrong %1"));
        }
    });
    QCOMPARE(outcome, GuardOutcome::Aborted); // the fake answers OK, which is no Retry or Ignore
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, expected);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(dialogs.messages[0].buttons, MessageButtons::AbortRetryIgnore);
}

void TestErrorReport::aStatementThatSucceedsShowsNothing()
{
    FakeDialogs dialogs;
    ErrorReport report(dialogs, nullptr, QStringLiteral("Main"));
    int runs = 0;
    QCOMPARE(report.run(1, [&] { ++runs; }), GuardOutcome::Completed);
    QCOMPARE(runs, 1);
    QVERIFY(dialogs.messages.isEmpty());
}

void TestErrorReport::abortLeavesAndResetsThePointer()
{
    FakeDialogs dialogs;
    dialogs.answers = {MessageResult::Abort};
    ErrorReport report(dialogs, nullptr, QStringLiteral("lblWebsite_Click"));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    int runs = 0;
    const GuardOutcome outcome = report.run(7, [&] {
        ++runs;
        throw RunTimeError(91, QStringLiteral("Object variable not set"));
    });
    QCOMPARE(outcome, GuardOutcome::Aborted);
    QCOMPARE(runs, 1);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(
        dialogs.messages[0].text,
        QStringLiteral("Error 91: Object variable not set\r\nin lblWebsite_Click\r\nThe error occured at line: 7"));
}

void TestErrorReport::retryRunsTheStatementAgain()
{
    FakeDialogs dialogs;
    dialogs.answers = {MessageResult::Retry, MessageResult::Retry};
    ErrorReport report(dialogs, nullptr, QStringLiteral("Main"));
    int runs = 0;
    const GuardOutcome outcome = report.run(1, [&] {
        if (++runs < 3) {
            throw RunTimeError(52, QStringLiteral("Bad file name or number"));
        }
    });
    QCOMPARE(outcome, GuardOutcome::Completed);
    QCOMPARE(runs, 3);
    QCOMPARE(dialogs.messages.size(), 2);
}

void TestErrorReport::ignoreGoesOnWithTheNextStatement()
{
    FakeDialogs dialogs;
    dialogs.answers = {MessageResult::Ignore};
    ErrorReport report(dialogs, nullptr, QStringLiteral("Main"));
    QStringList ran;
    QCOMPARE(report.run(1,
                        [&] {
                            ran << QStringLiteral("first");
                            throw RunTimeError(5, QStringLiteral("Invalid procedure call or argument"));
                        }),
             GuardOutcome::Ignored);
    QCOMPARE(report.run(2, [&] { ran << QStringLiteral("second"); }), GuardOutcome::Completed);
    QCOMPARE(ran, (QStringList {QStringLiteral("first"), QStringLiteral("second")}));
    QCOMPARE(dialogs.messages.size(), 1);
}

QTEST_MAIN(TestErrorReport)
#include "TestErrorReport.moc"
