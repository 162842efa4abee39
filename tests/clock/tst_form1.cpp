#include "TestSupport.h"

#include "clock/Form1.h"
#include "clock/ReadoutLabel.h"
#include "menu/Form2.h"
#include "platform/FormTimer.h"
#include "platform/WindowOpacity.h"
#include "settings/Form4.h"

#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;
using platform::DefaultInstance;
using platform::defaultInstance;

namespace {

bool isNear(const QColor &actual, const QColor &expected, int tolerance = 40)
{
    return std::abs(actual.red() - expected.red()) <= tolerance && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

int countPixelsNear(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isNear(image.pixelColor(x, y), colour, 30);
    return count;
}

/// The point at a fraction of a hand's length from its fixed end.
QPoint along(const HandLine &line, double fraction)
{
    return QPointF(line.x2 + (line.x1 - line.x2) * fraction, line.y2 + (line.y1 - line.y2) * fraction).toPoint();
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        pinScreen1024x768();
    }
    void init() { clock = std::make_unique<FixedClock>(today(19, 5, 9)); }
    void cleanup()
    {
        resetForms();
        clock.reset();
    }

    // Runs first, while this process does not hold the lock yet.
    void secondCopyShouldWarnAndEndWithoutShowingTheClock()
    {
        QProcess firstCopy;
        firstCopy.start(QStringLiteral(PROBE_PATH), {});
        QVERIFY(firstCopy.waitForReadyRead(10000));
        QCOMPARE(firstCopy.readLine().trimmed(), "running");

        QString text;
        QString caption;
        QMessageBox::Icon icon{};
        QMessageBox::StandardButtons buttons;
        whenModalAppears([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            QTest::keyClick(box, Qt::Key_Return);
        });
        Form1 &form = defaultInstance<Form1>();

        QCOMPARE(text, u"すでに「pomuri」は起動されています。"_s);
        QCOMPARE(caption, u"pomuri"_s);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::Ok);
        QVERIFY(platform::FormRuntime::hasEnded());
        QCOMPARE(platform::FormRuntime::exitStatus(), 0);
        QVERIFY(!form.isVisible());
        QCOMPARE(firstCopy.state(), QProcess::Running);
        firstCopy.kill();
        firstCopy.waitForFinished();
    }

    void startUpShouldShowTheLaidOutClock()
    {
        Form1 &form = defaultInstance<Form1>();
        QVERIFY(!platform::FormRuntime::hasEnded());
        QCOMPARE(form.pos(), QPoint(834, 545));
        QCOMPARE(form.size(), QSize(178, 167));
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form.windowFlags().testFlag(Qt::Tool)); // no taskbar entry
        QCOMPARE(form.windowTitle(), u"ぽむりの時計"_s);
        QCOMPARE(int(platform::windowAlpha(form)), 89);
        QCOMPARE(form.opacityPercentValue(), 35);

        QVERIFY(DefaultInstance<Form4>::exists());
        Form4 &settings = defaultInstance<Form4>();
        QVERIFY(!settings.isVisible());
        QCOMPARE(settings.Text1->text(), u"35"_s);
        QCOMPARE(settings.HScroll1->value(), 35);
        for (QRadioButton *selected : {settings.Option1, settings.Option2, settings.Option4, settings.Option6})
            QVERIFY2(selected->isChecked(), qPrintable(selected->objectName()));
        QVERIFY(!DefaultInstance<Form2>::exists());

        QVERIFY(form.Label1->isVisibleTo(&form));
        QCOMPARE(form.Label1->text(), u"19:05:09"_s);
        QVERIFY(form.Label1->hasTransparentBackground());
        QVERIFY(!form.Label2->isVisibleTo(&form));
        QCOMPARE(form.Label2->text(), u"Label2"_s);
        QCOMPARE(form.Label1->geometry(), QRect(48, 104, 89, 25));
        QCOMPARE(form.Label2->geometry(), QRect(40, 104, 105, 25));
        QCOMPARE(form.Label1->font().family(), u"IPAPGothic"_s);
        QVERIFY(form.Label1->font().bold());

        QCOMPARE(form.Timer1->interval(), 1000);
        QCOMPARE(form.Timer3->interval(), 5000);
        QVERIFY(form.Timer2->isTicking() && form.Timer4->isTicking());
        QVERIFY(!form.Timer5->isTicking());
        // Until the first tick the hands stand where the layout puts them.
        QCOMPARE(QPointF(form.Line3.x1, form.Line3.y1), QPointF(120, 24));
    }

    void handsShouldFollowTheTimeTextOnly()
    {
        Form1 &form = defaultInstance<Form1>();
        clock->set(today(3, 0, 0));
        form.Timer2_Timer();
        form.Timer1_Timer();
        QCOMPARE(QPointF(form.Line1.x1, form.Line1.y1), QPointF(133, 80));
        QCOMPARE(QPointF(form.Line2.x1, form.Line2.y1), QPointF(88, 20));
        QCOMPARE(QPointF(form.Line3.x1, form.Line3.y1), QPointF(88, 20));

        // A second tick with the same time text leaves the hands alone.
        form.Line3.x1 = -1;
        form.Timer1_Timer();
        QCOMPARE(form.Line3.x1, -1.0f);

        // The hands read the text, not the clock: the clock alone moving does nothing.
        clock->set(today(3, 0, 15));
        form.Timer1_Timer();
        QCOMPARE(form.Line3.x1, -1.0f);
        form.Timer2_Timer();
        form.Timer1_Timer();
        QCOMPARE(QPointF(form.Line3.x1, form.Line3.y1), QPointF(148, 80));
        QCOMPARE(form.Line3.x2, 88.0f); // the fixed end stays put
    }

    void readoutsShouldRefreshEverySecondAndPeekTheDate()
    {
        Form1 &form = defaultInstance<Form1>();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        clock->set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
        form.Timer2_Timer();
        form.Timer4_Timer();
        QCOMPARE(form.Label1->text(), u"23:59:59"_s);
        QCOMPARE(form.Label2->text(), u"11:59:59 午後"_s);

        QTest::mouseClick(form.Label1, Qt::RightButton);
        QCOMPARE(form.Label1->text(), u"2026/12/31"_s);
        form.Timer4_Timer(); // the other readout's refresh does not end the peek
        QCOMPARE(form.Label1->text(), u"2026/12/31"_s);
        clock->advance(1);
        form.Timer2_Timer();
        QCOMPARE(form.Label1->text(), u"00:00:00"_s);
        QCOMPARE(form.currentTimeTextValue(), u"00:00:00"_s);
    }

    void pressOnTheReadoutShouldNeitherDragNorOpenTheMenu()
    {
        Form1 &form = defaultInstance<Form1>();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint start = form.pos();
        QTest::mousePress(form.Label1, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(form.Label1, QPoint(40, 20));
        QTest::mouseRelease(form.Label1, Qt::LeftButton, {}, QPoint(40, 20));
        QCOMPARE(form.pos(), start);
        QTest::mousePress(form.Label1, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(form.Label1, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!DefaultInstance<Form2>::exists());
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(form.Label1->text(), u"2026/12/06"_s);
    }

    void leftDragShouldMoveTheWindowByTheMousesTravel()
    {
        Form1 &form = defaultInstance<Form1>();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint start = form.pos();
        QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(form.pos(), start);

        QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseMove(&form, QPoint(70, 10));
        QCOMPARE(form.pos(), start + QPoint(40, -20));
        // The window moved under the mouse, so the pointer is back at (30, 30) of the window.
        QTest::mouseMove(&form, QPoint(40, 40));
        QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(form.pos(), start + QPoint(50, -10));
        QTest::mouseMove(&form, QPoint(90, 90)); // no button held: the window stays
        QCOMPARE(form.pos(), start + QPoint(50, -10));

        QTest::mousePress(&form, Qt::MiddleButton, {}, QPoint(30, 30));
        QTest::mouseMove(&form, QPoint(60, 60));
        QTest::mouseRelease(&form, Qt::MiddleButton, {}, QPoint(60, 60));
        QCOMPARE(form.pos(), start + QPoint(50, -10));
    }

    void rightPressShouldOpenTheMenuAndNotMove()
    {
        Form1 &form = defaultInstance<Form1>();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint start = form.pos();
        QStringList entries;
        QTimer::singleShot(50, &form, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *action : menu->actions())
                entries << action->text();
            menu->close();
        });
        QTest::mousePress(&form, Qt::RightButton, {}, QPoint(30, 30));
        QTest::mouseMove(&form, QPoint(60, 60));
        QTest::mouseRelease(&form, Qt::RightButton, {}, QPoint(60, 60));
        QCOMPARE(entries, QStringList{u"設定"_s});
        QCOMPARE(form.pos(), start);
        QVERIFY(DefaultInstance<Form2>::exists());
        QVERIFY(!defaultInstance<Form2>().isVisible());
        QVERIFY(!defaultInstance<Form4>().isVisible()); // dismissed without choosing
    }

    void shouldRenderTheFaceHandsAndReadout()
    {
        clock->set(today(3, 0, 45));
        Form1 &form = defaultInstance<Form1>();
        form.Timer2_Timer();
        form.Timer1_Timer();
        const QImage image = form.grab().toImage();
        QCOMPARE(image.size(), QSize(178, 167));

        for (const QPoint corner : {QPoint(0, 0), QPoint(177, 0), QPoint(0, 166), QPoint(177, 166), QPoint(177, 80)})
            QVERIFY2(isNear(image.pixelColor(corner), Qt::white, 5), qPrintable(u"corner %1,%2"_s.arg(corner.x()).arg(corner.y())));
        QVERIFY(isNear(image.pixelColor(130, 40), Form1::faceColor, 5));
        QVERIFY(isNear(image.pixelColor(60, 140), Form1::faceColor, 5));
        // The 2-pixel border sits inside the circle's box: top, left and right.
        QVERIFY(isNear(image.pixelColor(88, 1), Qt::black));
        QVERIFY(isNear(image.pixelColor(9, 80), Qt::black));
        QVERIFY(isNear(image.pixelColor(168, 80), Qt::black));
        QVERIFY(isNear(image.pixelColor(88, 163), Qt::white, 5)); // below the circle

        QVERIFY(isNear(image.pixelColor(along(form.Line1, 0.8)), form.Line1.color));
        QVERIFY(isNear(image.pixelColor(along(form.Line2, 0.7)), form.Line2.color));
        QVERIFY(isNear(image.pixelColor(along(form.Line3, 0.7)), form.Line3.color));
        QVERIFY(countPixelsNear(image, form.Label1->geometry(), Form1::readoutColor) > 40);
        QCOMPARE(countPixelsNear(image, QRect(0, 0, 178, 100), Form1::readoutColor), 0);
    }

    void closingTheWindowShouldEndTheProgram()
    {
        Form1 &form = defaultInstance<Form1>();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.close();
        QVERIFY(platform::FormRuntime::hasEnded());
        QCOMPARE(platform::FormRuntime::exitStatus(), 0);
    }

private:
    std::unique_ptr<FixedClock> clock;
};

POMURI_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
