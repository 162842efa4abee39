#pragma once

#include "platform/forms/FormRuntime.h"
#include "platform/forms/Twips.h"

#include <QColor>

class QLabel;
class QPushButton;

/// The About window: icon, title, version, disclaimer and contact line. It holds no state;
/// "O k" or the close box unloads it, so every opening looks the same.
class Form3 : public platform::Form
{
    Q_OBJECT
public:
    Form3();

    void Command1_Click();

    QLabel *Label1;
    QWidget *Picture1;
    QPushButton *Command1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;

    static constexpr int clientWidthTwips = 4680;
    static constexpr int clientHeightTwips = 3195;
    static constexpr platform::TwipsRect Label1Rect{1440, 120, 2415, 255};
    static constexpr platform::TwipsRect Picture1Rect{360, 240, 495, 615};
    static constexpr platform::TwipsRect Command1Rect{3360, 2640, 975, 375};
    static constexpr platform::TwipsRect Label2Rect{360, 960, 855, 255};
    static constexpr platform::TwipsRect Label3Rect{480, 1200, 4215, 735};
    static constexpr platform::TwipsRect Label4Rect{480, 2160, 3975, 255};
    static constexpr platform::TwipsRect Label5Rect{1440, 600, 2535, 255};
    static constexpr QColor titleColor{255, 0, 0};
    static constexpr QColor contactColor{0, 192, 0};
    static constexpr QColor versionColor{0, 0, 255};
};
