#include "cli/Program.h"

#include "cli/Arguments.h"
#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Usage.h"

#include <new>

namespace {

void CarryOut(const TRequest& request, TPictureRunner runPicture)
{
    switch (request.Command) {
    case TCommand::Help: PrintOutput(UsageText()); break;
    case TCommand::Version: PrintOutput(VersionText()); break;
    case TCommand::Picture: runPicture(request); break;
    default: RunExport(request); break;
    }
}

}  // namespace

int RunCommandLine(const QStringList& arguments, TPictureRunner runPicture)
{
    try {
        CarryOut(ParseArguments(arguments), runPicture);
        return 0;
    } catch (const ECommandFailure& failure) {
        PrintError(failure.Text());
        return failure.ExitCode();
    } catch (const std::bad_alloc&) {
        PrintError(QStringLiteral("Zu wenig Arbeitsspeicher."));
        return ECommandFailure::FileError;
    }
}
