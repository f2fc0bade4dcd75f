// Saves a picture of the whole X screen, for the README's screenshot and for
// looking at the editor under Xvfb. Usage: korav-grab <file.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: korav-grab <file.png>\n");
        return 2;
    }
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    return screen.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
