#include "controls/PowerButton.h"

#include "controls/EnterKey.h"
#include "controls/TileFace.h"

#include <QKeyEvent>
#include <QPainter>

namespace corvanel::ui {

namespace {

constexpr int kIconGap = 4;
// Dark enough to be seen on every class colour, including the purple and green ones.
const QColor kFocusColour(0, 0, 0);

} // namespace

PowerButton::PowerButton(QWidget* parent)
    : QAbstractButton(parent)
{
    // Independent of the style's hint: every tile must be reachable by Tab.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void PowerButton::setColour(const QColor& colour)
{
    if (colour == m_colour) {
        return;
    }
    m_colour = colour;
    update();
}

void PowerButton::setBackgroundColour(const QColor& colour)
{
    m_background = colour;
    update();
}

void PowerButton::setAppearanceSets(const AppearanceSets& sets)
{
    m_sets = sets;
    update();
}

PowerButton::State PowerButton::visualState() const
{
    if (!isEnabled()) {
        return State::Disabled;
    }
    if (isDown()) {
        return State::Pressed;
    }
    if (underMouse()) {
        return State::Hovered;
    }
    return State::Normal;
}

const Appearance& PowerButton::appearanceFor(State state) const
{
    return m_sets.at(static_cast<std::size_t>(state));
}

QColor PowerButton::resolve(Tint tint) const
{
    return tint.usesButtonColour ? m_colour : QColor::fromRgb(tint.rgb);
}

QSize PowerButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    QSize size = metrics.size(Qt::TextShowMnemonic, text()) + QSize(12, 8);
    if (!icon().isNull()) {
        size.rwidth() += iconSize().width() + kIconGap;
        size.setHeight(qMax(size.height(), iconSize().height() + 8));
    }
    return size;
}

void PowerButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Appearance& look = appearanceFor(visualState());
    const QColor start = resolve(look.gradientStart);
    const QColor end = resolve(look.gradientEnd);
    if (m_background.alpha() == 255 && painter.device()->devicePixelRatio() == 1.0) {
        drawKeptTileFace(painter, {m_background.rgb(), start.rgba(), end.rgba(), size()});
    } else {
        // A see-through background or a scale above 1: drawn in place, where it lands (the
        // gradient's rounding depends on it).
        drawTileFace(painter, QRectF(rect()), m_background, start, end);
    }

    QRect content = rect().adjusted(2, 2, -2, -2);
    if (!icon().isNull()) {
        const QSize iconPixels = iconSize();
        const int textWidth = fontMetrics().horizontalAdvance(text().remove(QLatin1Char('&')));
        const int total = iconPixels.width() + (text().isEmpty() ? 0 : kIconGap + textWidth);
        const int left = content.left() + qMax(0, (content.width() - total) / 2);
        const QRect iconRect(QPoint(left, content.center().y() - iconPixels.height() / 2 + 1), iconPixels);
        icon().paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        content.setLeft(iconRect.right() + 1 + kIconGap);
        content.setWidth(textWidth + 2);
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(QColor::fromRgb(look.text));
        painter.drawText(content, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }

    if (hasFocus()) {
        // A keyboard user must always see where the focus is: a dotted ring inside the face.
        QPen pen(kFocusColour, 1.0, Qt::DotLine);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void PowerButton::keyPressEvent(QKeyEvent* event)
{
    // Space is handled by the base class; Enter clicks too, as on most desktop buttons, whichever
    // Enter key it is.
    if (isEnterPress(*event)) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace corvanel::ui
