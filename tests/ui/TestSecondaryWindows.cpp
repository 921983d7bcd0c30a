#include "app/ApplicationSetup.h"
#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "support/TriggerAction.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;
using corvanel::ui::PowerButton;

namespace {

QList<QWidget*> windowsNamed(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            found.append(widget);
        }
    }
    return found;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestSecondaryWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void keyButtonOpensOneLegend();
    void legendMatchesTheTiles();
    void mainWindowKeepsWorkingWhileTheLegendIsOpen();
    void closingTheMainWindowClosesTheLegend();
    void aboutIsModalOverTheMainWindow();

private:
    QWidget* widget(const QString& name) const { return m_window->findChild<QWidget*>(name); }

    std::unique_ptr<FakePlatform> m_fakes;
    QPointer<MainWindow> m_window;
};

void TestSecondaryWindows::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestSecondaryWindows::init()
{
    m_fakes = std::make_unique<FakePlatform>();
    m_window = new MainWindow(m_fakes->platform);
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestSecondaryWindows::cleanup()
{
    if (m_window) {
        m_window->close();
    }
    flushDeletes();
    QVERIFY(!m_window);
    QVERIFY(windowsNamed(QStringLiteral("FrmKey")).isEmpty());
    m_fakes.reset();
}

void TestSecondaryWindows::keyButtonOpensOneLegend()
{
    QTest::mouseClick(widget(QStringLiteral("CmdKey")), Qt::LeftButton);
    QCOMPARE(windowsNamed(QStringLiteral("FrmKey")).size(), 1);
    QPointer<QWidget> legend = windowsNamed(QStringLiteral("FrmKey")).first();
    QVERIFY(legend->isWindow());
    QCOMPARE(legend->parentWidget(), nullptr); // no owner
    QVERIFY(!legend->isModal());

    m_window->activateWindow();
    QTRY_VERIFY(m_window->isActiveWindow());
    QTest::mouseClick(widget(QStringLiteral("CmdKey")), Qt::LeftButton);
    QCOMPARE(windowsNamed(QStringLiteral("FrmKey")).size(), 1);
    QCOMPARE(windowsNamed(QStringLiteral("FrmKey")).first(), legend.data());
    QTRY_VERIFY(legend->isActiveWindow());

    // Closed, it is gone; the next click builds a fresh one.
    legend->close();
    flushDeletes();
    QVERIFY(!legend);
    QTest::mouseClick(widget(QStringLiteral("CmdKey")), Qt::LeftButton);
    QCOMPARE(windowsNamed(QStringLiteral("FrmKey")).size(), 1);
}

void TestSecondaryWindows::legendMatchesTheTiles()
{
    QTest::mouseClick(widget(QStringLiteral("CmdKey")), Qt::LeftButton);
    QWidget* legend = windowsNamed(QStringLiteral("FrmKey")).first();
    QList<QColor> legendColours;
    for (const PowerButton* swatch : legend->findChildren<PowerButton*>()) {
        legendColours.append(swatch->colour());
    }
    QCOMPARE(legendColours.size(), 9);

    QSet<QRgb> tileColours;
    int tiles = 0;
    for (const PowerButton* tile :
         m_window->centralWidget()->findChildren<PowerButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (tile->objectName() == QStringLiteral("CmdKey")) {
            continue;
        }
        ++tiles;
        tileColours.insert(tile->colour().rgb());
        QCOMPARE(legendColours.count(tile->colour()), 1);
    }
    QCOMPARE(tiles, 109);
    for (const QColor& colour : legendColours) {
        QVERIFY2(tileColours.contains(colour.rgb()), qPrintable(colour.name()));
    }
}

void TestSecondaryWindows::mainWindowKeepsWorkingWhileTheLegendIsOpen()
{
    QTest::mouseClick(widget(QStringLiteral("CmdKey")), Qt::LeftButton);
    QCOMPARE(windowsNamed(QStringLiteral("FrmKey")).size(), 1);

    QTest::mouseClick(widget(QStringLiteral("CmdNa")), Qt::LeftButton);
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("LblsAA"))->text(), QStringLiteral("Sodium"));
    m_fakes->dialogs.inputAnswers = {QStringLiteral("xe")};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("LblsAA"))->text(), QStringLiteral("Xenon"));
    QCOMPARE(windowsNamed(QStringLiteral("FrmKey")).size(), 1);
}

void TestSecondaryWindows::closingTheMainWindowClosesTheLegend()
{
    QTest::mouseClick(widget(QStringLiteral("CmdKey")), Qt::LeftButton);
    QPointer<QWidget> legend = windowsNamed(QStringLiteral("FrmKey")).first();
    TRIGGER_ACTION(*m_window, "mnuExit");
    flushDeletes();
    QVERIFY(!m_window);
    QVERIFY(!legend);
}

void TestSecondaryWindows::aboutIsModalOverTheMainWindow()
{
    bool inspected = false;
    QTimer::singleShot(0, this, [&] {
        auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(about);
        QCOMPARE(about->objectName(), QStringLiteral("FrmAbout"));
        QCOMPARE(about->parentWidget(), m_window.data());
        QVERIFY(about->isModal());
        // The main window takes no input: neither a shortcut nor a click on a tile reaches it.
        // The events go through the window system, where a modal window blocks them.
        QWindow* mainWindow = m_window->windowHandle();
        QTest::keyClick(mainWindow, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(mainWindow, Qt::Key_F1);
        const QWidget* sodium = widget(QStringLiteral("CmdNa"));
        QTest::mouseClick(mainWindow, Qt::LeftButton, {}, sodium->mapTo(m_window, sodium->rect().center()));
        QVERIFY(m_fakes->dialogs.inputs.isEmpty());
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("LblsAA"))->text(), QStringLiteral("?"));
        inspected = true;
        about->close();
    });
    QTest::keyClick(widget(QStringLiteral("CmdKey")), Qt::Key_F1);
    QVERIFY(inspected);
    QVERIFY(!QApplication::activeModalWidget());
    // Afterwards the same click through the window system reaches the tile.
    const QWidget* sodium = widget(QStringLiteral("CmdNa"));
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, sodium->mapTo(m_window, sodium->rect().center()));
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("LblsAA"))->text(), QStringLiteral("Sodium"));
}

QTEST_MAIN(TestSecondaryWindows)
#include "TestSecondaryWindows.moc"
