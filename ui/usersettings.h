#pragma once

#include <QSettings>

#include <memory>

// The program's settings where the desktop keeps them: on Linux ~/.config/Brenvola/Brenvola.conf,
// on Windows the registry key HKEY_CURRENT_USER\Software\Brenvola\Brenvola; the tests choose files
// in a folder of their own.
std::unique_ptr<QSettings> userSettings();
