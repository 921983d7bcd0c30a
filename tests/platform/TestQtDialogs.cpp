#include "app/ApplicationSetup.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtUrlOpener.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::platform::MessageResult;
using corvanel::platform::MessageSpec;
using corvanel::platform::QtDialogs;

namespace {

/** Runs @p inspect on the modal box as soon as it is up; the box must be closed by it. */
void whenModalOpens(std::function<void(QWidget*)> inspect)
{
    QTimer::singleShot(0, qApp, [inspect = std::move(inspect)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        inspect(modal);
    });
}

} // namespace

/** The real boxes, shown headless and answered from a timer. */
class TestQtDialogs : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { m_opened.append(url); }

private slots:
    void initTestCase();
    void messageBoxShowsTextAsPlainText();
    void untitledBoxShowsTheApplicationTitle();
    void errorReportButtons_data();
    void errorReportButtons();
    void inputBoxReturnsTheTypedText();
    void cancelledInputBoxReturnsNothing();
    void urlOpenerHandsTheTargetToTheDesktop();

private:
    QList<QUrl> m_opened;
};

void TestQtDialogs::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestQtDialogs::messageBoxShowsTextAsPlainText()
{
    QtDialogs dialogs;
    QString shownText;
    QString shownTitle;
    Qt::TextFormat format = Qt::RichText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        shownText = box->text();
        shownTitle = box->windowTitle();
        format = box->textFormat();
        icon = box->icon();
        buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
    const MessageResult result = dialogs.message(
        nullptr,
        {"An update is available to version <b>9</b><img src=x>", "Corvanel", MessageIcon::None, MessageButtons::Ok});
    QCOMPARE(result, MessageResult::Ok);
    QCOMPARE(shownText, QStringLiteral("An update is available to version <b>9</b><img src=x>"));
    QCOMPARE(shownTitle, QStringLiteral("Corvanel"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
}

void TestQtDialogs::untitledBoxShowsTheApplicationTitle()
{
    QtDialogs dialogs;
    QString shownTitle;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        shownTitle = box->windowTitle();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message(nullptr, {"Sorry, Could not find element!", "", MessageIcon::Warning, MessageButtons::Ok});
    QCOMPARE(shownTitle, QStringLiteral("Corvanel"));
    QCOMPARE(icon, QMessageBox::Warning);
}

void TestQtDialogs::errorReportButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<MessageResult>("expected");
    QTest::newRow("Abort") << int(QMessageBox::Abort) << MessageResult::Abort;
    QTest::newRow("Retry") << int(QMessageBox::Retry) << MessageResult::Retry;
    QTest::newRow("Ignore") << int(QMessageBox::Ignore) << MessageResult::Ignore;
}

void TestQtDialogs::errorReportButtons()
{
    QFETCH(int, button);
    QFETCH(MessageResult, expected);
    QtDialogs dialogs;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        icon = box->icon();
        buttons = box->buttons().size();
        box->button(QMessageBox::StandardButton(button))->click();
    });
    const MessageResult result = dialogs.message(
        nullptr, {"Error 7: Out of memory", "Error", MessageIcon::Critical, MessageButtons::AbortRetryIgnore});
    QCOMPARE(result, expected);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, 3);
}

void TestQtDialogs::inputBoxReturnsTheTypedText()
{
    QtDialogs dialogs;
    QString prompt;
    QString title;
    QString startText = QStringLiteral("not empty");
    whenModalOpens([&](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        QVERIFY(input);
        prompt = input->labelText();
        title = input->windowTitle();
        startText = input->textValue();
        QTest::keyClicks(input->findChild<QLineEdit*>(), QStringLiteral(" na"));
        input->accept();
    });
    QCOMPARE(dialogs.inputBox(nullptr, "Enter Element Symbol", "Element Search"), QStringLiteral(" na"));
    QCOMPARE(prompt, QStringLiteral("Enter Element Symbol"));
    QCOMPARE(title, QStringLiteral("Element Search"));
    QCOMPARE(startText, QString());
}

void TestQtDialogs::cancelledInputBoxReturnsNothing()
{
    QtDialogs dialogs;
    whenModalOpens([](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        QTest::keyClicks(input->findChild<QLineEdit*>(), QStringLiteral("Fe"));
        input->reject();
    });
    QCOMPARE(dialogs.inputBox(nullptr, "Enter Element Symbol", "Element Search"), QString());
}

void TestQtDialogs::urlOpenerHandsTheTargetToTheDesktop()
{
    // Stands in for the mail client and the browser.
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    corvanel::platform::QtUrlOpener opener;
    QVERIFY(opener.open(QUrl(QStringLiteral("mailto:support@dranwick.example"))));
    QVERIFY(opener.open(QUrl(QStringLiteral("http://www.dranwick.example"))));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(m_opened,
             (QList<QUrl> {QUrl(QStringLiteral("mailto:support@dranwick.example")),
                           QUrl(QStringLiteral("http://www.dranwick.example"))}));
}

QTEST_MAIN(TestQtDialogs)
#include "TestQtDialogs.moc"
