#include "TestSupport.h"

#include "clock/Form1.h"
#include "clock/ReadoutLabel.h"
#include "menu/Form2.h"
#include "menu/Form3.h"
#include "platform/Stacking.h"
#include "platform/WindowOpacity.h"
#include "settings/Form4.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <memory>

using namespace Qt::StringLiterals;
using platform::DefaultInstance;
using platform::defaultInstance;

namespace {

/// The caption a control shows, whatever its kind.
QString captionOf(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        return box->title();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    return {};
}

void chooseSettings()
{
    defaultInstance<Form2>().about(Form2::aboutIndex)->trigger();
}

} // namespace

class TestForm4 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        pinScreen1024x768();
    }
    void init()
    {
        clock = std::make_unique<FixedClock>(today(19, 5, 9));
        defaultInstance<Form1>().show();
    }
    void cleanup()
    {
        resetForms();
        clock.reset();
    }

    void shouldBeLaidOutAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("font"); // family/points/bold, or empty for the dialog's own
        const auto row = [](const char *name, const char *parent, QRect twips, const QString &caption,
                            const QString &font = {}) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                                << QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15)
                                << caption << font;
        };
        row("Frame1", "Form4", {240, 240, 1935, 975}, u"二重起動"_s);
        row("Frame6", "Form4", {2280, 240, 2055, 975}, u"バージョン情報"_s);
        row("Frame4", "Form4", {4440, 240, 2895, 1935}, u"終了オプション"_s);
        row("Frame2", "Form4", {120, 1320, 4215, 1575}, u"透過率"_s);
        row("Frame5", "Form4", {4440, 2280, 2895, 1935}, u"表示"_s);
        row("Frame3", "Form4", {120, 3000, 4215, 1215}, u"表記方法"_s);
        row("Option1", "Frame1", {360, 360, 1455, 375}, u"二重起動防止"_s);
        row("Label3", "Frame2", {480, 360, 255, 255}, u"薄"_s);
        row("Label2", "Frame2", {3000, 360, 255, 255}, u"濃"_s);
        row("HScroll1", "Frame2", {480, 600, 2775, 255}, QString());
        row("Text1", "Frame2", {3360, 600, 495, 270}, u"35"_s, u"IPAPGothic/11.25/bold"_s);
        row("Label1", "Frame2", {3840, 600, 255, 255}, u"%"_s, u"IPAPGothic/12/bold"_s);
        row("Command1", "Frame2", {2880, 1080, 1095, 375}, u"変更"_s);
        row("Option2", "Frame3", {360, 240, 1455, 255}, u"２４時間表記"_s);
        row("Option3", "Frame3", {360, 720, 1335, 255}, u"12時間表記"_s);
        row("Command5", "Frame3", {1920, 720, 1215, 375}, u"O k"_s);
        row("Option4", "Frame4", {240, 360, 2295, 255}, u"設定の終了"_s);
        row("Option5", "Frame4", {240, 840, 2415, 255}, u"このソフトを終了する"_s);
        row("Command3", "Frame4", {1440, 1320, 1215, 495}, u"Ok"_s);
        row("Option6", "Frame5", {240, 240, 2295, 255}, u"通常"_s);
        row("Option7", "Frame5", {240, 720, 2295, 255}, u"手前に表示"_s);
        row("locate_click", "Frame5", {1560, 1200, 1095, 375}, u"Ok"_s);
        row("Command4", "Frame6", {240, 360, 1575, 375}, u"開く"_s);
    }
    void shouldBeLaidOutAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(QString, font);
        Form4 &form = defaultInstance<Form4>();
        auto *control = form.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(captionOf(control), caption);
        QVERIFY(control->isEnabled());
        QVERIFY(control->isVisibleTo(&form));
        if (!font.isEmpty()) {
            const QFont actual = control->font();
            QCOMPARE(u"%1/%2/%3"_s.arg(actual.family()).arg(actual.pointSizeF()).arg(actual.bold() ? u"bold"_s : u"regular"_s), font);
        } else {
            QCOMPARE(control->font(), form.font());
        }
    }

    void shouldBeAFixedDialogWithStartingValues()
    {
        Form4 &form = defaultInstance<Form4>();
        QCOMPARE(form.windowTitle(), u"ぽむりの時計の設定"_s);
        QCOMPARE(form.size(), QSize(502, 291));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.HScroll1->minimum(), 0);
        QCOMPARE(form.HScroll1->maximum(), 100);
        QCOMPARE(form.HScroll1->value(), 35);
        QVERIFY(form.Text1->isReadOnly());

        // Exactly one option of each frame is selected; choosing Option1 again keeps it.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.Option1, Qt::LeftButton);
        QVERIFY(form.Option1->isChecked());
        QTest::mouseClick(form.Option5, Qt::LeftButton);
        QVERIFY(form.Option5->isChecked() && !form.Option4->isChecked());
        QVERIFY(form.Option2->isChecked() && form.Option6->isChecked() && form.Option1->isChecked());
    }

    void tabShouldVisitTheControlsInLayoutOrder()
    {
        Form4 &form = defaultInstance<Form4>();
        platform::FormRuntime::show(form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Option1->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 11; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{u"Option1"_s, u"Command1"_s, u"Option2"_s, u"Option4"_s, u"Command3"_s,
                                       u"Option6"_s, u"locate_click"_s, u"Command4"_s, u"Text1"_s, u"HScroll1"_s,
                                       u"Command5"_s, u"Option1"_s}));
    }

    void sliderShouldDriveTheBoxAndChangeApplyIt_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("alpha");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("35") << 35 << 89;
        QTest::newRow("100") << 100 << 255;
    }
    void sliderShouldDriveTheBoxAndChangeApplyIt()
    {
        QFETCH(int, percent);
        QFETCH(int, alpha);
        Form4 &form = defaultInstance<Form4>();
        Form1 &clockWindow = defaultInstance<Form1>();
        std::int32_t other = 70;
        clockWindow.ColorDataChange(other);

        form.HScroll1->setValue(percent == 35 ? 36 : percent); // a change the box must follow
        form.HScroll1->setValue(percent);
        QCOMPARE(form.Text1->text(), QString::number(percent));
        form.Text1->setText(u"70"_s); // the box is never read back
        QCOMPARE(int(platform::windowAlpha(clockWindow)), 178);
        form.Command1->click();
        QCOMPARE(int(platform::windowAlpha(clockWindow)), alpha);
        QCOMPARE(clockWindow.opacityPercentValue(), percent);
    }

    void arrowAndTrackClicksShouldStepByOne()
    {
        Form4 &form = defaultInstance<Form4>();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QScrollBar *bar = form.HScroll1;
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2)); // right arrow
        QCOMPARE(bar->value(), 36);
        QCOMPARE(form.Text1->text(), u"36"_s);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 25, bar->height() / 2)); // track
        QCOMPARE(bar->value(), 37);
        bar->setValue(100);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
        QCOMPARE(bar->value(), 100);
    }

    void notationShouldSwitchTheReadoutsOnlyThroughItsButton()
    {
        Form4 &form = defaultInstance<Form4>();
        Form1 &clockWindow = defaultInstance<Form1>();
        const QDateTime systemTimeBefore = QDateTime::currentDateTime();

        QTest::mouseClick(form.Option3, Qt::LeftButton);
        QVERIFY(clockWindow.Label1->isVisibleTo(&clockWindow)); // choosing alone changes nothing
        form.Command5->click();
        QVERIFY(!clockWindow.Label1->isVisibleTo(&clockWindow));
        QVERIFY(clockWindow.Label2->isVisibleTo(&clockWindow));
        QCOMPARE(clockWindow.Label2->text(), u"07:05:09 午後"_s);
        QVERIFY(clockWindow.Label1->hasTransparentBackground());

        clock->advance(1);
        clockWindow.Timer1_Timer();
        clockWindow.Timer2_Timer(); // the hidden readout and the hands keep going
        QCOMPARE(clockWindow.currentTimeTextValue(), u"19:05:10"_s);

        form.Option2->setChecked(true);
        form.Command5->click();
        QVERIFY(clockWindow.Label1->isVisibleTo(&clockWindow));
        QVERIFY(!clockWindow.Label2->isVisibleTo(&clockWindow));
        QVERIFY(clockWindow.Label1->text().startsWith(u"19"_s));
        QVERIFY(clockWindow.Label1->text().contains(u"05"_s));
        clockWindow.Timer2_Timer();
        QCOMPARE(clockWindow.Label1->text(), u"19:05:10"_s);
        // The system clock is not touched: it has not gone back.
        QVERIFY(QDateTime::currentDateTime() >= systemTimeBefore);
    }

    void exitButtonShouldHideKeepingTheChoices()
    {
        chooseSettings();
        Form4 &form = defaultInstance<Form4>();
        QVERIFY(form.isVisible());
        form.Option7->setChecked(true);
        form.Option3->setChecked(true);
        form.HScroll1->setValue(80);
        form.Command3->click();
        QVERIFY(!form.isVisible());
        QVERIFY(!platform::FormRuntime::hasEnded());

        chooseSettings();
        QCOMPARE(&defaultInstance<Form4>(), &form);
        QVERIFY(form.isVisible());
        QVERIFY(form.Option7->isChecked() && form.Option3->isChecked());
        QCOMPARE(form.HScroll1->value(), 80);
        QCOMPARE(form.Text1->text(), u"80"_s);
    }

    void exitButtonShouldEndTheProgramWithStatusZero()
    {
        Form4 &form = defaultInstance<Form4>();
        chooseSettings();
        form.Option5->setChecked(true);
        QTimer::singleShot(0, form.Command3, &QPushButton::click);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(platform::FormRuntime::hasEnded());
        QVERIFY(!defaultInstance<Form1>().isVisible());
    }

    void openShouldShowAboutAndHideSettings()
    {
        chooseSettings();
        Form4 &form = defaultInstance<Form4>();
        Form1 &clockWindow = defaultInstance<Form1>();
        const QPoint clockPosition = clockWindow.pos();
        form.Command4->click();
        QVERIFY(DefaultInstance<Form3>::exists());
        QVERIFY(defaultInstance<Form3>().isVisible());
        QVERIFY(!form.isVisible());

        defaultInstance<Form3>().Command1->click();
        QVERIFY(!DefaultInstance<Form3>::exists());
        QVERIFY(!form.isVisible());
        QVERIFY(DefaultInstance<Form4>::exists());
        QVERIFY(clockWindow.isVisible());
        QCOMPARE(clockWindow.pos(), clockPosition);
        QCOMPARE(int(platform::windowAlpha(clockWindow)), 89);
    }

    void closeBoxShouldDiscardTheValuesButNotTheirEffects()
    {
        chooseSettings();
        Form4 *form = &defaultInstance<Form4>();
        Form1 &clockWindow = defaultInstance<Form1>();
        form->HScroll1->setValue(100);
        form->Command1->click();
        form->Option3->setChecked(true);
        form->Command5->click();
        QPointer<Form4> closed = form;
        form->close();
        QVERIFY(!DefaultInstance<Form4>::exists());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);

        chooseSettings();
        form = &defaultInstance<Form4>();
        QVERIFY(form->isVisible());
        QCOMPARE(form->HScroll1->value(), 35);
        QCOMPARE(form->Text1->text(), u"35"_s);
        QVERIFY(form->Option2->isChecked());
        QCOMPARE(int(platform::windowAlpha(clockWindow)), 255);
        QVERIFY(clockWindow.Label2->isVisibleTo(&clockWindow));
    }

    void choosingSettingsTwiceShouldLeaveOneDialog()
    {
        chooseSettings();
        chooseSettings();
        int dialogs = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            dialogs += qobject_cast<Form4 *>(window) != nullptr;
        QCOMPARE(dialogs, 1);
        QVERIFY(!defaultInstance<Form2>().isVisible());
        QCOMPARE(defaultInstance<Form2>().mnuFile(Form2::mnuFileIndex)->actions().size(), 1);
    }

    void stackingShouldFollowTheOptionAndKeepThePlace()
    {
        Form4 &form = defaultInstance<Form4>();
        Form1 &clockWindow = defaultInstance<Form1>();
        QVERIFY(QTest::qWaitForWindowExposed(&clockWindow));
        const QRect geometry = clockWindow.geometry();
        form.Option7->setChecked(true);
        form.locate_click->click();
        QVERIFY(platform::isKeptInFront(clockWindow));
        QCOMPARE(clockWindow.geometry(), geometry);
        QVERIFY(clockWindow.isVisible());
        QCOMPARE(int(platform::windowAlpha(clockWindow)), 89);
        QVERIFY(clockWindow.windowFlags().testFlag(Qt::FramelessWindowHint));

        form.Option6->setChecked(true);
        form.locate_click->click();
        QVERIFY(!platform::isKeptInFront(clockWindow));
        QCOMPARE(clockWindow.geometry(), geometry);
        QVERIFY(clockWindow.isVisible());
    }

private:
    std::unique_ptr<FixedClock> clock;
};

POMURI_TEST_MAIN(TestForm4)
#include "tst_form4.moc"
