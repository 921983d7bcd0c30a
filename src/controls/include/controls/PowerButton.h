#pragma once

#include "appearance/Appearance.h"

#include <QAbstractButton>
#include <QColor>
#include <QIcon>

namespace corvanel::ui {

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
