#pragma once

#include <QString>
#include <QStringList>

class TCommandOutput;

// Refuses an output that is one of the files the command reads: the same
// device and inode after following links, whatever the names say, so
// "daten/../daten/a.kos" and a link to a recording count as that recording.
// Standard output counts as the file it was redirected to. Throws
// ECommandFailure naming both; an output that does not exist yet is no input.
void RefuseOutputAmongInputs(const TCommandOutput& output, const QStringList& inputs);
