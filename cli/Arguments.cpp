#include "cli/Arguments.h"

#include "cli/CommandFailure.h"
#include "cli/ConditionOptions.h"
#include "cli/PictureOptions.h"
#include "export/ExportState.h"
#include "values/NumberFormat.h"
#include "values/ValueFile.h"

#include <optional>

namespace {

const QString OptionsEnd = QStringLiteral("--");
const QString OutputOption = QStringLiteral("-o");
const QString FirstOption = QStringLiteral("--von");
const QString LastOption = QStringLiteral("--bis");
const QString ModeOption = QStringLiteral("--darstellung");
const QString ZoomOption = QStringLiteral("--zoom");
const QString WidthOption = QStringLiteral("--breite");

[[nodiscard]] bool IsHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

[[nodiscard]] bool IsVersion(const QString& argument)
{
    return argument == QLatin1String("--version");
}

// --help and --version win wherever they stand among the options, as a user
// who appends them to a failing call expects.
[[nodiscard]] std::optional<TCommand> InformationRequest(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == OptionsEnd)
            break;
        if (IsHelp(argument))
            return TCommand::Help;
        if (IsVersion(argument))
            return TCommand::Version;
    }
    return std::nullopt;
}

[[nodiscard]] TCommand CommandNamed(const QString& name)
{
    if (name == QLatin1String("temperaturen"))
        return TCommand::Temperatures;
    if (name == QLatin1String("energie"))
        return TCommand::Energy;
    if (name == QLatin1String("bereich"))
        return TCommand::Range;
    if (name == QLatin1String("bild"))
        return TCommand::Picture;
    if (name == QLatin1String("pruefen"))
        return TCommand::Check;
    if (name == QLatin1String("verbinden"))
        return TCommand::Bridge;
    throw UsageFailure(QStringLiteral("Der Befehl '%1' ist unbekannt").arg(name));
}

// A value index read as Edit2 reads its count, so a bad number gets the
// window's "'%s' ist kein gültiger Integerwert".
[[nodiscard]] int ValueIndex(const QString& text)
{
    try {
        return StrToInt(text);
    } catch (const EKoravError& error) {
        throw UsageFailure(error.Text());
    }
}

// The arguments after the command, one at a time.
class TArgumentReader {
public:
    TArgumentReader(TRequest& request, QStringList arguments) : request_(request), arguments_(std::move(arguments)) { }

    void ReadAll()
    {
        while (next_ < arguments_.size())
            ReadOne(arguments_[next_++]);
    }

    std::optional<int> First;
    std::optional<int> Last;
    TConditionOption Condition;

private:
    void ReadOne(const QString& argument)
    {
        if (optionsEnded_ || argument == QLatin1String("-") || !argument.startsWith(u'-'))
            request_.Inputs << argument;
        else if (argument == OptionsEnd)
            optionsEnded_ = true;
        else if (argument == OutputOption)
            SetOnce(request_.Output, OutputOption);
        else if (argument == FirstOption || argument == LastOption)
            ReadRangeOption(argument);
        else if (argument == ModeOption || argument == ZoomOption || argument == WidthOption)
            ReadPictureOption(argument);
        else if (IsConditionOption(argument))
            ReadConditionOption(argument);
        else if (argument == ReplaceOption)
            request_.ReplaceInput = TakeReplaceOption(request_);
        else
            throw UsageFailure(QStringLiteral("Die Option '%1' ist unbekannt").arg(argument));
    }

    void ReadRangeOption(const QString& option)
    {
        if (request_.Command != TCommand::Range)
            throw UsageFailure(QStringLiteral("Die Option '%1' gilt nur für bereich").arg(option));
        std::optional<int>& index = option == FirstOption ? First : Last;
        QString text;
        SetOnce(text, option);
        if (index)
            throw UsageFailure(QStringLiteral("Die Option '%1' steht doppelt").arg(option));
        index = ValueIndex(text);
    }

    void ReadPictureOption(const QString& option)
    {
        if (option == ModeOption && TakesCondition(request_.Command)) {
            SetOnce(modeText_, option);
            request_.Mode = PictureModeNamed(modeText_);
            return;
        }
        if (request_.Command != TCommand::Picture)
            throw UsageFailure(QStringLiteral("Die Option '%1' gilt nur für %2").arg(option, CommandsTaking(option)));
        QString& text = option == ModeOption ? modeText_ : option == ZoomOption ? zoomText_ : widthText_;
        SetOnce(text, option);
        if (option == ModeOption)
            request_.Mode = PictureModeNamed(text);
        else if (option == ZoomOption)
            request_.ZoomSteps = PictureZoomSteps(text);
        else
            request_.Width = PictureWidth(text);
    }

    void ReadConditionOption(const QString& option)
    {
        StartCondition(request_, Condition, option);
        for (int n = ConditionNumberCount(Condition.Kind); n > 0; --n)
            SetOnce(Condition.Numbers.emplace_back(), option);
    }

    void SetOnce(QString& target, const QString& option)
    {
        if (next_ >= arguments_.size())
            throw UsageFailure(QStringLiteral("Nach '%1' fehlt der Wert").arg(option));
        if (!target.isEmpty())
            throw UsageFailure(QStringLiteral("Die Option '%1' steht doppelt").arg(option));
        target = arguments_[next_++];
        if (target.isEmpty())
            throw UsageFailure(QStringLiteral("Nach '%1' fehlt der Wert").arg(option));
    }

    TRequest& request_;
    const QStringList arguments_;
    qsizetype next_ = 0;
    bool optionsEnded_ = false;
    QString modeText_;
    QString zoomText_;
    QString widthText_;
};

// The range dialog keeps its fields within the values and within the 1200
// rows of the table; the command refuses what the dialog would not show.
void CheckRange(const TRequest& request)
{
    if (request.First < 0 || request.Last > ValueCount - 1)
        throw UsageFailure(QStringLiteral("Die Werte einer Datei sind von 0 bis %1 nummeriert").arg(ValueCount - 1));
    if (request.Last < request.First)
        throw UsageFailure(QStringLiteral("Der letzte Wert liegt vor dem ersten: --bis ist kleiner als --von"));
    if (request.Last - request.First >= ColumnRowCount)
        throw UsageFailure(QStringLiteral("Ein Bereich umfasst höchstens %1 Werte").arg(ColumnRowCount));
}

void CheckRangeRequest(TRequest& request, const TArgumentReader& reader)
{
    if (!reader.First || !reader.Last)
        throw UsageFailure(QStringLiteral("bereich braucht --von N und --bis M"));
    if (request.Inputs.size() != 1)
        throw UsageFailure(QStringLiteral("bereich liest genau eine Wertedatei"));
    request.First = *reader.First;
    request.Last = *reader.Last;
    CheckRange(request);
}

} // namespace

TRequest ParseArguments(const QStringList& arguments)
{
    TRequest request;
    if (const std::optional<TCommand> information = InformationRequest(arguments)) {
        request.Command = *information;
        return request;
    }
    if (arguments.isEmpty())
        throw UsageFailure(
            QStringLiteral("Es fehlt der Befehl: temperaturen, energie, bereich, bild, pruefen oder verbinden"));
    request.Command = CommandNamed(arguments.front());
    TArgumentReader reader(request, arguments.mid(1));
    reader.ReadAll();
    if (TakesCondition(request.Command)) {
        CheckConditionRequest(request, reader.Condition);
        return request;
    }
    if (request.Output.isEmpty())
        throw UsageFailure(QStringLiteral("Es fehlt die Ausgabedatei: -o AUSGABE"));
    if (request.Command == TCommand::Range)
        CheckRangeRequest(request, reader);
    else if (request.Command == TCommand::Picture)
        CheckPictureRequest(request);
    else if (request.Inputs.isEmpty())
        throw UsageFailure(QStringLiteral("Es fehlt mindestens eine Basisdatei"));
    return request;
}
