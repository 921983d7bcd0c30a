#pragma once

#include "platform/Network.h"
#include "platform/Printing.h"

#include <memory>

namespace corvanel::platform {

/**
 * Stand-ins for the Qt services that load the Qt services plugin, and with it Qt
 * Print Support or Qt Network, the first time a service is used: start-up loads
 * neither. Where the plugin cannot be loaded, the services fail as a missing
 * printer or network does: the printer cannot be opened, no page is fetched, the
 * machine is offline. Their constructors are inline: creating them at start runs none of
 * the code of LazyServices.cpp, which lies with what is used later (src/app/CMakeLists.txt).
 */
class LazyPrinting : public Printing
{
public:
    LazyPrinting() = default;
    ~LazyPrinting() override;

    PrintDialogOutcome showPrinter(QWidget* owner) override;
    int copies() const override;
    QString outputFile() override;
    bool hasDestination() override;
    bool chooseOutputFile(QWidget* owner) override;
    bool beginDocument() override;
    bool printLine(const QString& text) override;
    bool endDocument() override;
    bool printWindow(QWidget* window) override;

private:
    Printing* real() const;

    mutable std::unique_ptr<Printing> m_real;
    mutable bool m_tried = false;
};

class LazyHttpClient : public HttpClient
{
public:
    LazyHttpClient() = default;
    ~LazyHttpClient() override;

    std::optional<QString> get(const QUrl& url) override;

private:
    std::unique_ptr<HttpClient> m_real;
    bool m_tried = false;
};

class LazyConnectivity : public Connectivity
{
public:
    LazyConnectivity() = default;
    ~LazyConnectivity() override;

    bool isConnected() override;

private:
    std::unique_ptr<Connectivity> m_real;
    bool m_tried = false;
};

} // namespace corvanel::platform
