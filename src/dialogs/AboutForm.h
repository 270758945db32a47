// The About box: the product title, the maker's notice and the version.
#pragma once

#include "dialogs/OkOnlyDialog.h"

class QLabel;
class QPushButton;

namespace zorozod {

inline const QString kVersionText = QStringLiteral("v2007.05.01");

class TAbout : public OkOnlyDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget* owner);

    QPushButton* BitBtn1 = nullptr;  // OK
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* VersionLabel = nullptr;

    void BitBtn1Click();
};

}  // namespace zorozod
