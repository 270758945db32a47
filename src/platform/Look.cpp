#include "platform/Look.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace zorozod {

QToolButton* AddMenuCaptionButton(QToolBar* bar, QMenu* menu, const QString& name) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(menu->title());
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    bar->addWidget(button);
    return button;
}

QFont WindowFont(int points) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

QFont FixedPitchFont(int points) {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(points);
    return font;
}

}  // namespace zorozod
