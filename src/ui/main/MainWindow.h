#pragma once

#include "ui/main/MainWindowDesign.h"

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

    /** Moves the window to the centre of its screen. */
    void centreOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildTabOrder();
    QWidget* container(design::Container which) const;
    void runCommand(design::Command command);
    void exitProgram();

    platform::Platform& m_platform;
    QWidget* m_client = nullptr;
    std::array<QGroupBox*, 3> m_frames {};
    PowerButton* m_cmdKey = nullptr;
    PowerButton* m_lblKey = nullptr;
    std::array<PowerButton*, 110> m_buttonsByAtomicNumber {};
    std::array<QLabel*, design::kValueFieldCount> m_valueLabels {};
};

} // namespace corvanel::ui
