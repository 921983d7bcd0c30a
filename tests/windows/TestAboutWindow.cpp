#include "windows/AboutWindow.h"

#include "fakes/FakePlatform.h"
#include "ui_common/Art.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;
using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::platform::MessageResult;
using corvanel::ui::AboutWindow;

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void window();
    void centredOverOwner();
    void geometry_data();
    void geometry();
    void labels_data();
    void labels();
    void linesAndPanels();
    void panelsLieBehindWhatStandsOnThem_data();
    void panelsLieBehindWhatStandsOnThem();
    void stackingFollowsTheDesign();
    void picturesAreDrawn_data();
    void picturesAreDrawn();
    void linkOpensItsFixedTarget_data();
    void linkOpensItsFixedTarget();
    void linkByKeyboard_data();
    void linkByKeyboard();
    void linksAreAnnouncedAsLinks_data();
    void linksAreAnnouncedAsLinks();
    void accessiblePressFollowsLink();
    void otherControlsReactToNothing();
    void failingOpenerIsReported_data();
    void failingOpenerIsReported();
    void showAboutWindowIsModalOverItsOwner();

private:
    std::unique_ptr<AboutWindow> makeWindow(QWidget* owner = nullptr);
    template<typename T = QWidget> T* control(const QString& name);

    std::unique_ptr<corvanel::test::FakePlatform> m_fakes;
    std::unique_ptr<AboutWindow> m_window;
};

void TestAboutWindow::init()
{
    m_fakes = std::make_unique<corvanel::test::FakePlatform>();
    m_window = makeWindow();
}

void TestAboutWindow::cleanup()
{
    m_window.reset();
}

std::unique_ptr<AboutWindow> TestAboutWindow::makeWindow(QWidget* owner)
{
    return std::make_unique<AboutWindow>(m_fakes->platform, owner);
}

template<typename T> T* TestAboutWindow::control(const QString& name)
{
    return m_window->findChild<T*>(name, Qt::FindDirectChildrenOnly);
}

void TestAboutWindow::window()
{
    AboutWindow& about = *m_window;
    QCOMPARE(about.objectName(), u"FrmAbout"_s);
    QCOMPARE(about.windowTitle(), u"Corvanel"_s);
    QCOMPARE(about.size(), QSize(336, 201));
    QCOMPARE(about.minimumSize(), QSize(336, 201));
    QCOMPARE(about.maximumSize(), QSize(336, 201));

    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));

    QVERIFY(about.autoFillBackground());
    QCOMPARE(about.palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 17);
}

void TestAboutWindow::centredOverOwner()
{
    QWidget owner;
    owner.setWindowIcon(corvanel::ui::artIcon(u"globe-small"));
    owner.setGeometry(100, 80, 593, 414);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    std::unique_ptr<AboutWindow> about = makeWindow(&owner);
    QCOMPARE(about->parentWidget(), &owner);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.get()));
    QVERIFY(about->isWindow());
    const QPoint offset = about->frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(u"off centre by %1,%2"_s.arg(offset.x()).arg(offset.y())));
    // The window shows its owner's icon.
    QCOMPARE(about->windowIcon().cacheKey(), owner.windowIcon().cacheKey());
}

void TestAboutWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("LblOS") << u"LblOS"_s << QRect(136, 104, 30, 13);
    QTest::newRow("ImgOperatingSystems") << u"ImgOperatingSystems"_s << QRect(176, 96, 135, 25);
    QTest::newRow("Line3") << u"Line3"_s << QRect(112, 144, 208, 1);
    QTest::newRow("ImgAuthor") << u"ImgAuthor"_s << QRect(16, 64, 89, 121);
    QTest::newRow("LblEmail") << u"LblEmail"_s << QRect(110, 152, 57, 17);
    QTest::newRow("LblEmailAddress") << u"LblEmailAddress"_s << QRect(177, 152, 145, 17);
    QTest::newRow("LblNotice") << u"LblNotice"_s << QRect(128, 64, 168, 26);
    QTest::newRow("Image1") << u"Image1"_s << QRect(16, 13, 32, 32);
    QTest::newRow("lblWebsite0") << u"lblWebsite0"_s << QRect(116, 168, 51, 21);
    QTest::newRow("lblWebSite") << u"lblWebSite"_s << QRect(177, 168, 147, 13);
    QTest::newRow("LblAuthor") << u"LblAuthor"_s << QRect(125, 128, 42, 13);
    QTest::newRow("LblAuthorName") << u"LblAuthorName"_s << QRect(177, 128, 86, 13);
    QTest::newRow("Shape1") << u"Shape1"_s << QRect(8, 56, 321, 137);
    QTest::newRow("Line1") << u"Line1"_s << QRect(0, 200, 336, 1);
    QTest::newRow("Line2") << u"Line2"_s << QRect(0, 200, 344, 1);
    QTest::newRow("lblVersion5") << u"lblVersion5"_s << QRect(120, 8, 160, 20);
    QTest::newRow("Shape2") << u"Shape2"_s << QRect(8, 8, 49, 41);
}

void TestAboutWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QWidget* w = control(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->geometry(), rect);
}

void TestAboutWindow::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("opaque");

    const QColor black(0, 0, 0);
    QTest::newRow("LblOS") << u"LblOS"_s << u"OS:"_s << int(Qt::AlignRight) << 11 << false << black << false;
    QTest::newRow("LblEmail") << u"LblEmail"_s << u"Email:"_s << int(Qt::AlignRight) << 11 << false << black << false;
    QTest::newRow("LblEmailAddress") << u"LblEmailAddress"_s << u"support@dranwick.example"_s << int(Qt::AlignLeft)
                                     << 11 << false << QColor(0, 0, 255) << true;
    QTest::newRow("LblNotice") << u"LblNotice"_s << u"Copyright (C) Dranwick. All rights reserved."_s
                               << int(Qt::AlignHCenter) << 11 << false << black << false;
    QTest::newRow("lblWebsite0") << u"lblWebsite0"_s << u"Website:"_s << int(Qt::AlignRight) << 11 << false << black
                                 << false;
    QTest::newRow("lblWebSite") << u"lblWebSite"_s << u"http://www.dranwick.example"_s << int(Qt::AlignLeft) << 11
                                << true << QColor(255, 0, 0) << false;
    QTest::newRow("LblAuthor") << u"LblAuthor"_s << u"Author:"_s << int(Qt::AlignRight) << 11 << false << black
                               << false;
    QTest::newRow("LblAuthorName") << u"LblAuthorName"_s << u"Dranwick"_s << int(Qt::AlignLeft) << 11 << false << black
                                   << false;
    QTest::newRow("lblVersion5") << u"lblVersion5"_s << u"Corvanel"_s << int(Qt::AlignHCenter) << 16 << false << black
                                 << false;
}

void TestAboutWindow::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, horizontal);
    QFETCH(int, pixelSize);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);
    QFETCH(bool, opaque);

    auto* label = control<QLabel>(name);
    QVERIFY2(label, qPrintable(name));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), horizontal);
    QCOMPARE(label->font().family(), u"MS Sans Serif"_s);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->autoFillBackground(), opaque);
    if (opaque) {
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 255));
    }
}

void TestAboutWindow::linesAndPanels()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QImage shot = m_window->grab().toImage();

    // Line1 (black) lies over Line2 (white) along the bottom row; Line3 is black on the white panel.
    QCOMPARE(shot.pixelColor(5, 200), QColor(0, 0, 0));
    QCOMPARE(shot.pixelColor(330, 200), QColor(0, 0, 0));
    QCOMPARE(shot.pixelColor(200, 144), QColor(0, 0, 0));
    QCOMPARE(shot.pixelColor(200, 145), QColor(255, 255, 255));
    // Panels are white on the grey window.
    QCOMPARE(shot.pixelColor(300, 60), QColor(255, 255, 255));
    QCOMPARE(shot.pixelColor(300, 30), QColor(224, 224, 224));
    QCOMPARE(shot.pixelColor(52, 40), QColor(255, 255, 255));
    QCOMPARE(shot.pixelColor(60, 40), QColor(224, 224, 224));
    // The e-mail label is opaque white even where its text does not reach.
    QCOMPARE(shot.pixelColor(320, 166), QColor(255, 255, 255));
}

void TestAboutWindow::panelsLieBehindWhatStandsOnThem_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"LblOS", "ImgOperatingSystems", "ImgAuthor", "LblEmail", "LblEmailAddress", "LblNotice",
                             "Image1", "lblWebsite0", "lblWebSite", "LblAuthor", "LblAuthorName"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestAboutWindow::panelsLieBehindWhatStandsOnThem()
{
    QFETCH(QString, name);
    QWidget* w = control(name);
    QVERIFY(w);
    QCOMPARE(m_window->childAt(w->geometry().center()), w);
}

void TestAboutWindow::stackingFollowsTheDesign()
{
    // From front to back; the last child is drawn on top.
    const QStringList frontToBack {u"LblOS"_s,       u"ImgOperatingSystems"_s,
                                   u"Line3"_s,       u"ImgAuthor"_s,
                                   u"LblEmail"_s,    u"LblEmailAddress"_s,
                                   u"LblNotice"_s,   u"Image1"_s,
                                   u"lblWebsite0"_s, u"lblWebSite"_s,
                                   u"LblAuthor"_s,   u"LblAuthorName"_s,
                                   u"Shape1"_s,      u"Line1"_s,
                                   u"Line2"_s,       u"lblVersion5"_s,
                                   u"Shape2"_s};
    QStringList stacked;
    for (const QObject* child : m_window->children()) {
        if (child->isWidgetType()) {
            stacked.prepend(child->objectName());
        }
    }
    QCOMPARE(stacked, frontToBack);
}

void TestAboutWindow::picturesAreDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("probe");
    // A point where each picture's artwork differs from the white panel behind it.
    QTest::newRow("Image1") << u"Image1"_s << QPoint(16, 16);
    QTest::newRow("ImgAuthor") << u"ImgAuthor"_s << QPoint(5, 5);
    QTest::newRow("ImgOperatingSystems") << u"ImgOperatingSystems"_s << QPoint(20, 12);
}

void TestAboutWindow::picturesAreDrawn()
{
    QFETCH(QString, name);
    QFETCH(QPoint, probe);
    QWidget* picture = control(name);
    QVERIFY(picture);
    const QImage image = m_window->grab(picture->geometry()).toImage();
    QVERIFY(!image.isNull());
    QVERIFY2(image.pixelColor(probe) != QColor(255, 255, 255), "the artwork did not load");
}

void TestAboutWindow::linkOpensItsFixedTarget_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QUrl>("target");
    QTest::newRow("e-mail") << u"LblEmailAddress"_s << QUrl(u"mailto:support@dranwick.example"_s);
    QTest::newRow("web") << u"lblWebSite"_s << QUrl(u"http://www.dranwick.example"_s);
}

void TestAboutWindow::linkOpensItsFixedTarget()
{
    QFETCH(QString, name);
    QFETCH(QUrl, target);
    auto* link = control<QLabel>(name);
    QVERIFY(link);

    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_fakes->urls.opened, (QList<QUrl> {target, target}));

    // The target is the program's own, not whatever the label shows.
    link->setText(u"mailto:someone@else.example"_s);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_fakes->urls.opened, (QList<QUrl> {target, target, target}));

    // A failed open is not looked at: nothing is shown.
    m_fakes->urls.result = false;
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_fakes->urls.opened.size(), 4);
    QVERIFY(m_fakes->dialogs.messages.isEmpty());

    // A press that is released elsewhere is no click.
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(m_fakes->urls.opened.size(), 4);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
}

void TestAboutWindow::linkByKeyboard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QUrl>("target");
    const QUrl mail(u"mailto:support@dranwick.example"_s);
    const QUrl web(u"http://www.dranwick.example"_s);
    QTest::newRow("e-mail Return") << u"LblEmailAddress"_s << int(Qt::Key_Return) << mail;
    QTest::newRow("e-mail Enter") << u"LblEmailAddress"_s << int(Qt::Key_Enter) << mail;
    QTest::newRow("e-mail Space") << u"LblEmailAddress"_s << int(Qt::Key_Space) << mail;
    QTest::newRow("web Return") << u"lblWebSite"_s << int(Qt::Key_Return) << web;
    QTest::newRow("web Space") << u"lblWebSite"_s << int(Qt::Key_Space) << web;
}

void TestAboutWindow::linkByKeyboard()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QUrl, target);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // Tab reaches both links, e-mail first.
    QCOMPARE(QApplication::focusWidget(), control(u"LblEmailAddress"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control(u"lblWebSite"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control(u"LblEmailAddress"_s));

    QWidget* link = control(name);
    link->setFocus(Qt::TabFocusReason);
    QVERIFY(link->hasFocus());
    QTest::keyClick(link, Qt::Key(key));
    QCOMPARE(m_fakes->urls.opened, QList<QUrl> {target});
}

void TestAboutWindow::linksAreAnnouncedAsLinks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("e-mail") << u"LblEmailAddress"_s << u"support@dranwick.example"_s;
    QTest::newRow("web") << u"lblWebSite"_s << u"http://www.dranwick.example"_s;
}

void TestAboutWindow::linksAreAnnouncedAsLinks()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* link = control(name);
    QCOMPARE(link->focusPolicy(), Qt::StrongFocus);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QCOMPARE(accessible->text(QAccessible::Name), text);
    QVERIFY(accessible->state().focusable);
    QVERIFY(accessible->state().linked);

    // Plain labels stay plain.
    QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(control(u"LblEmail"_s));
    QVERIFY(plain);
    QVERIFY(plain->role() != QAccessible::Link);
}

void TestAboutWindow::accessiblePressFollowsLink()
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(u"lblWebSite"_s));
    QVERIFY(accessible);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_fakes->urls.opened, QList<QUrl> {QUrl(u"http://www.dranwick.example"_s)});
}

void TestAboutWindow::otherControlsReactToNothing()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    for (QWidget* w : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->objectName() == u"LblEmailAddress"_s || w->objectName() == u"lblWebSite"_s) {
            continue;
        }
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, 0));
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    }
    QVERIFY(m_fakes->urls.opened.isEmpty());
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QVERIFY(m_window->isVisible());
}

void TestAboutWindow::failingOpenerIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<int>("throws");
    QTest::addColumn<QList<MessageResult>>("answers");
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("reports");

    using R = MessageResult;
    QTest::newRow("e-mail abort") << u"LblEmailAddress"_s << u"LblEmailAddress_Click"_s << 1 << QList<R> {R::Abort} << 1
                                  << 1;
    QTest::newRow("e-mail ignore") << u"LblEmailAddress"_s << u"LblEmailAddress_Click"_s << 1 << QList<R> {R::Ignore}
                                   << 1 << 1;
    QTest::newRow("e-mail retry succeeds")
        << u"LblEmailAddress"_s << u"LblEmailAddress_Click"_s << 1 << QList<R> {R::Retry} << 2 << 1;
    QTest::newRow("web retry twice then abort")
        << u"lblWebSite"_s << u"lblWebsite_Click"_s << 5 << QList<R> {R::Retry, R::Retry, R::Abort} << 3 << 3;
    QTest::newRow("web ignore") << u"lblWebSite"_s << u"lblWebsite_Click"_s << 1 << QList<R> {R::Ignore} << 1 << 1;
}

void TestAboutWindow::failingOpenerIsReported()
{
    QFETCH(QString, name);
    QFETCH(QString, procedure);
    QFETCH(int, throws);
    QFETCH(QList<MessageResult>, answers);
    QFETCH(int, opens);
    QFETCH(int, reports);

    m_fakes->urls.throwsLeft = throws;
    m_fakes->dialogs.answers = answers;
    QTest::mouseClick(control(name), Qt::LeftButton);

    QCOMPARE(m_fakes->urls.opened.size(), opens);
    QCOMPARE(m_fakes->dialogs.messages.size(), reports);
    for (const corvanel::platform::MessageSpec& box : std::as_const(m_fakes->dialogs.messages)) {
        QCOMPARE(box.text,
                 u"Error 440: The desktop refused to open the target\r\nin "_s + procedure
                     + u"\r\nThe error occured at line: 1"_s);
        QCOMPARE(box.title, u"Error"_s);
        QCOMPARE(box.icon, MessageIcon::Critical);
        QCOMPARE(box.buttons, MessageButtons::AbortRetryIgnore);
    }
    QVERIFY(m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size() == 17);

    // The next click is handled afresh.
    m_fakes->urls.throwsLeft = 0;
    QTest::mouseClick(control(name), Qt::LeftButton);
    QCOMPARE(m_fakes->urls.opened.size(), opens + 1);
    QCOMPARE(m_fakes->dialogs.messages.size(), reports);
}

void TestAboutWindow::showAboutWindowIsModalOverItsOwner()
{
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QCOMPARE(modal->objectName(), u"FrmAbout"_s);
        QCOMPARE(modal->parentWidget(), &owner);
        QVERIFY(modal->isModal());
        QTest::mouseClick(modal->findChild<QWidget*>(u"lblWebSite"_s), Qt::LeftButton);
        checked = true;
        modal->close();
    });
    corvanel::ui::showAboutWindow(m_fakes->platform, &owner);
    QVERIFY(checked);
    QCOMPARE(m_fakes->urls.opened, QList<QUrl> {QUrl(u"http://www.dranwick.example"_s)});
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(owner.findChildren<AboutWindow*>().isEmpty());
}

QTEST_MAIN(TestAboutWindow)
#include "TestAboutWindow.moc"
