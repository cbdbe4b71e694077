#pragma once
// For the benchmark: with CALCIMANDARIX_QUIT_WHEN_IDLE=1 in the environment, the application
// writes its idle report (idle_report.h) at the first moment its event loop waits for input
// once it is ready and the named window has been drawn, and quits. Users never see it; the
// benchmark starts the application this way.

#include <QString>
#include <functional>
#include <memory>

class QObject;

namespace platform {

class Application;

// Returns the probe (to keep alive for the run), or nullptr when the environment asks for none.
std::unique_ptr<QObject> idleProbeFromEnvironment(Application& application, const QString& windowName,
                                                  std::function<bool()> ready);

}  // namespace platform
