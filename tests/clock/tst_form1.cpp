// The clock window as a person sees and uses it.
#include "TestSupport.h"

#include "platform/forms/CheckedArithmetic.h"
#include "platform/forms/FormTimer.h"
#include "platform/window/WindowOpacity.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using namespace Qt::StringLiterals;
using platform::DefaultInstance;
using platform::defaultInstance;

namespace {

Form1 &shownClock()
{
    Form1 &form = defaultInstance<Form1>();
    platform::FormRuntime::show(form);
    (void)QTest::qWaitForWindowExposed(&form);
    return form;
}


void chooseTwelveHourNotation()
{
    Form4 &settings = defaultInstance<Form4>();
    settings.show();
    settings.Option3->setChecked(true);
    settings.Command5->click();
    settings.hide();
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { pinScreen1024x768(); }
    void init() { clock = std::make_unique<FixedClock>(today(10, 10, 30)); }
    void cleanup()
    {
        resetForms();
        clock.reset();
        QLocale::setDefault(QLocale::system());
    }

    // Runs first, while this process does not hold the lock yet.
    void aSecondCopyShouldOnlyWarnAndEnd()
    {
        QProcess firstCopy;
        firstCopy.start(QStringLiteral(PROBE_PATH), {});
        QVERIFY(firstCopy.waitForReadyRead(10000));
        QString warning;
        whenModalAppears([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            warning = u"%1|%2|%3"_s.arg(box->windowTitle(), box->text()).arg(box->icon() == QMessageBox::Warning);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!platform::FormRuntime::start<Form1>());
        QCOMPARE(warning, u"pomuri|すでに「pomuri」は起動されています。|1"_s);
        QCOMPARE(platform::FormRuntime::exitStatus(), 0);
        QVERIFY(!defaultInstance<Form1>().isVisible());
        QCOMPARE(firstCopy.state(), QProcess::Running);
        firstCopy.kill();
        firstCopy.waitForFinished();
    }

    void startUpShouldShowTheClockInPlaceAndDrawItAsEver()
    {
        QVERIFY(platform::FormRuntime::start<Form1>());
        Form1 &form = defaultInstance<Form1>();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32), // the desktop's icon
                 QImage(QStringLiteral(TESTS_DIR "/../resources/pomuri.png")).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(form.Label1->text(), u"10:10:30"_s); // before the first second ticks
        tick(form);
        QVERIFY(matchesReference(freshPixels(form), u"clock/reference-10-10-30"_s));
        if (QGuiApplication::screens().size() == 2) { // onto a screen of twice the resolution, and back: as a start there draws it
            form.move(1124, 300);
            QVERIFY(matchesReference(freshPixels(form), u"clock/reference-10-10-30-scale2"_s));
            form.move(834, 545);
        }
        clock->set(today(23, 59, 59));
        tick(form);
        QVERIFY(matchesReference(freshPixels(form), u"clock/reference-23-59-59"_s));
    }

    void whatIsShownShouldEqualAFullRepaintSecondAfterSecond()
    {
        Form1 &form = shownClock();
        for (int second = 1; second <= 80; ++second) {
            clock->advance(1);
            tick(form);
            if (second == 40)
                chooseTwelveHourNotation();
            if (second % 9 == 0) {
                clockwindow::ReadoutLabel *readout = form.Label1->isVisible() ? form.Label1 : form.Label2;
                QTest::mouseClick(readout, Qt::LeftButton);
                QCOMPARE(readout->text(), u"2026/12/06"_s);
            }
            QVERIFY2(shownPixels(form) == freshPixels(form), qPrintable(clock->now().toString()));
        }
    }

    void theReadoutShouldBeDrawnAsQtDrawsTextInEveryScript()
    {
        clock->set(today(11, 54, 13));
        Form1 &form = shownClock();
        chooseTwelveHourNotation();
        const auto drawnAsQtDrawsIt = [&form] {
            QImage readout(form.Label2->size(), QImage::Format_ARGB32_Premultiplied);
            readout.fill(Qt::transparent);
            QImage drawnByQt = readout;
            form.Label2->render(&readout, {}, {}, QWidget::DrawChildren);
            // Qt's own text drawing into the same box, in the window's left-to-right reading order.
            QPainter painter(&drawnByQt);
            painter.setFont(form.Label2->font());
            painter.setPen(Form1::readoutColor);
            painter.setLayoutDirection(form.layoutDirection());
            painter.drawText(form.Label2->rect(), Qt::AlignLeft | Qt::AlignTop, form.Label2->text());
            painter.end();
            return readout == drawnByQt;
        };
        // Read right to left; joined; marks above and below their letters; the layout's own.
        for (const char *timeLocale : {"he_IL", "ar_EG", "th_TH", "ja_JP"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(timeLocale))); // as LC_TIME names it
            tick(form);
            QVERIFY2(drawnAsQtDrawsIt(), timeLocale);
        }
        // A mark after the seconds sits on their last digit, as in the whole text.
        form.Label2->setText(u"11:54:13\u0301"_s);
        QVERIFY(drawnAsQtDrawsIt());
    }

    void theReadoutShouldChangeJustAfterEachSecondOfTheWallClock()
    {
        // The system's own clock, and a start in the middle of a second: a beat that ran a fixed
        // period from its start would show each second half a second late.
        clock.reset();
        QVERIFY(QTest::qWaitFor([] { return qAbs(QDateTime::currentMSecsSinceEpoch() % 1000 - 500) <= 50; }));
        Form1 &form = shownClock();
        QList<qint64> pastTheSecond;
        connect(form.Timer2, &platform::FormTimer::timer, this, [&] {
            const QDateTime now = QDateTime::currentDateTime();
            pastTheSecond << now.toMSecsSinceEpoch() % 1000;
            QCOMPARE(form.Label1->text(), now.time().toString(u"HH:mm:ss"_s));
        });
        QTRY_VERIFY_WITH_TIMEOUT(pastTheSecond.size() >= 4, 6000);
        // One late wake-up on a busy machine is forgiven, not a habit.
        std::sort(pastTheSecond.begin(), pastTheSecond.end());
        QVERIFY2(pastTheSecond[pastTheSecond.size() - 2] <= 50, qPrintable(QDebug::toString(pastTheSecond)));
    }

    void onlyALeftDragShouldMoveTheClockByItsTravel()
    {
        Form1 &form = shownClock();
        const QPoint start = form.pos();
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mousePress(&form, Qt::MiddleButton, {}, QPoint(30, 30));
        moveMouse(form, QPoint(60, 60), Qt::MiddleButton);
        QTest::mouseRelease(&form, Qt::MiddleButton, {}, QPoint(60, 60));
        QCOMPARE(form.pos(), start);

        QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(30, 30));
        moveMouse(form, QPoint(70, 10), Qt::LeftButton);
        QCOMPARE(form.pos(), start + QPoint(40, -20));

        // The release went to another grab; then a press on the readout neither drags nor opens the menu.
        QTest::mousePress(form.Label1, Qt::LeftButton, {}, QPoint(5, 5));
        moveMouse(*form.Label1, QPoint(40, 20), Qt::LeftButton);
        QTest::mouseRelease(form.Label1, Qt::LeftButton, {}, QPoint(40, 20));
        QTest::mouseClick(form.Label1, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(form.pos(), start + QPoint(40, -20));
        QVERIFY(!DefaultInstance<Form2>::exists());
    }

    void theClockShouldComeBackWhenAWindowManagerTakesItAway()
    {
        Form1 &form = shownClock();
        const QPoint place = form.pos();
        for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
            form.setWindowState(state);
            QTRY_COMPARE(form.windowState(), Qt::WindowNoState);
            QCOMPARE(form.pos(), place);
        }
        form.close(); // Alt+F4 and the like
        QVERIFY(platform::FormRuntime::hasEnded());
        QCOMPARE(platform::FormRuntime::exitStatus(), 0);
    }

    void assistiveTechnologyShouldBeToldOfChangesOnlyWhileItListens()
    {
        // What a screen reader says is heard through Orca itself in desktop_orca; here, the cost,
        // and the date peek, by mouse and by key, told as a notification that appears.
        Form1 &form = shownClock();
        static QStringList heard;
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            QAccessibleInterface *source = event->accessibleInterface();
            if (event->type() == QAccessible::NameChanged)
                heard << source->text(QAccessible::Name);
            else if (event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification)
                heard << u"notification "_s + source->text(QAccessible::Name);
        });
        clock->advance(1);
        tick(form);
        QTest::mouseClick(form.Label1, Qt::LeftButton);
        QVERIFY(heard.isEmpty());
        QPlatformAccessibility *listener = QGuiApplicationPrivate::platformIntegration()->accessibility();
        listener->setActive(true);
        clock->advance(1);
        tick(form);
        QTest::mouseClick(form.Label1, Qt::LeftButton);
        // Space, and the keypad's Enter, which comes with the keypad flag set.
        for (const auto &[key, flag] : {std::pair{Qt::Key_Space, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}}) {
            tick(form);
            QTest::keyClick(&form, key, flag);
        }
        listener->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        const QStringList peek{u"10:10:32"_s, u"2026/12/06"_s, u"notification 2026/12/06"_s};
        QCOMPARE(heard, peek + peek + peek);
        // The clock window's value, as a reader asks it of the window, is what its readout shows.
        QCOMPARE(QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Value), u"2026/12/06"_s);
    }

    void theMenuShouldOpenAtThePointerOrFromTheKeyboardOverTheClockOnItsFirstEntry()
    {
        // So that the keyboard, and a screen reader, are on 設定 at once, and the eye on the clock.
        Form1 &form = shownClock();
        QRect where;
        for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
            QCOMPARE(selectedInMenuOpenedBy([&] { QTest::keyClick(&form, key, modifiers); }, &where), u"設定"_s);
            QVERIFY2(where.intersects(form.frameGeometry()), qPrintable(QDebug::toString(where)));
        }
        QCOMPARE(selectedInMenuOpenedBy([&] { QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(130, 40)); }, &where),
                 u"nothing"_s);
        QVERIFY2(where.adjusted(-1, -1, 1, 1).contains(form.mapToGlobal(QPoint(130, 40))), qPrintable(QDebug::toString(where)));
    }

    void anErrorEscapingAHandlerShouldBeReportedAndEndTheProgram()
    {
        for (const bool inATimer : {true, false}) {
            resetForms(); // the program afresh each time
            Form1 &form = shownClock();
            platform::FormTimer timer(inATimer ? 10 : 0, &form);
            connect(&timer, &platform::FormTimer::timer, &form, [] { (void)platform::checked::multiply16(300, 300); });
            std::int32_t percent = 12900; // 12900 × 255 ÷ 100 does not fit 16 bits
            if (!inATimer)
                QTimer::singleShot(0, &form, [&] { form.ColorDataChange(percent); });
            QString report;
            whenModalAppears([&](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                report = u"%1|%2|%3"_s.arg(box->windowTitle(), box->text()).arg(form.isVisible());
                box->button(QMessageBox::Ok)->click();
            });
            QCOMPARE(QCoreApplication::exec(), 1);
            QCOMPARE(report, u"pomuri|実行時エラー '6':\n\nオーバーフローしました。|0"_s); // nothing half-updated stays on screen
        }
    }

private:
    std::unique_ptr<FixedClock> clock;
};

POMURI_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
