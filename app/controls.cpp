#include "controls.h"

#include "logosize.h"
#include "picturebox.h"
#include "twips.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>

#include <algorithm>

namespace {

// The faces the screens were designed with, then the free face with the same letter widths.
const QStringList &designedSans()
{
    static const QStringList faces = { QStringLiteral("MS Sans Serif"),
        QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans") };
    return faces;
}
constexpr int SubstituteStretch = 88;

// The faces of `wanted` the system has, in order.
QStringList installedFaces(const QStringList &wanted)
{
    static const QStringList known = [] {
        QStringList families;
        // A family several foundries make is listed once for each, as "Family [Foundry]".
        for (const QString &listed : QFontDatabase::families())
            families.append(listed.section(QStringLiteral(" ["), 0, 0));
        return families;
    }();
    QStringList installed;
    for (const QString &family : wanted) {
        if (known.contains(family, Qt::CaseInsensitive))
            installed.append(family);
    }
    return installed;
}

// The faces to ask for, read once. Asked for a face it does not have, Qt runs fontconfig's whole
// fallback search for that name before trying the next one; a face listed after the first makes
// it work out the first one's fallbacks for missing letters at once rather than when a letter is
// missing. So the list holds only faces the system has, and the free wide face only when none of
// the designed ones is there. None known by its name: the system's substitutions choose.
const QStringList &sansFamilies()
{
    static const QStringList families = [] {
        const QStringList designed = installedFaces(designedSans());
        if (!designed.isEmpty())
            return designed;
        const QStringList wide = { QStringLiteral("DejaVu Sans") };
        return installedFaces(wide).isEmpty() ? designedSans() + wide : wide;
    }();
    return families;
}

template <class Control>
Control *placed(Control *control, const char *name, const QRect &rect, const QFont &font)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rect);
    control->setFont(font);
    return control;
}

} // namespace

QFont sansFont(double pointSize, bool bold, bool italic)
{
    QFont font;
    font.setFamilies(sansFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Any other face is wider than the ones the layouts were designed with: narrow it so the
    // texts keep to their places. Which face the system gives does not change while the program
    // runs: asked once for each of the few fonts of the screens, not for each control.
    static QHash<QString, bool> substituted;
    const QString key = font.key();
    auto found = substituted.constFind(key);
    if (found == substituted.cend())
        found = substituted.insert(key, !designedSans().contains(QFontInfo(font).family()));
    if (*found)
        font.setStretch(SubstituteStretch);
    return font;
}

QFont explanationFont(bool italic)
{
    QFont font;
    // DejaVu Sans comes from a face drawn to the same wide proportions as the designed one.
    static const QStringList families = [] {
        const QStringList wanted = { QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans") };
        const QStringList installed = installedFaces(wanted);
        return installed.isEmpty() ? wanted : installed;
    }();
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
    int height, const QFont &font)
{
    auto label = placed(new QLabel(text, parent), name, twipsRect(left, top, width, height), font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

namespace {

// Enter and keypad Enter press the focused button, as Space does; no button of a screen is a
// default one that Enter would reach from a box. Held down, Enter presses once.
// One deliberate action answers once: a mnemonic clicks at once and its held key's repeats click
// nothing. Every press counts, however fast it follows the one before (the double click begun on
// the screen before is the DoubleClickGuard's).
class CommandButton : public QPushButton {
public:
    CommandButton(const QString &caption, QWidget *parent)
        : QPushButton(caption, parent)
    {
        setAutoDefault(true);
        // The button's own mnemonic would click 100 ms later, losing an answer typed meanwhile,
        // and repeat with the key. Taken from the caption once: the captions set later (the
        // dials' values) have none.
        const QKeySequence mnemonic = shortcut();
        setShortcut(QKeySequence());
        if (!mnemonic.isEmpty()) {
            auto key = new QShortcut(mnemonic, this);
            key->setAutoRepeat(false);
            connect(key, &QShortcut::activated, this, &QAbstractButton::click);
        }
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (isRepeatedEnter(event))
            return;
        QPushButton::keyPressEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        // The platform delivers the second press of a quick pair as this event alone, with no
        // press before it: it is a press like any other.
        if (!isDown())
            mousePressEvent(event);
    }
};

} // namespace

bool isRepeatedEnter(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && event->isAutoRepeat();
}

QPushButton *makeButton(
    QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    return placed(
        new CommandButton(caption, parent), name, twipsRect(left, top, width, height), sansFont(8.25));
}

QGroupBox *makeFrame(
    QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    return placed(new QGroupBox(caption, parent), name, twipsRect(left, top, width, height), sansFont(8.25));
}

void growToFit(QLabel *label)
{
    if (label->wordWrap())
        label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    else
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

PictureBox *makePictureBox(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto box = new PictureBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(twipsRect(left, top, width, height));
    return box;
}

PictureBox *makeLogoBox(QWidget *parent, int left, int top)
{
    PictureBox *box = makePictureBox(
        parent, "Picture2", left, top, LogoSize.width() * TwipsPerPixel, LogoSize.height() * TwipsPerPixel);
    box->setBorder(false);
    return box;
}

QLabel *makeClockLabel(QWidget *parent, int left, int top)
{
    QLabel *label = makeLabel(parent, "Horloge", QString(), left, top, 1815, 615, sansFont(18));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false);
    label->setAutoFillBackground(true);
    QPalette teal = label->palette();
    teal.setColor(QPalette::Window, QColor(0, 192, 192));
    label->setPalette(teal);
    return label;
}

namespace {

class LineShape : public QWidget {
public:
    LineShape(QWidget *parent, QPoint from, QPoint to)
        : QWidget(parent)
    {
        const QRect bounds = QRect(from, to).normalized().adjusted(-1, -1, 1, 1);
        setGeometry(bounds);
        start = from - bounds.topLeft();
        end = to - bounds.topLeft();
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(start, end);
    }

private:
    QPoint start;
    QPoint end;
};

} // namespace

QWidget *makeLine(QWidget *parent, const char *name, int x1, int y1, int x2, int y2)
{
    auto line = new LineShape(parent, QPoint(px(x1), px(y1)), QPoint(px(x2), px(y2)));
    line->setObjectName(QString::fromLatin1(name));
    return line;
}
