#pragma once

#include <QByteArray>

namespace pigmentrix {

// A display profile whose device-to-PCS direction is a 33-point table
// sampled from the profile `source` (into Lab), as profiles that a
// calibration tool measured have it. With `matrixHolder`, the table goes into
// a copy of that (matrix) profile, which then holds both. Version 4; empty
// when a profile cannot be read.
QByteArray TableProfile(const QByteArray &source, const QByteArray &matrixHolder = {});

} // namespace pigmentrix
