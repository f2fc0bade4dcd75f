// Saves a picture of the X screen, or of the rectangle x y width height of
// it, for the README's screenshot and for looking at the editor under Xvfb.
// Usage: korav-grab <file.png> [x y width height]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: korav-grab <file.png> [x y width height]\n");
        return 2;
    }
    int rect[4] = {0, 0, -1, -1};
    for (int i = 0; argc == 6 && i < 4; ++i)
        rect[i] = std::atoi(argv[2 + i]);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0, rect[0], rect[1], rect[2], rect[3]);
    return screen.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
