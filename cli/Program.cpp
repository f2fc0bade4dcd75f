#include "cli/Program.h"

#include "cli/Arguments.h"
#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/RepairCommands.h"
#include "cli/Usage.h"
#include "values/Errors.h"
#include "winsys/WindowSystem.h"

#include <new>

namespace {

// The exit status of a request carried out.
int CarryOut(const TRequest& request, TPictureRunner runPicture)
{
    switch (request.Command) {
    case TCommand::Help: PrintOutput(UsageText()); break;
    case TCommand::Version: PrintOutput(VersionText()); break;
    case TCommand::Picture: runPicture(request); break;
    case TCommand::Check: return RunCheck(request);
    case TCommand::Bridge: RunBridge(request); break;
    default: RunExport(request); break;
    }
    return 0;
}

[[nodiscard]] int Fail(const QString& text)
{
    PrintError(text);
    return ECommandFailure::FileError;
}

} // namespace

// Every error ends the command with a message and a status a script can
// test; none may end it through std::terminate.
int RunCommandLine(const QStringList& arguments, TPictureRunner runPicture)
{
    try {
        return CarryOut(ParseArguments(arguments), runPicture);
    } catch (const ECommandFailure& failure) {
        PrintError(failure.Text());
        return failure.ExitCode();
    } catch (const std::bad_alloc&) {
        return Fail(QStringLiteral("Zu wenig Arbeitsspeicher."));
    } catch (const EKoravError& error) {
        return Fail(ErrorDisplayText(error.Text()));
    } catch (const std::exception& error) {
        return Fail(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return Fail(QStringLiteral("Unbekannter Fehler."));
    }
}
