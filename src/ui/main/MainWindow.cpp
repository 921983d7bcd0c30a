#include "ui/main/MainWindow.h"

#include "catalogue/ElementCatalogue.h"
#include "platform/BlockingWait.h"
#include "platform/Platform.h"
#include "print/PrintChart.h"
#include "print/PrintElementInfo.h"
#include "search/SearchElements.h"
#include "ui/Art.h"
#include "ui/DesignUnits.h"
#include "ui/TabOrder.h"
#include "ui/controls/PowerButton.h"
#include "ui/main/GridNavigation.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/KeyWindow.h"
#include "update/CheckForUpdate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
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
constexpr int kGridPitchTwips = 480;
constexpr const char* kSwatchDescription = QT_TRANSLATE_NOOP("MainWindow", "Selected element");

std::optional<GridDirection> arrowDirection(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        return GridDirection::Left;
    case Qt::Key_Right:
        return GridDirection::Right;
    case Qt::Key_Up:
        return GridDirection::Up;
    case Qt::Key_Down:
        return GridDirection::Down;
    default:
        return std::nullopt;
    }
}

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

const MainWindow::Tile* MainWindow::tile(int atomicNumber) const
{
    const auto found = std::find_if(m_tiles.begin(), m_tiles.end(),
                                    [atomicNumber](const Tile& tile) { return tile.atomicNumber == atomicNumber; });
    return found == m_tiles.end() ? nullptr : &*found;
}

PowerButton* MainWindow::elementButton(int atomicNumber) const
{
    const Tile* found = tile(atomicNumber);
    return found ? found->button : nullptr;
}

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
        connect(button, &PowerButton::clicked, this, [this, button, &record] {
            if (!platform::BlockingWait::isActive()) {
                selectElement(button, record);
            }
        });
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

void MainWindow::runCommand(design::Command command)
{
    // A press that assistive technology makes during a blocking wait reaches the controls directly;
    // like the held-back window-system input, it must not start anything then.
    if (platform::BlockingWait::isActive()) {
        return;
    }
    switch (command) {
    case design::Command::Exit:
        exitProgram();
        break;
    case design::Command::SearchElements:
        searchElements();
        break;
    case design::Command::About:
        showAboutWindow(m_platform, this);
        break;
    case design::Command::CheckForUpdate:
        update::CheckForUpdate(m_platform.dialogs, m_platform.connectivity, m_platform.http).run(this);
        break;
    case design::Command::PrintElementInfo:
        print::PrintElementInfo(m_platform.dialogs, m_platform.printing).run(*this, this);
        break;
    case design::Command::PrintChart:
        print::PrintChart(m_platform.dialogs, m_platform.printing).run(*this, m_client);
        break;
    case design::Command::DropDown:
    case design::Command::Separator:
        break;
    }
}

void MainWindow::selectElement(PowerButton* button, const catalogue::ElementRecord& record)
{
    m_lblKey->setProperty("colour", button->property("colour"));
    m_lblKey->setText(button->text());
    for (int field = 0; field < catalogue::kFieldCount; ++field) {
        m_currentElement[static_cast<std::size_t>(field)] = catalogue::displayText(record, field);
    }
    button->setFocus();
    displayCurrentElement();
}

void MainWindow::displayCurrentElement()
{
    for (std::size_t slot = 0; slot < m_currentElement.size(); ++slot) {
        m_valueLabels[slot]->setText(m_currentElement[slot]);
    }
}

void MainWindow::searchElements()
{
    search::SearchElements command(m_platform.dialogs, [this](int atomicNumber) {
        if (const Tile* found = tile(atomicNumber)) {
            selectElement(found->button, *found->record);
        }
    });
    command.run(this);
}

void MainWindow::exitProgram()
{
    // Closing this window closes every other one (see closeEvent); the program then ends.
    close();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<GridDirection> direction = arrowDirection(key);
    const auto found
        = std::find_if(m_tiles.begin(), m_tiles.end(), [watched](const Tile& tile) { return tile.button == watched; });
    if (!direction || found == m_tiles.end()) {
        return QMainWindow::eventFilter(watched, event);
    }
    // Only plain arrows (keypad ones included) walk the grid. Every arrow is taken here, so none
    // falls through to the buttons' own habit of stepping along the tab order instead.
    if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        std::array<QPoint, design::kElementButtons.size()> centres;
        std::transform(m_tiles.begin(), m_tiles.end(), centres.begin(), [](const Tile& tile) { return tile.centre; });
        const auto from = static_cast<std::size_t>(found - m_tiles.begin());
        if (const std::optional<std::size_t> to = tileInDirection(centres, from, *direction, kGridPitchTwips)) {
            m_tiles[*to].button->setFocus(Qt::OtherFocusReason);
        }
    }
    // At an edge the focus stays put rather than leaving the table.
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every other window of the program goes with the main window; nothing is asked or saved.
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->objectName() != objectName() && window->isVisible()) {
            window->close();
        }
    }
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Reached only when no control took the key. Enter moves on like Tab, but never away from a
    // button: one that let an Enter through (Ctrl+Enter, say) keeps the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!qobject_cast<QAbstractButton*>(focusWidget())) {
            focusNextChild();
        }
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace corvanel::ui
