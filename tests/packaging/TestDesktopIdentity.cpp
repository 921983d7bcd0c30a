#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QtTest>

// How the running program names itself to the desktop must match what is installed: on Wayland
// the window's app id is the desktop file name, which must be the desktop entry's file name
// (share/applications/example.dranwick.corvanel.desktop); on X11 the window class is the
// application name, which the desktop entry names in StartupWMClass.
class TestDesktopIdentity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void testDesktopFileNameIsTheInstalledEntry();
    void testWindowClassIsTheStartupWmClass();
};

void TestDesktopIdentity::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestDesktopIdentity::testDesktopFileNameIsTheInstalledEntry()
{
    QCOMPARE(QGuiApplication::desktopFileName(), QString("example.dranwick.corvanel"));
}

void TestDesktopIdentity::testWindowClassIsTheStartupWmClass()
{
    QCOMPARE(QCoreApplication::applicationName(), QString("Corvanel"));
}

QTEST_MAIN(TestDesktopIdentity)
#include "TestDesktopIdentity.moc"
