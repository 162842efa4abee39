#include "settings/Form4.h"

#include "clock/Form1.h"
#include "clock/ReadoutLabel.h"
#include "menu/Form3.h"
#include "platform/time/ClockSource.h"
#include "platform/forms/LayoutFonts.h"
#include "platform/window/Stacking.h"
#include "platform/time/TimeTexts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using platform::FormRuntime;
using platform::px;

namespace {

/// The selected option is its group's one Tab stop, forwards and backwards, as on the desktop the
/// layout comes from; Qt would make the option that last had the focus the stop instead.
void keepSelectedOptionAsTabStop(const QList<QRadioButton *> &group)
{
    const auto follow = [group] {
        for (QRadioButton *option : group)
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton *option : group)
        QObject::connect(option, &QRadioButton::toggled, option, follow);
    follow();
}

template <typename Widget, typename... Args>
Widget *placed(const QString &name, const QRect &geometry, QWidget *parent, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

Form4::Form4()
    : platform::Form(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"Form4"_s);
    setWindowTitle(u"ぽむりの時計の設定"_s);
    setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    setFont(platform::fonts::proportionalGothic(9));
}

void Form4::setVisible(bool visible)
{
    if (visible && !Frame1)
        createControls();
    platform::Form::setVisible(visible);
}

void Form4::createControls()
{
    Frame1 = placed<QGroupBox>(u"Frame1"_s, Frame1Rect.pixels(), this, u"二重起動"_s);
    Frame6 = placed<QGroupBox>(u"Frame6"_s, Frame6Rect.pixels(), this, u"バージョン情報"_s);
    Frame4 = placed<QGroupBox>(u"Frame4"_s, Frame4Rect.pixels(), this, u"終了オプション"_s);
    Frame2 = placed<QGroupBox>(u"Frame2"_s, Frame2Rect.pixels(), this, u"透過率"_s);
    Frame5 = placed<QGroupBox>(u"Frame5"_s, Frame5Rect.pixels(), this, u"表示"_s);
    Frame3 = placed<QGroupBox>(u"Frame3"_s, Frame3Rect.pixels(), this, u"表記方法"_s);

    Option1 = placed<QRadioButton>(u"Option1"_s, Option1Rect.pixels(), Frame1, u"二重起動防止"_s);
    // Alone in its frame, it still must not be cleared by a click; an exclusive group sees to that.
    (new QButtonGroup(Frame1))->addButton(Option1);

    Label3 = placed<QLabel>(u"Label3"_s, Label3Rect.pixels(), Frame2, u"薄"_s);
    Label2 = placed<QLabel>(u"Label2"_s, Label2Rect.pixels(), Frame2, u"濃"_s);
    HScroll1 = placed<QScrollBar>(u"HScroll1"_s, HScroll1Rect.pixels(), Frame2, Qt::Horizontal);
    HScroll1->setRange(0, 100);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(m_values.HScroll1);
    // The value is reported when a thumb drag ends, not while the thumb moves.
    HScroll1->setTracking(false);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys run as a page scrolls (Right lowers it); this one is a slider.
    HScroll1->setInvertedControls(false);
    // Its jumps ("Scroll here", "Page left", ...) are not the layout's, and not in Japanese.
    HScroll1->setContextMenuPolicy(Qt::PreventContextMenu);
    Text1 = placed<QLineEdit>(u"Text1"_s, Text1Rect.pixels(), Frame2, m_values.Text1);
    Text1->setFont(platform::fonts::proportionalGothic(11.25, platform::fonts::Bold));
    // Only the slider sets the percentage; typing here could never change a setting.
    Text1->setReadOnly(true);
    Label1 = placed<QLabel>(u"Label1"_s, Label1Rect.pixels(), Frame2, u"%"_s);
    Label1->setFont(platform::fonts::proportionalGothic(12, platform::fonts::Bold));
    Command1 = placed<QPushButton>(u"Command1"_s, Command1Rect.pixels(), Frame2, u"変更"_s);

    Option2 = placed<QRadioButton>(u"Option2"_s, Option2Rect.pixels(), Frame3, u"２４時間表記"_s);
    Option3 = placed<QRadioButton>(u"Option3"_s, Option3Rect.pixels(), Frame3, u"12時間表記"_s);
    Command5 = placed<QPushButton>(u"Command5"_s, Command5Rect.pixels(), Frame3, u"O k"_s);

    Option4 = placed<QRadioButton>(u"Option4"_s, Option4Rect.pixels(), Frame4, u"設定の終了"_s);
    Option5 = placed<QRadioButton>(u"Option5"_s, Option5Rect.pixels(), Frame4, u"このソフトを終了する"_s);
    Command3 = placed<QPushButton>(u"Command3"_s, Command3Rect.pixels(), Frame4, u"Ok"_s);

    Option6 = placed<QRadioButton>(u"Option6"_s, Option6Rect.pixels(), Frame5, u"通常"_s);
    Option7 = placed<QRadioButton>(u"Option7"_s, Option7Rect.pixels(), Frame5, u"手前に表示"_s);
    locate_click = placed<QPushButton>(u"locate_click"_s, locate_clickRect.pixels(), Frame5, u"Ok"_s);

    Command4 = placed<QPushButton>(u"Command4"_s, Command4Rect.pixels(), Frame6, u"開く"_s);

    // What a screen reader says beside the captions, which only make sense through their frame.
    const QString percentMeaning = u"0 は透明、100 は不透明"_s;
    HScroll1->setAccessibleName(u"透過率"_s);
    HScroll1->setAccessibleDescription(percentMeaning);
    Text1->setAccessibleName(u"透過率（パーセント）"_s);
    Text1->setAccessibleDescription(percentMeaning);
    Command1->setAccessibleDescription(u"透過率を時計に適用します"_s);
    Command5->setAccessibleDescription(u"選んだ表記方法を時計に適用します"_s);
    Command3->setAccessibleDescription(u"選んだ終了オプションを実行します"_s);
    locate_click->setAccessibleDescription(u"選んだ表示（通常か手前に表示）を時計に適用します"_s);
    Command4->setAccessibleDescription(u"「このソフトについて」を開きます"_s);

    Option1->setChecked(true);
    (m_values.Option2 ? Option2 : Option3)->setChecked(true);
    (m_values.Option4 ? Option4 : Option5)->setChecked(true);
    (m_values.Option6 ? Option6 : Option7)->setChecked(true);
    for (const QList<QRadioButton *> &group : {QList{Option2, Option3}, QList{Option4, Option5}, QList{Option6, Option7}})
        keepSelectedOptionAsTabStop(group);
    // Enter presses the focused button; with no default button, Enter elsewhere does nothing.
    for (QPushButton *button : {Command1, Command3, Command4, Command5, locate_click})
        button->setAutoDefault(true);

    const QList<QWidget *> tabOrder{Option1, Command1, Option2, Option3, Option4, Option5, Command3,
                                    Option6, Option7, locate_click, Command4, Text1, HScroll1, Command5};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    connect(HScroll1, &QScrollBar::valueChanged, this, &Form4::HScroll1_Change);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) { m_values.HScroll1 = value; });
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &text) { m_values.Text1 = text; });
    connect(Option2, &QRadioButton::toggled, this, [this](bool checked) { m_values.Option2 = checked; });
    connect(Option4, &QRadioButton::toggled, this, [this](bool checked) { m_values.Option4 = checked; });
    connect(Option6, &QRadioButton::toggled, this, [this](bool checked) { m_values.Option6 = checked; });
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(locate_click, &QPushButton::clicked, this, &Form4::locate_click_Click);
}

void Form4::HScroll1_Change()
{
    Text1->setText(QString::number(HScroll1->value()));
}

void Form4::Command1_Click()
{
    std::int32_t percent = HScroll1->value();
    platform::defaultInstance<Form1>().ColorDataChange(percent);
}

void Form4::Command3_Click()
{
    if (Option4->isChecked())
        FormRuntime::hide(*this);
    else
        FormRuntime::end(0);
}

void Form4::Command4_Click()
{
    FormRuntime::show(platform::defaultInstance<Form3>());
    FormRuntime::hide(*this);
}

void Form4::Command5_Click()
{
    Form1 &clock = platform::defaultInstance<Form1>();
    if (Option2->isChecked()) {
        // Switching the readout is all that is asked for: the system clock is left alone.
        clock.Label1->setVisible(true);
        clock.Label2->setVisible(false);
        clock.Label1->setText(platform::timeTexts::defaultTime(platform::ClockSource::current().now()));
    } else {
        const QString time12 = platform::timeTexts::time12(platform::ClockSource::current().now());
        clock.Label1->setVisible(false);
        clock.Label2->setVisible(true);
        clock.Label2->setText(time12);
    }
    clock.Label1->setTransparentBackground(true);
}

void Form4::locate_click_Click()
{
    const auto order = Option6->isChecked() ? platform::StackingOrder::Normal : platform::StackingOrder::InFront;
    platform::placeInStackingOrder(platform::defaultInstance<Form1>(), order);
}
