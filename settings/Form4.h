#pragma once

#include "platform/forms/FormRuntime.h"
#include "platform/forms/Twips.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

/// The settings dialog. Its controls hold the clock's settings for the run; every frame's choice
/// takes effect only through that frame's own button.
///
/// The values exist from the dialog's creation (the clock's start-up reads them); the controls
/// that show them are made when the dialog is first shown, so a dialog that is never opened costs
/// the clock neither their memory nor their start-up time. From then on the controls hold the
/// values and the values follow them.
class Form4 : public platform::Form
{
    Q_OBJECT
public:
    /// The settings, named after the controls that hold them.
    struct Values
    {
        QString Text1;
        int HScroll1;
        bool Option2; ///< 24-hour notation; Option3 is the 12-hour one
        bool Option4; ///< the exit button closes the settings; Option5 ends the program
        bool Option6; ///< normal stacking; Option7 is in front
    };

    Form4();

    [[nodiscard]] const Values &values() const { return m_values; }
    void setVisible(bool visible) override;

    void HScroll1_Change();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void locate_click_Click();

    // The controls, made on first show.
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QGroupBox *Frame5 = nullptr;
    QGroupBox *Frame6 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QRadioButton *Option6 = nullptr;
    QRadioButton *Option7 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *locate_click = nullptr;

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

private:
    void createControls();

    Values m_values{QString::number(startingPercent), startingPercent, true, true, true};
};
