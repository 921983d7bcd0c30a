#pragma once

namespace corvanel::app {

/** Names the application and fixes its look and fonts; call once after QApplication exists. */
void configureApplication();

} // namespace corvanel::app
