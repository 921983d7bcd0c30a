#include "controls/PowerButton.h"

#include "controls/EnterKey.h"

#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace corvanel::ui {

namespace {

constexpr int kIconGap = 4;
// Dark enough to be seen on every class colour, including the purple and green ones.
const QColor kFocusColour(0, 0, 0);
const QColor kBorderColour(96, 96, 96);

/** What a face looks like: tiles that agree on all of it share one picture. */
struct FaceKey
{
    QRgb background;
    QRgb start;
    QRgb end;
    QSize size;

    bool operator==(const FaceKey&) const = default;
};

size_t qHash(const FaceKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.background, key.start, key.end, key.size.width(), key.size.height());
}

/** The background, and on it the rounded face with its gradient and border. */
void drawFace(QPainter& painter, const QRectF& outer, const QColor& background, const QColor& start, const QColor& end)
{
    painter.fillRect(outer, background);
    const QRectF face = outer.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0.0, start);
    gradient.setColorAt(1.0, end);
    QPainterPath path;
    path.addRoundedRect(face, 3.0, 3.0);
    painter.fillPath(path, gradient);
    painter.setPen(QPen(kBorderColour, 1.0));
    painter.drawPath(path);
}

/**
 * The face drawn once and kept: the 109 tiles come in a dozen looks, and an antialiased path
 * with a gradient costs far more to draw than a picture to copy. The copy is the same pixel for
 * pixel at a scale of 1, where it is drawn on whole pixels and covers its opaque background (at other
 * scales the gradient's rounding depends on where the face lands).
 */
const QImage& cachedFace(const FaceKey& key, const QColor& start, const QColor& end)
{
    static QHash<FaceKey, QImage> faces;
    auto found = faces.constFind(key);
    if (found != faces.constEnd()) {
        return *found;
    }
    // Colours change with hover and selection; the few looks of one window fit many times over.
    constexpr qsizetype kMostFaces = 64;
    if (faces.size() >= kMostFaces) {
        faces.clear();
    }
    QImage image(key.size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFace(painter, QRectF(QPointF(0, 0), QSizeF(key.size)), QColor::fromRgb(key.background), start, end);
    painter.end();
    // A picture keeps the engine that drew into it, some kilobytes of buffers; the copy kept has none.
    return *faces.insert(key, image.copy());
}

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
        const FaceKey key {m_background.rgb(), start.rgba(), end.rgba(), size()};
        painter.drawImage(QPointF(0, 0), cachedFace(key, start, end));
    } else {
        // A see-through background or a scale above 1: drawn in place, where it lands.
        drawFace(painter, QRectF(rect()), m_background, start, end);
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
