#include <QCoreApplication>

// A Qt core program that starts and ends: what every command pays before it
// does any work of its own.
int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    return 0;
}
