#include "TestSupport.h"

#include "menu/Form2.h"
#include "menu/Form3.h"
#include "platform/RuntimeError.h"
#include "settings/Form4.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;
using platform::DefaultInstance;
using platform::defaultInstance;

class TestMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { resetForms(); }

    void menuFormShouldCarryOneSettingsEntryAndNeverShow()
    {
        Form2 &form = defaultInstance<Form2>();
        QMenu *menu = form.mnuFile(1);
        QCOMPARE(menu->title(), u"ファイル"_s);
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(form.about(11), menu->actions().constFirst());
        QCOMPARE(form.about(11)->text(), u"設定"_s);
        QVERIFY(form.about(11)->isEnabled() && form.about(11)->isVisible() && !form.about(11)->isCheckable());
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, (void)form.mnuFile(2));

        for (int i = 0; i < 3; ++i)
            form.about(11)->trigger();
        QVERIFY(!form.isVisible());
        QVERIFY(form.windowFlags().testFlag(Qt::Tool)); // never a taskbar entry
        QVERIFY(defaultInstance<Form4>().isVisible());
    }

    void aboutShouldBeLaidOutAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QColor>("colour");
        const QColor plain = QPalette().color(QPalette::WindowText);
        QTest::newRow("Label1") << u"Label1"_s << QRect(1440, 120, 2415, 255) << u"ぽむりの時計　改良版"_s
                                << u"IPAPGothic/12/bold"_s << QColor(255, 0, 0);
        QTest::newRow("Picture1") << u"Picture1"_s << QRect(360, 240, 495, 615) << QString() << QString() << plain;
        QTest::newRow("Command1") << u"Command1"_s << QRect(3360, 2640, 975, 375) << u"O k"_s << QString() << plain;
        QTest::newRow("Label2") << u"Label2"_s << QRect(360, 960, 855, 255) << u"免責事項"_s
                                << u"IPAPGothic/9/bold"_s << plain;
        QTest::newRow("Label3") << u"Label3"_s << QRect(480, 1200, 4215, 735)
                                << u"このソフトを使用して生じたいかなる障害も作者は一切責任を負いません。自己責任でご使用ください。"
                                   u"又不具合やバグなどがございましたらメールにて問い合わせください。"_s
                                << QString() << plain;
        QTest::newRow("Label4") << u"Label4"_s << QRect(480, 2160, 3975, 255) << QString()
                                << u"IPAGothic/11.25/bold italic"_s << QColor(0, 192, 0);
        QTest::newRow("Label5") << u"Label5"_s << QRect(1440, 600, 2535, 255) << u"バージョン：0.0.8"_s
                                << u"IPAGothic/12/bold"_s << QColor(0, 0, 255);
    }
    void aboutShouldBeLaidOutAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(QString, font);
        QFETCH(QColor, colour);
        Form3 &form = defaultInstance<Form3>();
        QCOMPARE(form.windowTitle(), u"このソフトについて"_s);
        auto *control = form.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        if (auto *label = qobject_cast<QLabel *>(control)) {
            if (!caption.isEmpty())
                QCOMPARE(label->text(), caption);
            else
                QVERIFY(label->text().contains(u"@example.com"_s));
        }
        if (!font.isEmpty()) {
            const QFont actual = control->font();
            const QString style = actual.bold() ? (actual.italic() ? u"bold italic"_s : u"bold"_s) : u"regular"_s;
            QCOMPARE(u"%1/%2/%3"_s.arg(actual.family()).arg(actual.pointSizeF()).arg(style), font);
        }
        QCOMPARE(control->palette().color(QPalette::WindowText), colour);
    }

    void aboutShouldTakeFocusOnThePictureAndCloseOnlyThroughItsButton()
    {
        Form3 *form = &defaultInstance<Form3>();
        platform::FormRuntime::show(*form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), form->Picture1);
        QTest::keyClick(form->Picture1, Qt::Key_Return);
        QTest::keyClick(form->Picture1, Qt::Key_Escape);
        QVERIFY(DefaultInstance<Form3>::exists() && form->isVisible());

        QTest::keyClick(form->Picture1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Command1);
        QTest::keyClick(form->Command1, Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QTest::keyClick(form->Command1, Qt::Key_Return);
        QVERIFY(!DefaultInstance<Form3>::exists());
        QVERIFY(!form->isVisible());

        form = &defaultInstance<Form3>();
        platform::FormRuntime::show(*form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->close(); // the close box unloads too
        QVERIFY(!DefaultInstance<Form3>::exists());
    }

    void everyOpeningShouldLookTheSame()
    {
        Form3 *form = &defaultInstance<Form3>();
        platform::FormRuntime::show(*form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QImage first = form->grab().toImage();
        form->resize(600, 400); // resizing moves no control
        QCOMPARE(form->Command1->geometry(), QRect(224, 176, 65, 25));
        form->Command1->click();

        form = &defaultInstance<Form3>();
        platform::FormRuntime::show(*form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->size(), QSize(312, 213));
        QCOMPARE(form->grab().toImage(), first);
    }
};

POMURI_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
