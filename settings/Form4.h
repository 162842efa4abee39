#pragma once

#include "platform/FormRuntime.h"
#include "platform/Twips.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

/// The settings dialog. Its controls hold the clock's settings for the run; every frame's choice
/// takes effect only through that frame's own button.
class Form4 : public platform::Form
{
    Q_OBJECT
public:
    Form4();

    void HScroll1_Change();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void locate_click_Click();

    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QGroupBox *Frame3;
    QGroupBox *Frame4;
    QGroupBox *Frame5;
    QGroupBox *Frame6;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
    QRadioButton *Option6;
    QRadioButton *Option7;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QScrollBar *HScroll1;
    QLineEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QPushButton *locate_click;

    static constexpr int clientWidthTwips = 7530;
    static constexpr int clientHeightTwips = 4365;

    static constexpr platform::TwipsRect Frame1Rect{240, 240, 1935, 975};
    static constexpr platform::TwipsRect Frame6Rect{2280, 240, 2055, 975};
    static constexpr platform::TwipsRect Frame4Rect{4440, 240, 2895, 1935};
    static constexpr platform::TwipsRect Frame2Rect{120, 1320, 4215, 1575};
    static constexpr platform::TwipsRect Frame5Rect{4440, 2280, 2895, 1935};
    static constexpr platform::TwipsRect Frame3Rect{120, 3000, 4215, 1215};

    static constexpr platform::TwipsRect Option1Rect{360, 360, 1455, 375};
    static constexpr platform::TwipsRect Label3Rect{480, 360, 255, 255};
    static constexpr platform::TwipsRect Label2Rect{3000, 360, 255, 255};
    static constexpr platform::TwipsRect HScroll1Rect{480, 600, 2775, 255};
    static constexpr platform::TwipsRect Text1Rect{3360, 600, 495, 270};
    static constexpr platform::TwipsRect Label1Rect{3840, 600, 255, 255};
    static constexpr platform::TwipsRect Command1Rect{2880, 1080, 1095, 375};
    static constexpr platform::TwipsRect Option2Rect{360, 240, 1455, 255};
    static constexpr platform::TwipsRect Option3Rect{360, 720, 1335, 255};
    static constexpr platform::TwipsRect Command5Rect{1920, 720, 1215, 375};
    static constexpr platform::TwipsRect Option4Rect{240, 360, 2295, 255};
    static constexpr platform::TwipsRect Option5Rect{240, 840, 2415, 255};
    static constexpr platform::TwipsRect Command3Rect{1440, 1320, 1215, 495};
    static constexpr platform::TwipsRect Option6Rect{240, 240, 2295, 255};
    static constexpr platform::TwipsRect Option7Rect{240, 720, 2295, 255};
    static constexpr platform::TwipsRect locate_clickRect{1560, 1200, 1095, 375};
    static constexpr platform::TwipsRect Command4Rect{240, 360, 1575, 375};

    static constexpr int startingPercent = 35;
};
