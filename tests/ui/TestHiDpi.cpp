#include "app/ApplicationSetup.h"
#include "fakes/FakePlatform.h"
#include "ui/controls/PowerButton.h"
#include "ui/main/MainWindow.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/KeyWindow.h"

#include <QLabel>
#include <QSet>
#include <QTest>
#include <QWindow>

using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;
using corvanel::ui::PowerButton;

namespace {

/** How many distinct colours a picture holds: an enlarged small bitmap has far fewer than a vector drawn large. */
int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours.size();
}

} // namespace

/** Runs with QT_SCALE_FACTOR=2, and with 1.25 and 1.5, where only nothingIsClipped applies. */
class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowsAreTwiceTheSize();
    void iconsAreDrawnAtFullResolution();
    void nothingIsClipped();
};

void TestHiDpi::initTestCase()
{
    corvanel::app::configureApplication();
    QVERIFY(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
}

void TestHiDpi::windowsAreTwiceTheSize()
{
    if (qgetenv("QT_SCALE_FACTOR") != "2") {
        QSKIP("for scale factor 2");
    }
    FakePlatform fakes;
    MainWindow window(fakes.platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatio(), 2.0);
    // Layout stays in logical pixels; the device draws it twice as large.
    QCOMPARE(window.centralWidget()->size(), QSize(593, 414));
    const QPixmap client = window.centralWidget()->grab();
    QCOMPARE(client.size(), QSize(1186, 828));
    QCOMPARE(window.windowHandle()->devicePixelRatio(), 2.0);

    corvanel::ui::AboutWindow about(fakes.platform, &window);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.grab().size(), about.size() * 2);
}

void TestHiDpi::iconsAreDrawnAtFullResolution()
{
    if (qgetenv("QT_SCALE_FACTOR") != "2") {
        QSKIP("for scale factor 2");
    }
    FakePlatform fakes;
    MainWindow window(fakes.platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* key = window.findChild<PowerButton*>(QStringLiteral("CmdKey"));
    const QPixmap sharp = key->icon().pixmap(key->iconSize(), 2.0);
    QCOMPARE(sharp.size(), key->iconSize() * 2);
    // Drawn at 48 px, not a 24 px picture blown up: more detail than the enlarged one.
    const QImage enlarged = key->icon().pixmap(key->iconSize(), 1.0).toImage().scaled(sharp.size());
    QVERIFY(distinctColours(sharp.toImage()) > distinctColours(enlarged));

    const QPixmap globe = window.windowIcon().pixmap(QSize(64, 64), 2.0);
    QCOMPARE(globe.size(), QSize(128, 128));
}

void TestHiDpi::nothingIsClipped()
{
    FakePlatform fakes;
    MainWindow window(fakes.platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    auto* key = corvanel::ui::KeyWindow::showSingle(&window);
    QVERIFY(QTest::qWaitForWindowExposed(key));
    corvanel::ui::AboutWindow about(fakes.platform, &window);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QStringList longest = {QStringLiteral("CmdPr"), QStringLiteral("CmdRf"), QStringLiteral("CmdNp")};
    for (const QString& tile : longest) {
        QTest::mouseClick(window.findChild<QWidget*>(tile), Qt::LeftButton);
        for (const QWidget* shown :
             {static_cast<QWidget*>(&window), static_cast<QWidget*>(key), static_cast<QWidget*>(&about)}) {
            for (const QLabel* label : shown->findChildren<QLabel*>()) {
                if (label->wordWrap() || label->text().contains(u'<')) {
                    continue;
                }
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(QStringLiteral("%1: %2").arg(label->objectName(), label->text())));
            }
        }
    }
    key->close();
}

QTEST_MAIN(TestHiDpi)
#include "TestHiDpi.moc"
