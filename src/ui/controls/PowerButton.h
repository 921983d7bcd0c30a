#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QIcon>

#include <array>

namespace corvanel::ui {

/**
 * One end of an appearance gradient: either a fixed colour or the button's own
 * colour property, so a tile re-tinted at run time (the swatch) follows it.
 */
struct Tint
{
    bool usesButtonColour = false;
    QRgb rgb = 0xffffffff;

    static constexpr Tint buttonColour() { return Tint {true, 0}; }
    static constexpr Tint fixed(QRgb value) { return Tint {false, value}; }
};

/** A text colour and a top-to-bottom gradient that paint the face in one state. */
struct Appearance
{
    QRgb text = 0xff000000;
    Tint gradientStart;
    Tint gradientEnd;
};

/** The four appearance sets, in the order the window designs list them. */
using AppearanceSets = std::array<Appearance, 4>;

/**
 * A flat, gradient-faced tile button: the element buttons, the swatch, the Key
 * button and the legend swatches. Which set draws which state is fixed here:
 * the first draws normal, the second hovered, the third pressed, the fourth disabled.
 */
class PowerButton : public QAbstractButton
{
    Q_OBJECT
    /** The button's colour (an element button's class colour); copied between buttons by the selection. */
    Q_PROPERTY(QColor colour READ colour WRITE setColour)

public:
    enum class State
    {
        Normal,
        Hovered,
        Pressed,
        Disabled,
    };

    explicit PowerButton(QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

    QColor backgroundColour() const { return m_background; }
    void setBackgroundColour(const QColor& colour);

    const AppearanceSets& appearanceSets() const { return m_sets; }
    void setAppearanceSets(const AppearanceSets& sets);

    /** The state the face is drawn in right now. */
    State visualState() const;
    /** The set that draws @p state. */
    const Appearance& appearanceFor(State state) const;
    /** A tint turned into a colour against the current colour property. */
    QColor resolve(Tint tint) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_colour = Qt::white;
    QColor m_background = Qt::white;
    AppearanceSets m_sets {};
};

} // namespace corvanel::ui
