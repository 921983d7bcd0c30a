#include "ui_common/ProgramStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <memory>

class TestProgramStyle : public QObject
{
    Q_OBJECT

private slots:
    void drawsFusionsPixels_data();
    void drawsFusionsPixels();
};

void TestProgramStyle::drawsFusionsPixels_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("titled") << "Element Information" << false << 1.0 << Qt::LeftToRight;
    QTest::newRow("untitled, scale 2") << "" << false << 2.0 << Qt::LeftToRight;
    QTest::newRow("checkable, right to left") << "" << true << 1.0 << Qt::RightToLeft;
    QTest::newRow("titled, scale 1.5") << "Electrons Per Shell" << false << 1.5 << Qt::LeftToRight;
}

// The group box frame and the menu bar's overflow arrow, read by the program's style as PNG,
// are Fusion's to the pixel.
void TestProgramStyle::drawsFusionsPixels()
{
    QFETCH(QString, title);
    QFETCH(bool, checkable);
    QFETCH(qreal, scale);
    QFETCH(Qt::LayoutDirection, direction);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    const std::unique_ptr<QStyle> program(corvanel::ui::createProgramStyle());
    QList<QImage> drawn;
    for (QStyle* style : {fusion.get(), program.get()}) {
        QGroupBox box(title);
        box.setCheckable(checkable);
        box.setLayoutDirection(direction);
        box.setStyle(style);
        box.resize(180, 90);
        QPixmap frame(box.size() * scale);
        frame.setDevicePixelRatio(scale);
        frame.fill(Qt::white);
        box.render(&frame);
        drawn.append(frame.toImage());
        QStyleOption option;
        option.direction = direction;
        const QIcon arrow = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option);
        for (const int size : {8, 16, 32}) {
            drawn.append(arrow.pixmap(QSize(size, size), scale, QIcon::Normal).toImage());
            drawn.append(arrow.pixmap(QSize(size, size), scale, QIcon::Disabled).toImage());
        }
    }
    const qsizetype half = drawn.size() / 2;
    for (qsizetype i = 0; i < half; ++i) {
        QVERIFY2(!drawn[i].isNull() && drawn[i] == drawn[half + i], qPrintable(QString::number(i)));
    }
}

QTEST_MAIN(TestProgramStyle)
#include "TestProgramStyle.moc"
