// make_icon_png: writes the program's icon, compiled in as XPM data, as the
// PNG file that the desktop's icon theme wants.  Usage: make_icon_png FILE
#include <QImage>
#include <cstdio>

#include "app_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: make_icon_png FILE\n");
        return 2;
    }
    QImage icon(AppIconXpm());
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make_icon_png: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
