#include "cli/ConditionOptions.h"

#include "cli/CommandFailure.h"

namespace {

struct TConditionName {
    const char* Option;
    TConditionKind Kind;
};

constexpr TConditionName ConditionNames[] = {
    {"--ausserhalb", TConditionKind::Outside}, {"--sprung", TConditionKind::Jump}, {"--gleich", TConditionKind::Equal}};

const QString Conditions = QStringLiteral("--ausserhalb A B, --sprung D oder --gleich X");

[[nodiscard]] QString CommandName(TCommand command)
{
    return command == TCommand::Check ? QStringLiteral("pruefen") : QStringLiteral("verbinden");
}

// pruefen only reads; verbinden writes one output, which is its input only
// when the user says so.
void CheckFiles(TRequest& request)
{
    if (request.Command == TCommand::Check) {
        if (!request.Output.isEmpty())
            throw UsageFailure(QStringLiteral("pruefen schreibt keine Datei; -o gilt nur für verbinden"));
        if (request.Inputs.isEmpty())
            throw UsageFailure(QStringLiteral("Es fehlt mindestens eine Wertedatei"));
        return;
    }
    if (request.Inputs.size() != 1)
        throw UsageFailure(QStringLiteral("verbinden liest genau eine Wertedatei"));
    if (request.Output.isEmpty() && !request.ReplaceInput)
        throw UsageFailure(QStringLiteral("Es fehlt die Ausgabedatei: -o AUSGABE, oder --ersetzen"));
    if (request.Output.isEmpty())
        request.Output = request.Inputs.front();
}

} // namespace

bool TakesCondition(TCommand command)
{
    return command == TCommand::Check || command == TCommand::Bridge;
}

bool IsConditionOption(const QString& argument)
{
    for (const TConditionName& name : ConditionNames)
        if (argument == QLatin1String(name.Option))
            return true;
    return false;
}

QString CommandsTaking(const QString& option)
{
    return option == QLatin1String("--darstellung") ? QStringLiteral("bild, pruefen und verbinden")
                                                    : QStringLiteral("bild");
}

void StartCondition(const TRequest& request, TConditionOption& condition, const QString& option)
{
    if (!TakesCondition(request.Command))
        throw UsageFailure(QStringLiteral("Die Option '%1' gilt nur für pruefen und verbinden").arg(option));
    if (!condition.Option.isEmpty())
        throw UsageFailure(QStringLiteral("Es gilt nur eine Bedingung: %1 oder %2").arg(condition.Option, option));
    condition.Option = option;
    for (const TConditionName& name : ConditionNames)
        if (option == QLatin1String(name.Option))
            condition.Kind = name.Kind;
}

bool TakeReplaceOption(const TRequest& request)
{
    if (request.Command != TCommand::Bridge)
        throw UsageFailure(QStringLiteral("Die Option '%1' gilt nur für verbinden").arg(ReplaceOption));
    return true;
}

// A fixed-point range in a message is written with a comma, as the German
// texts of the command write numbers.
void CheckConditionRequest(TRequest& request, const TConditionOption& condition)
{
    if (condition.Option.isEmpty())
        throw UsageFailure(CommandName(request.Command) + QStringLiteral(" braucht eine Bedingung: ") + Conditions);
    const TConditionReading reading = ReadCondition(condition.Kind, condition.Numbers, request.Mode, u',');
    if (!reading.Error.isEmpty())
        throw UsageFailure(condition.Option + QStringLiteral(": ") + reading.Error);
    request.Condition = reading.Condition;
    CheckFiles(request);
}
