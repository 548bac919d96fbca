// The splash window shown while the program creates its windows.
#pragma once

#include <QSplashScreen>
#include <memory>

namespace quilm::ui {

// A borderless white window, client area 389 by 388, with the program's picture.
std::unique_ptr<QSplashScreen> make_splash();

}  // namespace quilm::ui
