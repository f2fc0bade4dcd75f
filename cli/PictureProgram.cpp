#include "cli/PictureProgram.h"

#include "cli/CommandFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

const QString PictureProgramName = QStringLiteral("korav-auswertung-bild");

// Beside the command in the build tree; in its own folder once installed.
QString PictureProgramPath()
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QString beside = here.filePath(PictureProgramName);
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QDir::cleanPath(here.filePath(QStringLiteral(KORAV_PICTURE_PROGRAM_DIR) + u'/' + PictureProgramName));
}

} // namespace

void HandOverToPictureProgram(const TRequest&)
{
    const QString program = PictureProgramPath();
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(argv.front(), argv.data());
    throw ECommandFailure(ECommandFailure::FileError,
                          QStringLiteral("%1: Das Programm für Bilder lässt sich nicht starten: %2.")
                              .arg(program, QString::fromLocal8Bit(std::strerror(errno))));
}
