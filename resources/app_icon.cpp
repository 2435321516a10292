#include "app_icon.h"

#include "app_icon.xpm"

const char* const* AppIconXpm() { return app_icon_xpm; }
