#pragma once
// The words for a generator request that cannot be met, shared by
// orvane-mdt generate and the editor's generator dialog.

#include "MazeConstants.h"
#include "generate/Generator.h"

#include <QString>

namespace orvane {

// How the words name a field of the request: orvane-mdt by its options
// ("--keys"), the dialog by its labels ("キーの数").
enum class FieldNaming { Options, Labels };

// A field of a generator request.
enum class RequestField { Size, Keys, Grade, Traps, Arrows, Slack };

// The field's name: "--keys", or the dialog's "キーの数".
QString requestFieldName(RequestField field, FieldNaming naming);

// A map size as the words write it, "32*32".
QString mapSizeText(MapSize size);

// Why the request can never be met, for the problem checkRequest found, or
// why it may not be, for the one checkReach found: "<field>: <what is
// wrong>". Empty when there is no problem.
QString requestProblemText(const generate::Request& request,
                           const generate::RequestProblem& problem, FieldNaming naming);

// What the closest try held when no maze met the request within the
// generator's budget, against what was asked.
QString closestTryText(const generate::Request& request, const generate::Outcome& outcome);

} // namespace orvane
