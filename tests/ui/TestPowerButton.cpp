#include "app/ApplicationSetup.h"
#include "controls/PowerButton.h"
#include "controls/TileFace.h"
#include "ui_common/ElementClasses.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using corvanel::ui::PowerButton;
using corvanel::ui::TileLook;
using State = PowerButton::State;

class TestPowerButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stateChoosesItsAppearanceSet();
    void colourPropertyCopiesBetweenButtons();
    void keyboardAndMouseClick();
    void focusIsVisibleOnTheFace();
    void accessibleAsPushButtonNamedByCaption();
    void captionAndPictureAreDrawn();
    void keptFaceIsTheFaceDrawnInPlace();
};

namespace {

PowerButton* makeTile(QWidget* parent, const QString& caption, QColor colour)
{
    auto* button = new PowerButton(parent);
    button->setText(caption);
    button->setColour(colour);
    button->setAppearanceSets(corvanel::ui::kClassTileAppearance);
    button->setGeometry(10, 10, 33, 33);
    return button;
}

QColor sampleTop(PowerButton* button)
{
    const QImage image = button->grab().toImage();
    return image.pixelColor(8, 2); // above the focus ring and the caption
}

QImage faceDrawnInPlace(const TileLook& look)
{
    QImage image(look.size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    corvanel::ui::drawTileFace(painter, QRectF(image.rect()), QColor::fromRgb(look.background),
                               QColor::fromRgb(look.start), QColor::fromRgb(look.end));
    return image;
}

} // namespace

void TestPowerButton::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestPowerButton::stateChoosesItsAppearanceSet()
{
    QWidget window;
    PowerButton* button = makeTile(&window, QStringLiteral("Na"), QColor(128, 255, 128));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(button->visualState(), State::Normal);
    button->setAttribute(Qt::WA_UnderMouse, true);
    QCOMPARE(button->visualState(), State::Hovered);
    button->setDown(true);
    QCOMPARE(button->visualState(), State::Pressed);
    button->setDown(false);
    button->setAttribute(Qt::WA_UnderMouse, false);
    button->setEnabled(false);
    QCOMPARE(button->visualState(), State::Disabled);
    button->setEnabled(true);

    // Normal runs class colour to white: the top is green, the bottom nearly white.
    const QImage normal = button->grab().toImage();
    QCOMPARE(normal.pixelColor(16, 2).green(), 255);
    QVERIFY(normal.pixelColor(16, 2).red() < 150);
    QVERIFY(normal.pixelColor(16, 30).red() > 230);
    // Pressed runs white to light grey.
    button->setDown(true);
    const QImage pressed = button->grab().toImage();
    QVERIFY(pressed.pixelColor(16, 2).red() > 240);
    QVERIFY(qAbs(pressed.pixelColor(16, 30).red() - 226) < 8);
    QVERIFY(qAbs(pressed.pixelColor(16, 30).green() - 226) < 8);
}

void TestPowerButton::colourPropertyCopiesBetweenButtons()
{
    QWidget window;
    PowerButton* source = makeTile(&window, QStringLiteral("Br"), QColor(0, 128, 64));
    PowerButton* swatch = makeTile(&window, QStringLiteral("?"), Qt::white);
    swatch->move(60, 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(sampleTop(swatch) != sampleTop(source));
    QVERIFY(swatch->setProperty("colour", source->property("colour")));
    QCOMPARE(swatch->colour(), QColor(0, 128, 64));
    QCOMPARE(sampleTop(swatch), sampleTop(source));
}

void TestPowerButton::keyboardAndMouseClick()
{
    QWidget window;
    PowerButton* button = makeTile(&window, QStringLiteral("K"), QColor(128, 255, 128));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicked(button, &PowerButton::clicked);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(clicked.count(), 3);
    // Enter is Enter wherever it comes from: the keypad's arrives with a modifier of its own.
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicked.count(), 4);
    QTest::keyClick(button, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(clicked.count(), 5);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(clicked.count(), 5);
    QTest::keyClick(button, Qt::Key_A);
    QCOMPARE(clicked.count(), 5);
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 5);
}

void TestPowerButton::focusIsVisibleOnTheFace()
{
    QWidget window;
    PowerButton* first = makeTile(&window, QStringLiteral("Fe"), QColor(255, 128, 128));
    PowerButton* second = makeTile(&window, QStringLiteral("Co"), QColor(255, 128, 128));
    second->move(60, 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    second->setFocus();
    QTRY_VERIFY(second->hasFocus());
    const QImage without = first->grab().toImage();
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    const QImage with = first->grab().toImage();
    QVERIFY(with != without);
    // The ring is dark, inside the face, where the unfocused tile is light.
    QVERIFY(with.pixelColor(3, 16).lightness() < 80);
    QVERIFY(without.pixelColor(3, 16).lightness() > 150);
}

void TestPowerButton::accessibleAsPushButtonNamedByCaption()
{
    QWidget window;
    PowerButton* key = makeTile(&window, QStringLiteral("&Key"), Qt::white);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(key);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::PushButton);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Key"));
    QVERIFY(accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

void TestPowerButton::captionAndPictureAreDrawn()
{
    QWidget window;
    auto* button = new PowerButton(&window);
    button->setGeometry(0, 0, 89, 41);
    button->setText(QStringLiteral("&Key"));
    button->setAppearanceSets(corvanel::ui::kClassTileAppearance);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage plain = button->grab().toImage();

    QPixmap red(16, 16);
    red.fill(Qt::red);
    button->setIcon(QIcon(red));
    button->setIconSize(QSize(16, 16));
    const QImage withIcon = button->grab().toImage();
    int redPixels = 0;
    for (int y = 0; y < withIcon.height(); ++y) {
        for (int x = 0; x < withIcon.width() / 2; ++x) {
            redPixels += withIcon.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
        }
    }
    QCOMPARE(redPixels, 16 * 16); // the whole picture, left of the caption
    QVERIFY(plain != withIcon);

    int darkPixels = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            darkPixels += plain.pixelColor(x, y).lightness() < 60 ? 1 : 0;
        }
    }
    QVERIFY2(darkPixels > 20, "the caption is drawn in black");
}

void TestPowerButton::keptFaceIsTheFaceDrawnInPlace()
{
    using namespace corvanel::ui;
    // Every class colour in its four looks on a tile, then arbitrary looks and sizes (a fixed seed).
    std::vector<TileLook> looks;
    for (const ElementClassDesign& elementClass : kElementClasses) {
        for (const Appearance& appearance : kClassTileAppearance) {
            const auto rgb = [&](Tint tint) { return tint.usesButtonColour ? elementClass.colour : tint.rgb; };
            looks.push_back(
                {kElementButtonBackground, rgb(appearance.gradientStart), rgb(appearance.gradientEnd), QSize(33, 33)});
        }
    }
    QRandomGenerator random(20);
    const auto colour = [&random] { return 0xff000000 | random.generate(); };
    while (looks.size() < 400) {
        looks.push_back({colour(), colour(), colour(), QSize(random.bounded(2, 90), random.bounded(2, 50))});
    }
    for (const TileLook& look : looks) {
        QImage kept(look.size, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&kept);
        drawKeptTileFace(painter, look);
        painter.end();
        QVERIFY2(kept == faceDrawnInPlace(look), qPrintable(QString::number(&look - looks.data())));
    }

    // A tile in a window draws its look's kept face.
    QWidget window;
    PowerButton* tile = makeTile(&window, QString(), QColor(255, 153, 0));
    tile->setBackgroundColour(QColor::fromRgb(kElementButtonBackground));
    tile->setFocusPolicy(Qt::NoFocus); // no focus ring on the face
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(tile->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             faceDrawnInPlace({kElementButtonBackground, qRgb(255, 153, 0), kWhite, QSize(33, 33)}));

    // All on this thread: Qt blends a large batch of spans from a picture brush on worker threads.
    for (const QFileInfo& task :
         QDir(QStringLiteral("/proc/self/task")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(task.filePath() + QStringLiteral("/comm"));
        QVERIFY(name.open(QIODevice::ReadOnly));
        QVERIFY2(!name.readAll().startsWith("Thread (pooled)"), "a painting worker thread was started");
    }
}

QTEST_MAIN(TestPowerButton)
#include "TestPowerButton.moc"
