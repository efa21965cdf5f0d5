#include "read_ahead.h"

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>

#include <QFile>
#include <QLibraryInfo>

namespace {

// The plugin Qt picks when it is told no other platform and no Wayland
// desktop is running; elsewhere nothing is loaded ahead.
QByteArray x11PlatformPlugin() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return {};
    }
    return QFile::encodeName(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                             QStringLiteral("/platforms/libqxcb.so"));
}

}  // namespace

ReadAhead::ReadAhead()
    : worker_([this, plugin = x11PlatformPlugin()] {
          if (!plugin.isEmpty()) platformPlugin_ = dlopen(plugin.constData(), RTLD_LAZY);
          FcInit();
      }) {}

ReadAhead::~ReadAhead() {
    finish();
}

void ReadAhead::finish() {
    if (!worker_.joinable()) return;
    worker_.join();
    // By now Qt holds the platform plugin it chose; one loaded ahead for
    // nothing goes again.
    if (platformPlugin_ != nullptr) dlclose(platformPlugin_);
}
