#include "menu/Form3.h"

#include "platform/forms/LayoutFonts.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;
using platform::FormRuntime;

namespace {

/// A picture box showing the application icon at its natural size from the top-left corner,
/// clipped by the box. It takes the keyboard focus like any picture box, and is a picture to
/// assistive technology.
class IconBox : public QFrame
{
    Q_OBJECT
public:
    explicit IconBox(QWidget *parent)
        : QFrame(parent)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.setClipRect(inside);
        painter.drawPixmap(inside.topLeft(), QApplication::windowIcon().pixmap(32, 32));
        if (hasFocus()) {
            QPen dotted(palette().color(QPalette::WindowText), 1, Qt::DotLine);
            painter.setPen(dotted);
            painter.drawRect(inside.adjusted(0, 0, -1, -1));
        }
    }
};

QAccessibleInterface *pictureInterface(const QString &className, QObject *object)
{
    if (className == u"IconBox"_s)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

QLabel *label(const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    result->setGeometry(geometry);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setTextFormat(Qt::PlainText);
    return result;
}

/// A one-line label whose font draws its text wider than the layout's box (a bold face the font
/// engine makes up, as Windows does) grows to the right, where nothing else is, rather than cut
/// its last character off.
void fitText(QLabel *label)
{
    const int ink = label->fontMetrics().tightBoundingRect(label->text()).right() + 2;
    if (ink > label->contentsRect().right())
        label->resize(label->width() + ink - label->contentsRect().right(), label->height());
}

void colour(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

Form3::Form3()
{
    using namespace platform::fonts;
    setObjectName(u"Form3"_s);
    setWindowTitle(u"このソフトについて"_s);
    resize(platform::px(clientWidthTwips), platform::px(clientHeightTwips));
    setFont(proportionalGothic(9));
    static const bool pictureKnown = (QAccessible::installFactory(pictureInterface), true);
    Q_UNUSED(pictureKnown);

    // Created in tab order, which is also the focus chain.
    Label1 = label(u"Label1"_s, u"ぽむりの時計　改良版"_s, Label1Rect.pixels(), this);
    Label1->setFont(proportionalGothic(12, Bold));
    colour(Label1, titleColor);

    Picture1 = new IconBox(this);
    Picture1->setObjectName(u"Picture1"_s);
    Picture1->setGeometry(Picture1Rect.pixels());

    Command1 = new QPushButton(u"O k"_s, this);
    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(Command1Rect.pixels());
    // Enter presses the button only while it has the focus; the window has no default button.
    Command1->setAutoDefault(true);
    Command1->setAccessibleDescription(u"「このソフトについて」を閉じます"_s);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);

    Label2 = label(u"Label2"_s, u"免責事項"_s, Label2Rect.pixels(), this);
    Label2->setFont(proportionalGothic(9, Bold));

    const QString disclaimer = u"このソフトを使用して生じたいかなる障害も作者は一切責任を負いません。"
                               u"自己責任でご使用ください。又不具合やバグなどがございましたらメールにて問い合わせください。"_s;
    Label3 = label(u"Label3"_s, {}, Label3Rect.pixels(), this);
    Label3->setWordWrap(true);
    // Lines one em apart, as with the layout's own font: IPAPGothic's wider spacing would push the
    // fourth line out of the box.
    const QFontInfo disclaimerFont(Label3->font());
    Label3->setTextFormat(Qt::RichText);
    Label3->setText(u"<p style=\"line-height:%1%\">%2</p>"_s
                        .arg(100.0 * disclaimerFont.pixelSize() / QFontMetricsF(Label3->font()).lineSpacing())
                        .arg(disclaimer));

    Label4 = label(u"Label4"_s, u"連絡先：pomuri@example.com"_s, Label4Rect.pixels(), this);
    Label4->setFont(fixedGothic(11.25, Bold | Italic));
    colour(Label4, contactColor);

    Label5 = label(u"Label5"_s, u"バージョン：0.0.8"_s, Label5Rect.pixels(), this);
    Label5->setFont(fixedGothic(12, Bold));
    colour(Label5, versionColor);

    for (QLabel *line : {Label1, Label4, Label5})
        fitText(line);

    // The focus starts on the picture, which a screen reader reads first: it says what the window says.
    Picture1->setAccessibleName(Label1->text() + u"　"_s + Label5->text());
    Picture1->setAccessibleDescription(disclaimer + u"　"_s + Label4->text());
    Picture1->setFocus();
}

void Form3::Command1_Click()
{
    FormRuntime::unload(*this);
}

#include "Form3.moc"
