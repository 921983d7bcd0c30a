#include "ui/windows/AboutWindow.h"

#include "errors/ErrorReport.h"
#include "platform/UrlOpener.h"
#include "ui/Art.h"
#include "ui/DesignUnits.h"
#include "ui/controls/EnterKey.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

namespace corvanel::ui {

namespace {

// Close box only: no minimize, no maximize, no context-help button.
constexpr Qt::WindowFlags kWindowFlags
    = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

constexpr qreal kPanelCornerRadius = 6.0;

// Each link handler is one guarded statement, the first of its procedure.
constexpr int kOpenStatementLine = 1;

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

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // The name follows the shown text unless someone gave the link a name of its own.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override { return QStringList {pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->activated();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* linkAccessibleFactory(const QString&, QObject* object)
{
    if (auto* link = qobject_cast<LinkLabel*>(object)) {
        return new LinkAccessible(link);
    }
    return nullptr;
}

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&linkAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == Qt::LeftButton && m_pressed && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
    }
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit activated();
    }
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (isEnterPress(*event) || (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)) {
        event->accept();
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // Keyboard users must see which link Enter would follow.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1.0, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

/** A picture from the program's art, drawn at the size of the control's box. */
class ArtPicture : public QWidget
{
public:
    ArtPicture(const QString& art, QWidget* parent)
        : QWidget(parent)
        , m_art(artIcon(art))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const qreal scale = devicePixelRatioF();
        // The art is drawn for this box at 1x and 2x; other scale factors take the nearest larger one.
        painter.drawPixmap(rect(), m_art.pixmap(size(), scale));
    }

private:
    QIcon m_art;
};

/** A filled rounded rectangle: the white panels behind the credits and the icon. */
class RoundedPanel : public QWidget
{
public:
    RoundedPanel(const QColor& fill, QWidget* parent)
        : QWidget(parent)
        , m_fill(fill)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()), kPanelCornerRadius, kPanelCornerRadius);
        painter.fillPath(path, m_fill);
    }

private:
    QColor m_fill;
};

QWidget* makeLabel(const AboutControlDesign& design, QWidget* parent)
{
    QLabel* label = design.kind == AboutControlKind::Link ? new LinkLabel(parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    // Names and addresses have no translation and stay as they are.
    label->setText(QCoreApplication::translate("AboutWindow", design.content));
    label->setAlignment(design.alignment);
    // The notice is longer than its box is wide and runs onto a second line.
    label->setWordWrap(true);
    label->setFont(designFont(DesignFamily::MsSansSerif, design.points, true, design.underline));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(design.foreground));
    colours.setColor(QPalette::Window, QColor::fromRgb(design.background));
    label->setPalette(colours);
    label->setAutoFillBackground(design.opaque);
    return label;
}

QWidget* makeLine(const AboutControlDesign& design, QWidget* parent)
{
    auto* line = new QWidget(parent);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(design.foreground));
    line->setPalette(colours);
    line->setAutoFillBackground(true);
    return line;
}

QWidget* makeControl(const AboutControlDesign& design, QWidget* parent)
{
    switch (design.kind) {
    case AboutControlKind::Label:
    case AboutControlKind::Link:
        return makeLabel(design, parent);
    case AboutControlKind::Picture:
        return new ArtPicture(QString::fromUtf8(design.content), parent);
    case AboutControlKind::Line:
        return makeLine(design, parent);
    case AboutControlKind::RoundedRect:
        return new RoundedPanel(QColor::fromRgb(design.foreground), parent);
    }
    return nullptr;
}

QRect designGeometry(const AboutControlDesign& design)
{
    QRect box = twipsRect(design.left, design.top, design.width, design.height);
    if (design.kind == AboutControlKind::Line) {
        box.setHeight(1);
    }
    return box;
}

} // namespace

AboutWindow::AboutWindow(platform::Platform& platform, QWidget* owner)
    : QDialog(owner, kWindowFlags)
    , m_platform(platform)
{
    setObjectName(QString::fromLatin1(kAboutWindowDesign.name));
    setWindowTitle(QString::fromLatin1(kAboutWindowDesign.caption));
    // No icon of its own: a window shows its owner's icon, which is the main window's globe.
    setFixedSize(twipsToPixels(kAboutWindowDesign.clientWidth), kAboutWindowDesign.clientHeightPixels);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kAboutWindowDesign.background));
    setPalette(colours);
    setAutoFillBackground(true);

    buildFromDesign();
}

void AboutWindow::buildFromDesign()
{
    for (const AboutControlDesign& design : kAboutControls) {
        QWidget* control = makeControl(design, this);
        control->setObjectName(QString::fromLatin1(design.name));
        control->setGeometry(designGeometry(design));
        // The table runs from front to back, so each new control goes behind those before it.
        control->lower();
        if (design.link != AboutLinkTarget::None) {
            const AboutLinkTarget target = design.link;
            connect(static_cast<LinkLabel*>(control), &LinkLabel::activated, this,
                    [this, target] { openLink(target); });
        }
    }
}

void AboutWindow::openLink(AboutLinkTarget target)
{
    // The targets are the program's own values: whatever a label shows is never opened.
    const bool email = target == AboutLinkTarget::SupportEmail;
    const QUrl url = email ? QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kSupportAddress))
                           : QUrl(QString::fromLatin1(kWebPage));
    errors::ErrorReport report(m_platform.dialogs, this,
                               email ? QStringLiteral("LblEmailAddress_Click") : QStringLiteral("lblWebsite_Click"));
    // The desktop's answer is not examined: a missing mail client or browser shows nothing here.
    report.run(kOpenStatementLine, [this, &url] { m_platform.urls.open(url); });
}

int showAboutWindow(platform::Platform& platform, QWidget* owner)
{
    AboutWindow dialog(platform, owner);
    return dialog.exec();
}

} // namespace corvanel::ui

#include "AboutWindow.moc"
