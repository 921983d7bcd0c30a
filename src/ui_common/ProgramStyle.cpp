#include "ui_common/ProgramStyle.h"

#include "ui_common/Art.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace corvanel::ui {

namespace {

/** One of the pictures Qt's styles carry. */
QString qtPicture(QStringView name)
{
    return QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1").arg(name);
}

class ProgramStyle final : public QProxyStyle
{
public:
    ProgramStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton) {
            return QProxyStyle::standardIcon(which, option, widget);
        }
        // The pictures and sizes Qt's common style gives this icon.
        const bool rightToLeft = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        const QString name
            = rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-%1.png") : QStringLiteral("toolbar-ext-h-%1.png");
        QIcon icon;
        for (const int size : {8, 16, 32}) {
            icon.addPixmap(QPixmap::fromImage(readPng(qtPicture(name.arg(size)))));
        }
        return icon;
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Fusion's frame as Qt 6 draws it, from the same picture.
        if (m_groupBoxFrame.isNull()) {
            m_groupBoxFrame = QPixmap::fromImage(readPng(qtPicture(u"fusion_groupbox.png")));
        }
        constexpr int kTopMargin = 3;
        int top = kTopMargin;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        if (!box || box->isCheckable() || !box->title().isEmpty()) {
            top += qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
        }
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), m_groupBoxFrame);
    }

private:
    mutable QPixmap m_groupBoxFrame;
};

} // namespace

QStyle* createProgramStyle()
{
    return new ProgramStyle;
}

} // namespace corvanel::ui
