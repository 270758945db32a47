// How the windows look: their fonts (with the nearest font at hand of the
// same metrics where the designed one is missing) and their menu bars made
// of caption buttons.
#pragma once

#include <QFont>
#include <QStringList>

class QMenu;
class QToolBar;
class QToolButton;

namespace zorozod {

// A caption button on a tool bar that drops down `menu`, as a menu bar's item would.
QToolButton* AddMenuCaptionButton(QToolBar* bar, QMenu* menu, const QString& name);

// MS Sans Serif, the font of every window.
QFont WindowFont(int points = 8);
// Courier New, the font of the report and the log.
QFont FixedPitchFont(int points);

}  // namespace zorozod
