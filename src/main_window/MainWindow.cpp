#include "main_window/MainWindow.h"

#include "catalogue/ElementCatalogue.h"
#include "controls/PowerButton.h"
#include "platform/BlockingWait.h"
#include "ui_common/Art.h"
#include "ui_common/DesignUnits.h"
#include "ui_common/TabOrder.h"
#include "windows/KeyWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace corvanel::ui {

static_assert(design::kValueFieldCount == catalogue::kFieldCount, "one value label per record field");

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The design tables hold the English texts; every word a user reads is looked up in this context.
QString translated(const char* english)
{
    return QCoreApplication::translate("MainWindow", english);
}

// Drawn on every class colour, so it keeps the system's face colours out of the tiles.
constexpr AppearanceSets kKeyButtonAppearance {{
    {kBlack, Tint::fixed(kWhite), Tint::fixed(qRgb(212, 208, 200))},
    {kBlack, Tint::fixed(kWhite), Tint::fixed(qRgb(236, 233, 216))},
    {kBlack, Tint::fixed(qRgb(212, 208, 200)), Tint::fixed(kWhite)},
    {qRgb(128, 128, 128), Tint::fixed(kWhite), Tint::fixed(qRgb(236, 233, 216))},
}};

constexpr int kKeyIconPixels = 24;
constexpr const char* kSwatchDescription = QT_TRANSLATE_NOOP("MainWindow", "Selected element");

} // namespace

MainWindow::MainWindow(platform::Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
{
    setObjectName(text(design::kWindowName));
    setWindowTitle(text(design::kWindowCaption));
    setWindowIcon(artIcon(u"globe"));
    // Close and minimize, never maximize: the table is drawn for one size only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setFixedSize(twipsToPixels(design::kClientWidthTwips), twipsToPixels(design::kClientHeightTwips));
    setCentralWidget(m_client);

    buildControls();
    buildMenus();
    buildTabOrder();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    m_cmdKey->setFocus();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::container(design::Container which) const
{
    switch (which) {
    case design::Container::FrmInfo:
        return m_frames[0];
    case design::Container::FrmElect:
        return m_frames[1];
    case design::Container::FrmMisc:
        return m_frames[2];
    case design::Container::Window:
        break;
    }
    return m_client;
}

void MainWindow::buildControls()
{
    const DesignFonts fonts {designFont(DesignFamily::MsSansSerif, 8.25, false),
                             designFont(DesignFamily::MsSansSerif, 8.25, true),
                             designFont(DesignFamily::Verdana, 9.75, true)};
    // The Key button comes first so the focus chain starts with it.
    buildKeyButton(fonts);
    buildFrames(fonts);
    buildLabels(fonts);
    buildLines();
    buildElementTiles(fonts);
    buildSwatch(fonts);
}

PowerButton* MainWindow::buildTile(const design::TileDesign& row, const QFont& font)
{
    auto* tile = new PowerButton(container(row.container));
    tile->setObjectName(text(row.name));
    tile->setText(translated(row.caption));
    tile->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    tile->setFont(font);
    tile->setBackgroundColour(palette().color(QPalette::Button));
    return tile;
}

void MainWindow::buildKeyButton(const DesignFonts& fonts)
{
    m_cmdKey = buildTile(design::kCmdKey, fonts.bold);
    m_cmdKey->setToolTip(translated(design::kCmdKeyTooltip));
    m_cmdKey->setIcon(artIcon(u"key"));
    m_cmdKey->setIconSize(QSize(kKeyIconPixels, kKeyIconPixels));
    m_cmdKey->setAppearanceSets(kKeyButtonAppearance);
    connect(m_cmdKey, &PowerButton::clicked, this, [this] {
        if (!platform::BlockingWait::isActive()) {
            KeyWindow::showSingle(this);
        }
    });
}

void MainWindow::buildFrames(const DesignFonts& fonts)
{
    for (std::size_t i = 0; i < design::kFrames.size(); ++i) {
        const design::FrameDesign& row = design::kFrames[i];
        auto* frame = new QGroupBox(translated(row.caption), m_client);
        frame->setObjectName(text(row.name));
        frame->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        frame->setFont(fonts.bold);
        m_frames[i] = frame;
    }
}

void MainWindow::buildLabels(const DesignFonts& fonts)
{
    for (const design::LabelDesign& row : design::kLabels) {
        auto* label = new QLabel(container(row.container));
        label->setObjectName(text(row.name));
        label->setTextFormat(Qt::PlainText);
        label->setText(translated(row.caption));
        label->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        QFont font = row.points == 8.25 ? (row.bold ? fonts.bold : fonts.regular)
                                        : designFont(DesignFamily::MsSansSerif, row.points, row.bold);
        if (row.wordWrap) {
            // The series names are drawn as two lines beside their rows: full width makes them wrap.
            font.setStretch(QFont::Unstretched);
        }
        if (row.spansWidth) {
            font = fontSpanning(font, label->text(), label->width());
        }
        label->setFont(font);
        label->setAlignment(row.horizontalAlignment | (row.wordWrap ? Qt::AlignTop : Qt::AlignVCenter));
        label->setWordWrap(row.wordWrap);
        // Inside a frame the frame's own face shows through, so its tint is not broken up by label boxes.
        label->setAutoFillBackground(!row.transparent && row.container == design::Container::Window);
        if (row.field >= 0) {
            m_valueLabels[static_cast<std::size_t>(row.field)] = label;
        }
        if (row.describedBy) {
            // A screen reader then says what the value is: "Sodium, Name:".
            const QWidget* source = m_client->findChild<QWidget*>(text(row.describedBy));
            const auto* caption = qobject_cast<const QLabel*>(source);
            const auto* frame = qobject_cast<const QGroupBox*>(source);
            label->setAccessibleDescription(caption ? caption->text() : frame ? frame->title() : QString());
        }
    }
}

void MainWindow::buildLines()
{
    for (const design::LineDesign& row : design::kLines) {
        auto* line = new QFrame(container(row.container));
        line->setObjectName(text(row.name));
        line->setFrameShape(row.x1 == row.x2 ? QFrame::VLine : QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setLineWidth(1);
        line->setGeometry(QRect(QPoint(twipsToPixels(row.x1), twipsToPixels(row.y1)),
                                QPoint(twipsToPixels(row.x2), twipsToPixels(row.y2))));
    }
}

void MainWindow::buildElementTiles(const DesignFonts& fonts)
{
    const int buttonPixels = twipsToPixels(design::kElementButtonSizeTwips);
    // One group tells which tile was clicked, by its index: a button reports to its group
    // directly, where a connection per tile would cost each its own signal table. Not exclusive:
    // the tiles are not checkable, and arrows never reach them (eventFilter takes every one).
    auto* tiles = new QButtonGroup(this);
    tiles->setExclusive(false);
    connect(tiles, &QButtonGroup::idClicked, this, [this](int index) {
        if (!platform::BlockingWait::isActive()) {
            const Tile& clicked = m_tiles.at(static_cast<std::size_t>(index));
            selectElement(clicked.button, *clicked.record);
        }
    });
    for (std::size_t i = 0; i < design::kElementButtons.size(); ++i) {
        const design::ElementButtonDesign& row = design::kElementButtons[i];
        auto* button = new PowerButton(m_client);
        button->setObjectName(text(row.name));
        button->setText(text(row.caption));
        button->setGeometry(twipsToPixels(row.left), twipsToPixels(row.top), buttonPixels, buttonPixels);
        button->setFont(fonts.tile);
        button->setColour(QColor::fromRgb(elementClass(row.elementClass).colour));
        button->setAppearanceSets(kClassTileAppearance);
        button->setBackgroundColour(QColor::fromRgb(kElementButtonBackground));
        // Bound once, here: a click never looks its record up.
        const catalogue::ElementRecord& record = catalogue::catalogueEntry(row.atomicNumber);
        // A screen reader then says "Na, Sodium".
        button->setAccessibleDescription(catalogue::displayText(record, 0));
        tiles->addButton(button, static_cast<int>(i));
        button->installEventFilter(this);
        m_tiles[i]
            = {button, &record, row.atomicNumber,
               QPoint(row.left + design::kElementButtonSizeTwips / 2, row.top + design::kElementButtonSizeTwips / 2)};
    }
}

void MainWindow::buildSwatch(const DesignFonts& fonts)
{
    m_lblKey = buildTile(design::kLblKey, fonts.tile);
    m_lblKey->setColour(Qt::white);
    m_lblKey->setAppearanceSets(kClassTileAppearance);
    m_lblKey->setAccessibleDescription(translated(kSwatchDescription));
}

void MainWindow::buildMenus()
{
    QHash<QString, QMenu*> dropDowns;
    for (const design::MenuDesign& row : design::kMenus) {
        const QString name = text(row.name);
        if (row.command == design::Command::DropDown) {
            QMenu* menu = menuBar()->addMenu(translated(row.caption));
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            dropDowns.insert(name, menu);
            continue;
        }
        QMenu* parentMenu = dropDowns.value(text(row.parent));
        Q_ASSERT(parentMenu);
        QAction* action = row.command == design::Command::Separator ? parentMenu->addSeparator()
                                                                    : parentMenu->addAction(translated(row.caption));
        action->setObjectName(name);
        if (row.command == design::Command::Separator) {
            continue;
        }
        if (row.shortcut[0] != '\0') {
            action->setShortcut(QKeySequence(text(row.shortcut), QKeySequence::PortableText));
            // Shortcuts work wherever the focus is in this window, including on the tiles.
            action->setShortcutContext(Qt::WindowShortcut);
        }
        const design::Command command = row.command;
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    }
}

void MainWindow::buildTabOrder()
{
    TabOrder order;
    order.emplace_back(design::kCmdKey.tabIndex, m_cmdKey);
    for (std::size_t i = 0; i < m_tiles.size(); ++i) {
        order.emplace_back(design::kElementButtons[i].tabIndex, m_tiles[i].button);
    }
    order.emplace_back(design::kLblKey.tabIndex, m_lblKey);
    chainTabOrder(std::move(order));
}

} // namespace corvanel::ui
