#pragma once

#include <QString>

namespace orvane {

// Moves a file that cannot be used out of the way, beside itself, as
// PATH.LABEL-yyyyMMdd-HHmmss (numbered -2, -3, ... when that name is taken),
// so that nothing is lost. Returns where it went; empty, with errno in
// `error`, when it could not be moved.
QString setAsideBeside(const QString& path, const QString& label, int& error);

} // namespace orvane
