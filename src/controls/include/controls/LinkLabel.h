#pragma once

#include <QLabel>

namespace corvanel::ui {

/**
 * A label that behaves as a link: a click (released over it), Enter or Space
 * activates it, and assistive technology is told it is a link.
 */
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent);

signals:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace corvanel::ui
