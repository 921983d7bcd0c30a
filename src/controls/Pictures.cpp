#include "controls/Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace corvanel::ui {

namespace {

constexpr qreal kPanelCornerRadius = 6.0;

} // namespace

ArtPicture::ArtPicture(QIcon art, QWidget* parent)
    : QWidget(parent)
    , m_art(std::move(art))
{
}

void ArtPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal scale = devicePixelRatioF();
    // The art is drawn for this box at 1x and 2x; other scale factors take the nearest larger one.
    painter.drawPixmap(rect(), m_art.pixmap(size(), scale));
}

RoundedPanel::RoundedPanel(const QColor& fill, QWidget* parent)
    : QWidget(parent)
    , m_fill(fill)
{
}

void RoundedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), kPanelCornerRadius, kPanelCornerRadius);
    painter.fillPath(path, m_fill);
}

} // namespace corvanel::ui
