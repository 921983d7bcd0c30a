#include "controls/PowerButton.h"
#include "windows/KeyWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;
using corvanel::ui::KeyWindow;
using corvanel::ui::PowerButton;

class TestKeyWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void window();
    void rows_data();
    void rows();
    void exactlyNineRowsTopToBottom();
    void focusStartsOnNonMetalsAndFollowsTabOrder();
    void labelsNeverTakeFocus();
    void showingTwiceKeepsOneWindowInFront();
    void showingRestoresMinimizedWindow();
    void reopeningAfterCloseBuildsAPristineWindow();
    void showingBeforeDeferredDeleteBuildsANewWindow();
    void clickingTheLegendChangesNothing();

private:
    static QList<QWidget*> keyWindows();
    static KeyWindow* showAndWait();
};

QList<QWidget*> TestKeyWindow::keyWindows()
{
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"FrmKey"_s) {
            found.append(w);
        }
    }
    return found;
}

KeyWindow* TestKeyWindow::showAndWait()
{
    KeyWindow* key = KeyWindow::showSingle();
    if (key && !QTest::qWaitForWindowActive(key)) {
        return nullptr;
    }
    return key;
}

void TestKeyWindow::cleanup()
{
    for (QWidget* w : keyWindows()) {
        w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(keyWindows().isEmpty());
}

void TestKeyWindow::window()
{
    KeyWindow* key = showAndWait();
    QVERIFY(key);
    QCOMPARE(key->objectName(), u"FrmKey"_s);
    QCOMPARE(key->windowTitle(), u"Key"_s);
    QVERIFY(key->isWindow());
    QCOMPARE(key->parentWidget(), nullptr);
    QVERIFY(key->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!key->isModal());

    QCOMPARE(key->size(), QSize(166, 296));
    QCOMPARE(key->minimumSize(), QSize(166, 296));
    QCOMPARE(key->maximumSize(), QSize(166, 296));

    const Qt::WindowFlags flags = key->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));

    QVERIFY(key->autoFillBackground());
    QCOMPARE(key->palette().color(QPalette::Window), key->palette().color(QPalette::Button));
    QVERIFY(!key->windowIcon().pixmap(16, 16).isNull());

    const QRect screen = key->screen()->availableGeometry();
    QVERIFY2(qAbs(key->geometry().center().x() - screen.center().x()) <= 8, "not centred across the screen");
    QVERIFY2(qAbs(key->geometry().center().y() - screen.center().y()) <= 40, "not centred down the screen");
}

void TestKeyWindow::rows_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QRect>("swatchRect");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QRect>("labelRect");
    QTest::addColumn<QString>("caption");

    // Left 120, 375 x 375 and Left 600, 1815 x 255 in twips; 15 twips make a pixel.
    QTest::newRow("1") << u"LblNobleGases"_s << QRect(8, 8, 25, 25) << QColor(90, 173, 173) << u"LblNob"_s
                       << QRect(40, 16, 121, 17) << u"Noble Gases"_s;
    QTest::newRow("2") << u"LblHalogens"_s << QRect(8, 40, 25, 25) << QColor(0, 128, 64) << u"LblHal"_s
                       << QRect(40, 48, 121, 17) << u"Halogens"_s;
    QTest::newRow("3") << u"LblNonMetals"_s << QRect(8, 72, 25, 25) << QColor(128, 255, 255) << u"LblNonMet"_s
                       << QRect(40, 80, 121, 17) << u"Non-Metals"_s;
    QTest::newRow("4") << u"LblMetalloids"_s << QRect(8, 104, 25, 25) << QColor(255, 128, 255) << u"LblMetalo"_s
                       << QRect(40, 112, 121, 17) << u"Metalloids"_s;
    QTest::newRow("5") << u"LblOtherMetals"_s << QRect(8, 136, 25, 25) << QColor(128, 0, 255) << u"LblOtherMet"_s
                       << QRect(40, 144, 121, 17) << u"Other Metals"_s;
    QTest::newRow("6") << u"LblTransitionMetals"_s << QRect(8, 168, 25, 25) << QColor(255, 128, 128) << u"LblTrans"_s
                       << QRect(40, 176, 121, 17) << u"Transition Metals"_s;
    QTest::newRow("7") << u"LblAlkaliEarthMetals"_s << QRect(8, 200, 25, 25) << QColor(255, 255, 128) << u"LblAlkali"_s
                       << QRect(40, 208, 121, 17) << u"Alkali Earth Metals"_s;
    QTest::newRow("8") << u"LblAlkaliMetals"_s << QRect(8, 232, 25, 25) << QColor(128, 255, 128) << u"LblAlkaliMet"_s
                       << QRect(40, 240, 121, 17) << u"Alkali Metals"_s;
    QTest::newRow("9") << u"LblRareEarthMetals"_s << QRect(8, 264, 25, 25) << QColor(255, 157, 111) << u"LblRareEar"_s
                       << QRect(40, 272, 121, 17) << u"Rare Earth Metals"_s;
}

void TestKeyWindow::rows()
{
    QFETCH(QString, swatch);
    QFETCH(QRect, swatchRect);
    QFETCH(QColor, colour);
    QFETCH(QString, label);
    QFETCH(QRect, labelRect);
    QFETCH(QString, caption);

    KeyWindow key;
    auto* button = key.findChild<PowerButton*>(swatch);
    QVERIFY2(button, qPrintable(swatch));
    QCOMPARE(button->geometry(), swatchRect);
    QCOMPARE(button->colour(), colour);
    QCOMPARE(button->property("colour").value<QColor>(), colour);
    QCOMPARE(button->text(), QString());
    QCOMPARE(button->accessibleName(), caption);
    QCOMPARE(button->backgroundColour(), key.palette().color(QPalette::Button));
    QCOMPARE(button->focusPolicy(), Qt::StrongFocus);

    // Class colour to white; white to class colour; white to light grey; white to class colour; black text.
    const auto& sets = button->appearanceSets();
    const QColor white(255, 255, 255);
    QCOMPARE(button->resolve(sets[0].gradientStart), colour);
    QCOMPARE(button->resolve(sets[0].gradientEnd), white);
    QCOMPARE(button->resolve(sets[1].gradientStart), white);
    QCOMPARE(button->resolve(sets[1].gradientEnd), colour);
    QCOMPARE(button->resolve(sets[2].gradientStart), white);
    QCOMPARE(button->resolve(sets[2].gradientEnd), QColor(224, 224, 224));
    QCOMPARE(button->resolve(sets[3].gradientStart), white);
    QCOMPARE(button->resolve(sets[3].gradientEnd), colour);
    for (const auto& set : sets) {
        QCOMPARE(QColor::fromRgb(set.text), QColor(0, 0, 0));
    }

    auto* text = key.findChild<QLabel*>(label);
    QVERIFY2(text, qPrintable(label));
    QCOMPARE(text->geometry(), labelRect);
    QCOMPARE(text->text(), caption);
    QCOMPARE(text->textFormat(), Qt::PlainText);
    QVERIFY(text->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(text->font().family(), u"MS Sans Serif"_s);
    QVERIFY(text->font().bold());
    QCOMPARE(text->font().pixelSize(), 11);
}

void TestKeyWindow::exactlyNineRowsTopToBottom()
{
    KeyWindow key;
    const QList<PowerButton*> swatches = key.findChildren<PowerButton*>();
    const QList<QLabel*> labels = key.findChildren<QLabel*>();
    QCOMPARE(swatches.size(), 9);
    QCOMPARE(labels.size(), 9);

    // Each label sits beside its own swatch: 8 px lower, clear of it on the right.
    for (const QLabel* label : labels) {
        QWidget* beside = key.childAt(8 + 12, label->y() - 8 + 12);
        QVERIFY2(qobject_cast<PowerButton*>(beside), qPrintable(label->objectName()));
        QCOMPARE(beside->accessibleName(), label->text());
    }
}

void TestKeyWindow::focusStartsOnNonMetalsAndFollowsTabOrder()
{
    KeyWindow* key = showAndWait();
    QVERIFY(key);
    QVERIFY(key->focusWidget());
    QCOMPARE(key->focusWidget()->objectName(), u"LblNonMetals"_s);

    const QStringList expected {u"LblNonMetals"_s,        u"LblNobleGases"_s,        u"LblRareEarthMetals"_s,
                                u"LblHalogens"_s,         u"LblMetalloids"_s,        u"LblOtherMetals"_s,
                                u"LblTransitionMetals"_s, u"LblAlkaliEarthMetals"_s, u"LblAlkaliMetals"_s};
    QStringList chain;
    QWidget* w = key->focusWidget();
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            chain.append(w->objectName());
        }
        w = w->nextInFocusChain();
    } while (w != key->focusWidget() && chain.size() < 20);
    QCOMPARE(chain, expected);

    // The Tab key walks the same way and wraps back to the start.
    QStringList tabbed;
    for (int i = 0; i < 9; ++i) {
        tabbed.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(tabbed, expected);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"LblNonMetals"_s);
}

void TestKeyWindow::labelsNeverTakeFocus()
{
    KeyWindow key;
    for (QLabel* label : key.findChildren<QLabel*>()) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void TestKeyWindow::showingTwiceKeepsOneWindowInFront()
{
    QWidget other;
    other.setObjectName(u"Other"_s);
    other.show();

    KeyWindow* first = showAndWait();
    QVERIFY(first);

    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    KeyWindow* second = showAndWait();
    QCOMPARE(second, first);
    QCOMPARE(keyWindows().size(), 1);
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(first));
    QVERIFY(first->isVisible());
}

void TestKeyWindow::showingRestoresMinimizedWindow()
{
    KeyWindow* key = showAndWait();
    QVERIFY(key);
    key->showMinimized();
    QTRY_VERIFY(key->isMinimized());

    QCOMPARE(KeyWindow::showSingle(), key);
    QTRY_VERIFY(!key->isMinimized());
    QVERIFY(key->isVisible());
    QCOMPARE(keyWindows().size(), 1);
}

void TestKeyWindow::reopeningAfterCloseBuildsAPristineWindow()
{
    QPointer<KeyWindow> first = showAndWait();
    QVERIFY(first);
    first->findChild<QLabel*>(u"LblNob"_s)->setText(u"changed"_s);
    first->findChild<PowerButton*>(u"LblNobleGases"_s)->setColour(Qt::black);
    first->findChild<PowerButton*>(u"LblHalogens"_s)->setFocus();

    QVERIFY(first->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(first.isNull(), "closing must destroy the window");
    QVERIFY(keyWindows().isEmpty());

    KeyWindow* second = showAndWait();
    QVERIFY(second);
    QCOMPARE(keyWindows().size(), 1);
    QCOMPARE(second->findChild<QLabel*>(u"LblNob"_s)->text(), u"Noble Gases"_s);
    QCOMPARE(second->findChild<PowerButton*>(u"LblNobleGases"_s)->colour(), QColor(90, 173, 173));
    QCOMPARE(second->focusWidget()->objectName(), u"LblNonMetals"_s);
    QCOMPARE(second->findChildren<PowerButton*>().size(), 9);
}

void TestKeyWindow::showingBeforeDeferredDeleteBuildsANewWindow()
{
    QPointer<KeyWindow> first = showAndWait();
    QVERIFY(first);
    QVERIFY(first->close());

    // The closed window is still waiting for deletion; it must not be shown again.
    QPointer<KeyWindow> second = KeyWindow::showSingle();
    QVERIFY(second);
    QVERIFY(second != first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(!second.isNull());
    QVERIFY(second->isVisible());
    QCOMPARE(keyWindows().size(), 1);
}

void TestKeyWindow::clickingTheLegendChangesNothing()
{
    KeyWindow* key = showAndWait();
    QVERIFY(key);
    auto* swatch = key->findChild<PowerButton*>(u"LblOtherMetals"_s);
    auto* label = key->findChild<QLabel*>(u"LblOtherMet"_s);
    QTest::mouseClick(swatch, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(swatch->colour(), QColor(128, 0, 255));
    QCOMPARE(swatch->text(), QString());
    QCOMPARE(label->text(), u"Other Metals"_s);
    QCOMPARE(keyWindows().size(), 1);
    QVERIFY(key->isVisible());
}

QTEST_MAIN(TestKeyWindow)
#include "TestKeyWindow.moc"
