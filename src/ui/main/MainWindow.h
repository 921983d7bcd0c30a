#pragma once

#include "ui/main/MainWindowDesign.h"

#include "catalogue/ElementRecord.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QGroupBox;

namespace corvanel::platform {
struct Platform;
}

namespace corvanel::ui {

class PowerButton;

/**
 * The periodic-table window: built once from the constant design tables, then
 * driven by its buttons and menu commands.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(platform::Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    /** The element button bound to @p atomicNumber (1 to 109). */
    PowerButton* elementButton(int atomicNumber) const;

    /**
     * The one selection action, run by a tile's click and by the search: the swatch
     * takes the tile's colour and caption, the record fills the current element,
     * the tile gets the focus and the value labels show the record.
     */
    void selectElement(PowerButton* button, const catalogue::ElementRecord& record);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildTabOrder();
    QWidget* container(design::Container which) const;
    void runCommand(design::Command command);
    void exitProgram();
    void displayCurrentElement();
    void searchElements();

    platform::Platform& m_platform;
    QWidget* m_client = nullptr;
    std::array<QGroupBox*, 3> m_frames {};
    PowerButton* m_cmdKey = nullptr;
    PowerButton* m_lblKey = nullptr;
    /** A tile and the record it was bound to when the window was built. */
    struct BoundTile
    {
        PowerButton* button = nullptr;
        const catalogue::ElementRecord* record = nullptr;
    };
    std::array<BoundTile, 110> m_tilesByAtomicNumber {};
    /** The element tiles and their centres (twips), in design-table order, for the arrow keys. */
    std::array<PowerButton*, design::kElementButtons.size()> m_tiles {};
    std::array<QPoint, design::kElementButtons.size()> m_tileCentres {};
    std::array<QLabel*, design::kValueFieldCount> m_valueLabels {};
    /** The selected element's fields, in record order; empty until the first selection. */
    std::array<QString, catalogue::kFieldCount> m_currentElement;
};

} // namespace corvanel::ui
