#pragma once

#include "cli/Arguments.h"

#include <QString>
#include <QStringList>

// The options of pruefen and verbinden: one condition with its numbers,
// --ersetzen, and --darstellung shared with bild.

inline const QString ReplaceOption = QStringLiteral("--ersetzen");

// A condition as the arguments named it, its numbers as typed.
struct TConditionOption {
    QString Option;
    TConditionKind Kind = TConditionKind::Equal;
    QStringList Numbers;
};

[[nodiscard]] bool TakesCondition(TCommand command);
[[nodiscard]] bool IsConditionOption(const QString& argument);
// The commands that take `option`, for the message to any other.
[[nodiscard]] QString CommandsTaking(const QString& option);

// Begins the condition of `option`. Throws ECommandFailure for a command
// without conditions and for a second condition.
void StartCondition(const TRequest& request, TConditionOption& condition, const QString& option);
// True; throws ECommandFailure for any command but verbinden.
[[nodiscard]] bool TakeReplaceOption(const TRequest& request);

// Reads the condition in the request's representation, as the window reads
// typed numbers, and checks the files of the request. Throws ECommandFailure.
void CheckConditionRequest(TRequest& request, const TConditionOption& condition);
