#include "cli/CommandFailure.h"

#include "cli/FileMessages.h"
#include "values/IoError.h"
#include "winsys/WindowSystem.h"

ECommandFailure::ECommandFailure(int exitCode, QString text)
    : exitCode_(exitCode), text_(std::move(text)), utf8_(text_.toUtf8())
{
}

ECommandFailure UsageFailure(const QString& text)
{
    return ECommandFailure(ECommandFailure::BadArgument,
                           ErrorDisplayText(text) + QStringLiteral("\nHilfe: korav-auswertung --help"));
}

ECommandFailure FileFailure(const QString& path, const EKoravError& error)
{
    return ECommandFailure(ECommandFailure::FileError,
                           path + QStringLiteral(": ") + ErrorDisplayText(PlainFileMessage(path, error)));
}

void RethrowAsFailure(const QString& path)
{
    try {
        throw;
    } catch (const EInOutError& error) {
        throw FileFailure(path, error);
    } catch (const EKoravError& error) {
        throw UsageFailure(error.Text());
    }
}
