// The settings dialog, the menu's form and the About dialog, as a person sees and uses them.
#include "TestSupport.h"

#include "platform/forms/RuntimeError.h"
#include "platform/window/WindowOpacity.h"

using namespace Qt::StringLiterals;
using platform::DefaultInstance;
using platform::defaultInstance;

namespace {

Form4 &openedSettings()
{
    defaultInstance<Form2>().about(Form2::aboutIndex)->trigger();
    Form4 &form = defaultInstance<Form4>();
    (void)QTest::qWaitForWindowActive(&form);
    return form;
}

int clockAlpha() { return platform::windowAlpha(defaultInstance<Form1>()); }

/// The names of the controls that Tab (or Shift+Tab) visits, in order, apart by spaces.
QString tabWalk(int steps, Qt::KeyboardModifiers modifiers = {})
{
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited.join(u' ');
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinScreen1024x768(); }
    void init()
    {
        clock = std::make_unique<FixedClock>(today(19, 5, 9));
        platform::FormRuntime::show(defaultInstance<Form1>());
    }
    void cleanup()
    {
        resetForms();
        clock.reset();
    }

    void theDialogsShouldLookAsLaidOutAndTheAboutDialogCloseOnlyThroughItsButton()
    {
        // Exact pictures: a control moved, clipped or overflowing its box shows here.
        Form4 &settings = openedSettings();
        QVERIFY(matchesReference(freshPixels(settings), u"settings/reference-settings"_s));
        for (int opening = 1; opening <= 2; ++opening) { // each opening as the first
            openedSettings().Command4->click();
            Form3 &about = defaultInstance<Form3>();
            QVERIFY(QTest::qWaitForWindowActive(&about) && !settings.isVisible());
            QVERIFY(matchesReference(freshPixels(about), u"settings/reference-about"_s));
            QTest::keyClick(about.Picture1, Qt::Key_Return); // O k is neither its default nor its cancel button
            QTest::keyClick(about.Picture1, Qt::Key_Escape);
            QVERIFY(about.isVisible());
            about.Command1->click();
            QVERIFY(!DefaultInstance<Form3>::exists() && !settings.isVisible());
        }
    }

    void aScreenReaderShouldMeetDialogsAButtonsPurposeAndASliderOfPercent()
    {
        Form4 &form = openedSettings();
        QAccessibleInterface *slider = QAccessible::queryAccessibleInterface(form.HScroll1);
        QCOMPARE(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Dialog);
        QCOMPARE(slider->role(), QAccessible::Slider);
        QVERIFY(!slider->text(QAccessible::Description).isEmpty());
        for (QPushButton *button : form.findChildren<QPushButton *>())
            QVERIFY2(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description).isEmpty(), qPrintable(button->objectName()));
        // What Orca reads as a percentage: the range and steps of the setting, not of an alpha.
        QAccessibleValueInterface *value = slider->valueInterface();
        QCOMPARE(QVariantList({value->minimumValue(), value->maximumValue(), value->minimumStepSize(), value->currentValue()}),
                 QVariantList({0, 100, 1, 35}));
        // A slider's keys, not a scroll bar's: Right and Up raise it.
        form.HScroll1->setFocus();
        QList<int> values;
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home}) {
            QTest::keyClick(form.HScroll1, key);
            values << value->currentValue().toInt();
        }
        QCOMPARE(values, (QList<int>{36, 37, 38, 37, 36, 35, 100, 0}));
        // The menu's form is never shown, so it is nowhere among the program's windows.
        (void)defaultInstance<Form2>().mnuFile(Form2::mnuFileIndex)->winId();
        QAccessibleInterface *program = QAccessible::queryAccessibleInterface(qApp);
        for (int i = 0; i < program->childCount(); ++i)
            QVERIFY(program->child(i)->object() != &defaultInstance<Form2>());
    }

    void tabShouldStopOnTheSelectedOptionOfEachGroupBothWays()
    {
        Form4 &form = openedSettings();
        form.Option1->setFocus();
        QCOMPARE(tabWalk(11), u"Command1 Option2 Option4 Command3 Option6 locate_click Command4 Text1 HScroll1 Command5 Option1"_s);
        QCOMPARE(tabWalk(11, Qt::ShiftModifier), u"Command5 HScroll1 Text1 Command4 locate_click Option6 Command3 Option4 Option2 Command1 Option1"_s);
        form.Option3->setChecked(true);
        form.Option1->setFocus();
        QCOMPARE(tabWalk(2), u"Command1 Option3"_s);
        QCOMPARE(tabWalk(2, Qt::ShiftModifier), u"Command1 Option1"_s);
        QTest::mouseClick(form.Option1, Qt::LeftButton);
        QVERIFY(form.Option1->isChecked()); // alone in its group, it cannot be cleared
    }

    void theSliderShouldReportOnReleaseShowItsFocusAndOfferNoMenu()
    {
        Form4 &form = openedSettings();
        QScrollBar *bar = form.HScroll1;
        bar->setSliderDown(true); // as a drag of its thumb does
        bar->setSliderPosition(60);
        QCOMPARE(form.Text1->text(), u"35"_s);
        bar->setSliderDown(false);
        QCOMPARE(form.Text1->text(), u"60"_s);

        const QImage unfocused = bar->grab().toImage();
        form.Text1->setFocus();
        QTest::keyClick(form.Text1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bar);
        QVERIFY(bar->grab().toImage() != unfocused);

        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), bar->mapToGlobal(QPoint(5, 5)));
        QCOMPARE(selectedInMenuOpenedBy([&] { QCoreApplication::sendEvent(bar, &request); }), u"no menu"_s);
        // Qt's own texts are Japanese too.
        const std::unique_ptr<QMenu> menu(form.Text1->createStandardContextMenu());
        for (QAction *entry : menu->actions())
            QVERIFY2(entry->isSeparator() || entry->text().contains(QRegularExpression(u"[^\\x{0}-\\x{7f}]"_s)), qPrintable(entry->text()));
    }

    void eachButtonShouldApplyWhatItsFrameHoldsAndOnlyThat()
    {
        Form4 &form = openedSettings();
        Form1 &clockWindow = defaultInstance<Form1>();
        form.HScroll1->setValue(100);
        QCOMPARE(form.Text1->text(), u"100"_s);
        form.Text1->setText(u"70"_s); // the box is never read back
        form.Option5->setFocus();
        QTest::keyClick(form.Option5, Qt::Key_Return); // no default button: Enter elsewhere does nothing
        QVERIFY(!platform::FormRuntime::hasEnded() && clockAlpha() == 89);
        form.Command1->setFocus();
        QTest::keyClick(form.Command1, Qt::Key_Return); // Enter presses the focused button
        QCOMPARE(clockAlpha(), 255);

        QTest::mouseClick(form.Option3, Qt::LeftButton);
        QVERIFY(clockWindow.Label1->isVisible()); // choosing alone changes nothing
        form.Command5->click();
        QVERIFY(!clockWindow.Label1->isVisible() && clockWindow.Label2->isVisible());
        QCOMPARE(clockWindow.Label2->text(), u"07:05:09 午後"_s);
        clock->advance(1);
        clockWindow.Timer2_Timer(); // the hidden readout keeps up
        form.Option2->setChecked(true);
        form.Command5->click();
        QVERIFY(clockWindow.Label1->isVisible() && !clockWindow.Label2->isVisible());
        // The time as the system itself writes a time of day; Japanese Windows writes it as the readout does.
        QCOMPARE(clockWindow.Label1->text(), QSysInfo::productType() == u"windows"_s ? u"19:05:10"_s : u"19時05分10秒"_s);
        QCOMPARE(freshPixels(clockWindow).pixelColor(clockWindow.Label1->pos() + QPoint(1, 1)), Form1::faceColor); // on the face, no box
        QCOMPARE(clockWindow.currentTimeTextValue(), u"19:05:10"_s);

        const QRect place = clockWindow.geometry();
        form.Option7->setChecked(true);
        form.locate_click->click(); // stacking itself only a window manager shows: see the desktop tests
        QVERIFY(clockWindow.geometry() == place && clockWindow.isVisible() && clockAlpha() == 255);

        form.Command3->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(&openedSettings(), &form); // the same dialog, with its choices
        QVERIFY(form.Option7->isChecked() && form.HScroll1->value() == 100);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)defaultInstance<Form2>().mnuFile(2));
    }

    void theCloseBoxShouldDiscardTheValuesButNotTheirEffects()
    {
        Form4 *form = &openedSettings();
        form->HScroll1->setValue(100);
        form->Command1->click();
        form->Option3->setChecked(true);
        form->Command5->click();
        // Closing the last dialog ends nothing: the clock runs on.
        QTimer::singleShot(0, form, &QWidget::close);
        QTimer::singleShot(100, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 7);
        QVERIFY(!DefaultInstance<Form4>::exists());

        form = &openedSettings();
        QCOMPARE(&openedSettings(), form);
        QCOMPARE(form->HScroll1->value(), 35);
        QVERIFY(form->Option2->isChecked());
        QCOMPARE(clockAlpha(), 255);
        QVERIFY(defaultInstance<Form1>().Label2->isVisible());
    }

private:
    std::unique_ptr<FixedClock> clock;
};

POMURI_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
