#pragma once

#include <QWidget>

namespace corvanel::ui {

/**
 * The legend of the nine element class colours (FrmKey): a modeless, ownerless
 * top-level window of fixed size, built from its design table. It deletes itself
 * when closed, so every opening starts from the design again.
 */
class KeyWindow : public QWidget
{
    Q_OBJECT

public:
    KeyWindow();

    /**
     * Shows the one Key window: builds it if none is open, centred on the screen
     * of @p opener (the window it is opened from; the primary screen when null),
     * otherwise brings the open one to the front and activates it. Returns the
     * window shown.
     */
    static KeyWindow* showSingle(const QWidget* opener = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFromDesign();
};

} // namespace corvanel::ui
