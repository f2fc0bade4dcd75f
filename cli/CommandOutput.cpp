#include "cli/CommandOutput.h"

#include "cli/CommandFailure.h"
#include "values/IoError.h"
#include "values/StandardOutput.h"
#include "values/WholeFile.h"

TCommandOutput::TCommandOutput(const QString& name) : name_(name)
{
    if (name != StandardOutputName)
        look_.emplace(name);
}

QString TCommandOutput::DisplayName() const
{
    return look_ ? name_ : QStringLiteral("Standardausgabe");
}

std::optional<TFileIdentity> TCommandOutput::Identity() const
{
    if (!look_)
        return StandardOutputIdentity();
    if (!look_->Exists())
        return std::nullopt;
    return IdentityOf(look_->Info());
}

void TCommandOutput::Write(const QByteArray& bytes) const
{
    try {
        if (look_)
            WriteWholeOutput(*look_, bytes, {IoCode::NotOpenForOutput, TWaitForReader::Yes});
        else
            WriteStandardOutput(bytes);
    } catch (const EKoravError&) {
        RethrowAsFailure(DisplayName());
    }
}
