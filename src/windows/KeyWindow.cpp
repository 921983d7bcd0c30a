#include "windows/KeyWindow.h"

#include "controls/PowerButton.h"
#include "ui_common/Art.h"
#include "ui_common/DesignUnits.h"
#include "ui_common/TabOrder.h"
#include "ui_common/WindowPlacement.h"
#include "windows/KeyWindowDesign.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace corvanel::ui {

namespace {

// Close box only: no minimize, no maximize, no help button.
constexpr Qt::WindowFlags kWindowFlags
    = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

QPointer<KeyWindow>& openKeyWindow()
{
    static QPointer<KeyWindow> window;
    return window;
}

} // namespace

KeyWindow::KeyWindow()
    : QWidget(nullptr, kWindowFlags)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromLatin1(kKeyWindowDesign.name));
    setWindowTitle(QCoreApplication::translate("KeyWindow", kKeyWindowDesign.caption));
    setWindowIcon(artIcon(QString::fromLatin1(kKeyWindowDesign.icon)));
    setFixedSize(twipsToPixels(kKeyWindowDesign.clientWidth), twipsToPixels(kKeyWindowDesign.clientHeight));

    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    buildFromDesign();
}

void KeyWindow::buildFromDesign()
{
    const KeyRowGeometry& g = kKeyRowGeometry;
    const QColor buttonFace = palette().color(QPalette::Button);
    TabOrder focusable;

    for (const KeyRowDesign& row : kKeyRows) {
        const ElementClassDesign& cls = elementClass(row.elementClass);
        const QString className = QCoreApplication::translate("ElementClass", cls.legendName);

        auto* swatch = new PowerButton(this);
        swatch->setObjectName(QString::fromLatin1(row.swatchName));
        swatch->setGeometry(twipsRect(g.swatchLeft, row.swatchTop, g.swatchSize, g.swatchSize));
        swatch->setColour(QColor::fromRgb(cls.colour));
        swatch->setAppearanceSets(kClassTileAppearance);
        swatch->setBackgroundColour(buttonFace);
        // The swatch has no caption, so a screen reader needs the class name from somewhere.
        swatch->setAccessibleName(className);
        focusable.emplace_back(row.swatchTabIndex, swatch);

        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setGeometry(twipsRect(g.labelLeft, row.labelTop, g.labelWidth, g.labelHeight));
        label->setTextFormat(Qt::PlainText);
        label->setText(className);
        label->setFont(designFont(DesignFamily::MsSansSerif, 8.25, true));
        // Text hangs from the top edge as classic labels draw it, which centres it on the swatch.
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFocusPolicy(Qt::NoFocus);
    }

    chainTabOrder(std::move(focusable));
}

void KeyWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // The closed window lingers until its deferred delete; a Key click before then must build a new one.
    if (event->isAccepted() && openKeyWindow() == this) {
        openKeyWindow().clear();
    }
}

KeyWindow* KeyWindow::showSingle(const QWidget* opener)
{
    QPointer<KeyWindow>& window = openKeyWindow();
    if (window.isNull()) {
        window = new KeyWindow();
        // The opener is mapped, so its frame tells how large the window system's frame is.
        centreOnScreen(*window, opener ? opener->screen() : nullptr, opener ? frameMargins(*opener) : QMargins());
        window->show();
    } else {
        // Never a second copy: the open window comes back to the front instead.
        if (window->isMinimized()) {
            window->showNormal();
        } else {
            window->show();
        }
        window->raise();
    }
    window->activateWindow();
    return window.data();
}

} // namespace corvanel::ui
