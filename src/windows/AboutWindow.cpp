#include "windows/AboutWindow.h"

#include "controls/LinkLabel.h"
#include "controls/Pictures.h"
#include "errors/ErrorReport.h"
#include "platform/UrlOpener.h"
#include "ui_common/Art.h"
#include "ui_common/DesignUnits.h"

#include <QCoreApplication>
#include <QLabel>
#include <QUrl>

namespace corvanel::ui {

namespace {

// Close box only: no minimize, no maximize, no context-help button.
constexpr Qt::WindowFlags kWindowFlags
    = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

// Each link handler is one guarded statement, the first of its procedure.
constexpr int kOpenStatementLine = 1;

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
        return new ArtPicture(artIcon(QString::fromUtf8(design.content)), parent);
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
