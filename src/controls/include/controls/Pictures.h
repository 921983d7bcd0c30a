#pragma once

#include <QColor>
#include <QIcon>
#include <QWidget>

namespace corvanel::ui {

/** A picture drawn at the size of the control's box, from an icon that holds it at 1x and 2x. */
class ArtPicture : public QWidget
{
public:
    ArtPicture(QIcon art, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_art;
};

/** A filled rounded rectangle, such as a panel behind text or an icon. */
class RoundedPanel : public QWidget
{
public:
    RoundedPanel(const QColor& fill, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};

} // namespace corvanel::ui
