#include "app/ApplicationSetup.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "platform_qt/QtDialogs.h"
#include "platform_qt/QtUrlOpener.h"
#include "support/TriggerAction.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
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
using namespace Qt::StringLiterals;

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
    void inputBoxKeepsOneLineOfAPaste_data();
    void inputBoxKeepsOneLineOfAPaste();
    void inputBoxShowsItsTitleWhole();
    void searchFindsWhatTheBoxShows_data();
    void searchFindsWhatTheBoxShows();
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

void TestQtDialogs::inputBoxKeepsOneLineOfAPaste_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cursor"); // where the paste goes into the typed text
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("held");

    QTest::newRow("symbol and a line break") << QString() << 0 << u"Na\n"_s << u"Na"_s;
    QTest::newRow("Windows line end, more lines") << QString() << 0 << u"Na\r\nK\r\n"_s << u"Na"_s;
    QTest::newRow("Unicode separators") << QString() << 0 << u"Fe\u2028Co\u2029"_s << u"Fe"_s;
    QTest::newRow("into typed text, around it kept") << u"Nx"_s << 1 << u"a\nb"_s << u"Nax"_s;
    QTest::newRow("line break first") << u"Cu"_s << 2 << u"\nZn"_s << u"Cu"_s;
    QTest::newRow("spaces are kept") << QString() << 0 << u" Na "_s << u" Na "_s;
}

void TestQtDialogs::inputBoxKeepsOneLineOfAPaste()
{
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, held);

    QtDialogs dialogs;
    QString shown;
    whenModalOpens([&](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        auto* field = input->findChild<QLineEdit*>();
        QTest::keyClicks(field, typed);
        field->setCursorPosition(cursor);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        shown = field->text();
        input->accept();
    });
    QCOMPARE(dialogs.inputBox(nullptr, "Enter Element Symbol", "Element Search"), held);
    QCOMPARE(shown, held);
}

void TestQtDialogs::inputBoxShowsItsTitleWhole()
{
    QtDialogs dialogs;
    int width = 0;
    int titleWidth = 0;
    whenModalOpens([&](QWidget* modal) {
        width = modal->frameGeometry().width();
        // A title bar's face is bold and larger than the box's text; beside the title stand the
        // window's icon and three buttons, at least 150 pixels on any common desktop.
        QFont titleFont = modal->font();
        titleFont.setBold(true);
        titleFont.setPixelSize(QFontMetrics(modal->font()).height() * 5 / 4);
        titleWidth = QFontMetrics(titleFont).horizontalAdvance(modal->windowTitle()) + 150;
        qobject_cast<QDialog*>(modal)->reject();
    });
    dialogs.inputBox(nullptr, "Enter Element Symbol", "Element Search");
    QVERIFY2(width >= titleWidth, qPrintable(u"%1 px wide, the title bar needs %2"_s.arg(width).arg(titleWidth)));
}

void TestQtDialogs::searchFindsWhatTheBoxShows_data()
{
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("symbol pasted with a line break") << true << u"Na\n"_s << u"Sodium"_s << QStringList();
    QTest::newRow("symbol typed with a blank")
        << false << u"Na "_s << u"?"_s << QStringList {u"Sorry, Could not find element!"_s};
}

void TestQtDialogs::searchFindsWhatTheBoxShows()
{
    QFETCH(bool, paste);
    QFETCH(QString, entry);
    QFETCH(QString, shownName);
    QFETCH(QStringList, boxes);

    corvanel::test::FakePlatform fakes;
    QtDialogs dialogs;
    corvanel::platform::Platform platform {dialogs, fakes.urls, fakes.connectivity, fakes.http, fakes.printing};
    corvanel::ui::MainWindow window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Answers every box the search opens: the input box with the entry, a message box with OK.
    QStringList shownBoxes;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            auto* field = input->findChild<QLineEdit*>();
            if (paste) {
                QGuiApplication::clipboard()->setText(entry);
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::keyClicks(field, entry);
            }
            input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shownBoxes.append(box->text());
            box->accept();
        }
    });
    answer.start(20);
    TRIGGER_ACTION(window, "mnuSearchElements");
    answer.stop();
    QCOMPARE(window.findChild<QLabel*>(u"LblsAA"_s)->text(), shownName);
    QCOMPARE(shownBoxes, boxes);
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
