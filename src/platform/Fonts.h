// The windows' fonts, with the nearest font at hand of the same metrics
// where the designed one is missing.
#pragma once

#include <QFont>
#include <QStringList>

namespace zorozod {

// MS Sans Serif, the font of every window.
QFont WindowFont(int points = 8);
// Courier New, the font of the report and the log.
QFont FixedPitchFont(int points);

}  // namespace zorozod
