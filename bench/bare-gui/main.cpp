#include <QGuiApplication>

// A Qt GUI program on the offscreen platform that starts and ends: what the
// picture command pays before it draws.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    return 0;
}
