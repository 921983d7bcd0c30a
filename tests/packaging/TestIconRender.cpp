#include <QColor>
#include <QImage>
#include <QtTest>

// The bitmap icons drawn from the globe SVG at build time, as they are installed.
class TestIconRender : public QObject
{
    Q_OBJECT

private slots:
    void testBitmapIcon_data();
    void testBitmapIcon();
};

void TestIconRender::testBitmapIcon_data()
{
    QTest::addColumn<int>("size");

    QTest::newRow("16") << 16;
    QTest::newRow("22") << 22;
    QTest::newRow("24") << 24;
    QTest::newRow("32") << 32;
    QTest::newRow("48") << 48;
    QTest::newRow("64") << 64;
    QTest::newRow("128") << 128;
    QTest::newRow("256") << 256;
}

void TestIconRender::testBitmapIcon()
{
    QFETCH(int, size);

    const QString path = QStringLiteral(CORVANEL_ICON_DIR "/%1x%1/apps/example.dranwick.corvanel.png").arg(size);
    QImage icon;
    QVERIFY2(icon.load(path, "PNG"), qPrintable(path));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());

    // A round globe on nothing: the corners stay see-through ...
    const int last = size - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
        QCOMPARE(icon.pixelColor(corner).alpha(), 0);
    }
    // ... and the globe fills the square at its drawn scale: sea left of the southern continent,
    // the continent itself further right (points in the 64-unit artwork, scaled to the icon).
    const auto at = [size](int x, int y) { return QPoint(x * size / 64, y * size / 64); };
    const QColor sea = icon.pixelColor(at(18, 46));
    QCOMPARE(sea.alpha(), 255);
    QVERIFY2(sea.blue() > sea.green() && sea.green() > sea.red(), qPrintable(sea.name()));
    const QColor land = icon.pixelColor(at(38, 46));
    QCOMPARE(land.alpha(), 255);
    QVERIFY2(land.green() > land.red() && land.green() > land.blue(), qPrintable(land.name()));
}

QTEST_GUILESS_MAIN(TestIconRender)
#include "TestIconRender.moc"
