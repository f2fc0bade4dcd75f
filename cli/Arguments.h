#pragma once

#include "document/ValueCondition.h"
#include "surface/Zoom.h"
#include "values/NumberFormat.h"

#include <QString>
#include <QStringList>

enum class TCommand { Help, Version, Temperatures, Energy, Range, Picture, Check, Bridge };

// One call of the command, checked: an output, the inputs it names, and for
// a range export its first and last value (indices into the value file), for
// a picture its number representation, zoom and width, for a check or a
// repair its condition, read in that representation.
struct TRequest {
    TCommand Command = TCommand::Help;
    QString Output;
    QStringList Inputs;
    int First = 0;
    int Last = 0;
    TNumberMode Mode = FixedPoint;
    int ZoomSteps = 0;
    int Width = SurfaceWidth;
    TValueCondition Condition;
    // verbinden may write its input.
    bool ReplaceInput = false;
};

// Reads the arguments after the program's name. Throws ECommandFailure with
// the exit status of a bad argument for anything it cannot carry out.
[[nodiscard]] TRequest ParseArguments(const QStringList& arguments);
