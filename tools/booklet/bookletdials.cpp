#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "dialspanel.h"
#include "dialspictures.h"
#include "series.h"

#include "dials/dialsbank.h"

#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace Booklet {

namespace {

// The answer printed for a question, as the key page and the answer pages both show it.
QString answerOf(int question)
{
    return French::number(DialsBank::rightValue(question));
}

QString questionText(char code)
{
    switch (code) {
    case 'C':
        return QStringLiteral("Qu’indique le compte-tours ? (tours/min)");
    case 'V':
        return QStringLiteral("Quelle est la vitesse ? (km/h)");
    case 'P':
        return QStringLiteral("Quelle est la pression d’huile ?");
    case 'A':
        return QStringLiteral("Que vaut l’intensité, en ampères ?");
    case 'E':
        return QStringLiteral("Quel est le niveau d’essence ? (fraction du plein)");
    default:
        return QStringLiteral("Que vaut la température ?");
    }
}

// The dial as the booklet names it, with its article.
QString dialName(char code)
{
    switch (code) {
    case 'C':
        return QStringLiteral("le compte-tours");
    case 'V':
        return QStringLiteral("l’indicateur de vitesse");
    case 'P':
        return QStringLiteral("le manomètre d’huile");
    case 'A':
        return QStringLiteral("l’ampèremètre");
    case 'E':
        return QStringLiteral("la jauge d’essence");
    default:
        return QStringLiteral("le thermomètre");
    }
}

// A numeral as the dial writes it: thousands on the rev counter, quarters on the fuel gauge.
QString numeralText(char code, double value)
{
    switch (code) {
    case 'C':
        return QStringLiteral("%1 (%2 tours/min)").arg(std::lround(value / 1000)).arg(French::number(value));
    case 'E': {
        static const QString quarters[] = { QStringLiteral("0"), QStringLiteral("¼"), QStringLiteral("½"),
            QStringLiteral("¾"), QStringLiteral("1") };
        return quarters[std::clamp(int(std::lround(value * 4)), 0, 4)];
    }
    case 'A':
        return value > 0 ? QStringLiteral("+%1").arg(French::number(value)) : French::number(value);
    default:
        return French::number(value);
    }
}

// How the needle is read: from the written number nearest to it, graduations to the needle.
struct Reading {
    double numeral = 0;
    double steps = 0; // graduations from the numeral to the needle, negative downwards
};

Reading readingOf(const Dial &dial, double value)
{
    const DialScale &scale = dial.scale;
    const double numeralSteps = std::round((value - scale.minimum) / scale.numeralStep);
    const double numeral
        = std::clamp(scale.minimum + numeralSteps * scale.numeralStep, scale.minimum, scale.maximum);
    return { numeral, (value - numeral) / scale.graduation };
}

// "Lecture : 40, puis 1 graduation de 2 → 42"; between two marks, the whole graduations first, then
// the part of the next one.
QString countText(const Dial &dial, const Reading &reading, double value)
{
    const double graduation = dial.scale.graduation;
    const double way = reading.steps < 0 ? -1 : 1;
    const QString down = reading.steps < 0 ? QStringLiteral(" en descendant") : QString();
    const double whole = std::floor(std::abs(reading.steps) + 0.05);
    const double part = std::abs(reading.steps) - whole;
    auto marks = [](double n) {
        return n == 1 ? QStringLiteral("1 graduation") : QStringLiteral("%1 graduations").arg(n);
    };
    const QString start = French::number(reading.numeral);
    if (std::abs(reading.steps) < 0.05)
        return QStringLiteral("l’aiguille est sur le nombre écrit → %1").arg(French::number(value));
    if (part < 0.05)
        return QStringLiteral("%1, puis %2 de %3%4 → %5")
            .arg(start, marks(whole), French::number(graduation), down, French::number(value));
    const QString rest = std::abs(part - 0.5) < 0.05
        ? QStringLiteral("une demi-graduation")
        : QStringLiteral("%1 graduation").arg(French::number(std::round(part * 10) / 10));
    if (whole == 0)
        return QStringLiteral("%1, puis %2%3 → %4").arg(start, rest, down, French::number(value));
    return QStringLiteral("%1, puis %2 de %3%4 → %5, et encore %6 → %7")
        .arg(start, marks(whole), French::number(graduation), down,
            French::number(reading.numeral + way * whole * graduation), rest, French::number(value));
}

// "Nombre écrit le plus proche : 40. Une graduation vaut 2 (...). Lecture : 40, puis 1 graduation de 2
// → 42."
QString readingText(const Dial &dial, double value)
{
    const Reading reading = readingOf(dial, value);
    QString text = QStringLiteral("Nombre écrit le plus proche : %1. Une graduation vaut %2 (%3 d’un nombre "
                                  "écrit au suivant).")
                       .arg(numeralText(dial.code, reading.numeral))
                       .arg(French::number(dial.scale.graduation))
                       .arg(std::lround(dial.scale.numeralStep / dial.scale.graduation));
    if (dial.code == 'A')
        text += QStringLiteral(" Sous le zéro, les valeurs sont négatives.");
    return text + QStringLiteral(" Lecture : %1.").arg(countText(dial, reading, value));
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

// Which classic trap a tempting wrong value is, if any.
DialTrap trapOf(double offered, double right, double graduation)
{
    if (right != 0 && near(offered, -right, 1e-9))
        return DialTrap::Sign;
    if (right != 0 && near(offered * 10, right, std::abs(right) * 0.05))
        return DialTrap::TenTimesLess;
    if (right != 0 && near(offered, right * 10, std::abs(right) * 0.5))
        return DialTrap::TenTimesMore;
    if (near(std::abs(offered - right), graduation, graduation * 1e-6))
        return DialTrap::NextGraduation;
    return DialTrap::None;
}

// Where a wrong value offered beside the right one comes from, beside its button.
QString originOf(double offered, double right, const Dial &dial, const DialPanel &panel)
{
    switch (trapOf(offered, right, dial.scale.graduation)) {
    case DialTrap::Sign:
        return right > 0 ? QStringLiteral("signe : l’aiguille est côté +")
                         : QStringLiteral("signe : l’aiguille est côté −");
    case DialTrap::TenTimesLess:
        return QStringLiteral("dix fois trop petit");
    case DialTrap::TenTimesMore:
        return QStringLiteral("dix fois trop grand");
    case DialTrap::NextGraduation:
        return offered > right ? QStringLiteral("une graduation de trop")
                               : QStringLiteral("une graduation de moins");
    case DialTrap::None:
        break;
    }
    const double steps = (offered - right) / dial.scale.graduation;
    if (std::abs(steps) <= 2.05 && std::abs(steps - std::round(steps)) < 0.05)
        return QStringLiteral("%1 graduations %2")
            .arg(std::lround(std::abs(steps)))
            .arg(steps > 0 ? QStringLiteral("de trop") : QStringLiteral("de moins"));
    if (std::abs(steps) < 0.95)
        return QStringLiteral("moins d’une graduation d’écart");
    if (near(offered, readingOf(dial, right).numeral, 1e-9))
        return QStringLiteral("le nombre écrit, sans les graduations");
    for (const Dial &other : panel.dials) {
        if (other.code != dial.code && near(offered, other.reading(), other.scale.graduation * 0.3))
            return QStringLiteral("lu sur %1").arg(dialName(other.code));
    }
    return QStringLiteral("sans rapport");
}

// Everything but the dial asked about, faded, so that it stands out without a mark covering its numerals.
// A dial's face as arcs, cut by its flat side on a half dial, in panel pixels.
QPainterPath faceOf(const Dial &asked)
{
    const QRectF circle(
        asked.centre.x() - asked.radius, asked.centre.y() - asked.radius, 2 * asked.radius, 2 * asked.radius);
    QPainterPath face;
    switch (asked.face) {
    case DialFace::Round:
        face.addEllipse(circle);
        break;
    case DialFace::UpperHalf: {
        const double below = qRadiansToDegrees(std::asin(std::min(1.0, UpperHalfDepth / asked.radius)));
        face.arcMoveTo(circle, -below);
        face.arcTo(circle, -below, 180 + 2 * below);
        face.closeSubpath();
        break;
    }
    case DialFace::LeftHalf:
        face.arcMoveTo(circle, 90);
        face.arcTo(circle, 90, 180);
        face.closeSubpath();
        break;
    case DialFace::RightHalf:
        face.arcMoveTo(circle, -90);
        face.arcTo(circle, -90, 180);
        face.closeSubpath();
        break;
    }
    return face;
}

// The dials the page's questions ask about, ringed and numbered with their question on the one panel.
void markAskedDial(BookletWriter &writer, const Dial &dial, int question, const QTransform &toPage)
{
    QPainter &painter = writer.painter();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(200, 0, 0), writer.mm(0.6)));
    painter.drawPath(toPage.map(faceOf(dial)));
    painter.restore();
    const QRectF bounds = toPage.mapRect(dial.bounds());
    BookletDrawing::badge(writer, bounds.topLeft() + QPointF(writer.mm(2.4), writer.mm(2.4)),
        QString::number(question), true, 4.4);
}

void drawQuestion(BookletWriter &writer, const DialPanel &panel, int question, double top)
{
    const char code = DialsBank::InstrumentCodes[size_t(question - 1)];
    const Dial dial = panel.dial(code);
    const int rightButton = DialsBank::AnswerKey[size_t(question - 1)];
    const double right = DialsBank::rightValue(question);
    const QString reading = answerOf(question);
    writer.beginQuestion(question, top);
    writer.text({ BookletWriter::Margin, top, 108, 6 }, answerLine(question, reading), writer.font(11, true));
    const double readingBottom = top + 7
        + writer.text({ BookletWriter::Margin, top + 7, 106, 26 }, French::typeset(readingText(dial, right)),
            writer.font(8.5));

    const double left = BookletWriter::Margin + 111;
    const double width = BookletWriter::ContentWidth - 111;
    double y = top;
    y += writer.text({ left, y, width, 12 }, French::typeset(questionText(code)), writer.font(9, true)) + 1.5;
    // The five buttons as on the screen; the right one framed thick and ticked, beside each other one
    // where its value comes from.
    const double buttonHeight = 4.6;
    QPainter &painter = writer.painter();
    const auto &offered = DialsBank::ChoiceValues[size_t(question - 1)];
    for (int k = 0; k < DialsBank::ButtonCount; ++k) {
        const bool isRight = k + 1 == rightButton;
        const double value = offered[size_t(k)];
        const QRectF button(left, y + k * (buttonHeight + 0.8), 16, buttonHeight);
        painter.save();
        painter.setPen(QPen(Qt::black, writer.mm(isRight ? 0.7 : 0.2)));
        painter.setBrush(isRight ? QColor(225, 225, 225) : QColor(Qt::white));
        painter.drawRect(writer.mm(button));
        painter.restore();
        writer.text(
            button, French::number(value), writer.font(8.5, isRight), Qt::AlignHCenter | Qt::AlignVCenter);
        const QRectF note = button.translated(18, 0).adjusted(0, 0, width - 34, 0);
        if (isRight) {
            writer.text(note, QStringLiteral("✔ bouton %1").arg(rightButton), writer.font(8.5, true),
                Qt::AlignVCenter);
            continue;
        }
        const QString origin = value == right ? QStringLiteral("la bonne valeur, mais pas le bon bouton")
                                              : originOf(value, right, dial, panel);
        writer.text(note, French::typeset(QStringLiteral("✘ ") + origin), writer.font(7.5, false, true),
            Qt::AlignVCenter);
    }
    // A value offered twice: said plainly, and which of the two scores.
    for (int k = 0; k < DialsBank::ButtonCount; ++k) {
        QStringList buttons { QString::number(k + 1) };
        for (int other = k + 1; other < DialsBank::ButtonCount; ++other) {
            if (offered[size_t(other)] == offered[size_t(k)])
                buttons.append(QString::number(other + 1));
        }
        if (buttons.size() < 2
            || std::find(offered.begin(), offered.begin() + k, offered[size_t(k)]) != offered.begin() + k)
            continue;
        QString text = QStringLiteral("%1 est proposé deux fois (boutons %2)")
                           .arg(French::number(offered[size_t(k)]), buttons.join(QStringLiteral(" et ")));
        text += offered[size_t(k)] == right
            ? QStringLiteral(" : seul le bouton %1 rapporte le point.").arg(rightButton)
            : QStringLiteral(" : ni l’un ni l’autre n’est juste.");
        writer.text({ BookletWriter::Margin, readingBottom + 1.5, 106, 8 }, French::typeset(text),
            writer.font(8.5, true));
    }
}

} // namespace

QStringList dialAnswers()
{
    QStringList answers;
    for (int question = 1; question <= DialsBank::QuestionCount; ++question)
        answers.append(answerOf(question));
    return answers;
}

QString dialTrapExample(DialTrap trap)
{
    for (int question = 1; question <= DialsBank::QuestionCount; ++question) {
        const Dial dial = DialPanels::standardDial(DialsBank::InstrumentCodes[size_t(question - 1)]);
        for (const double offered : DialsBank::ChoiceValues[size_t(question - 1)]) {
            if (trapOf(offered, DialsBank::rightValue(question), dial.scale.graduation) == trap)
                return QStringLiteral("%1 proposé pour %2")
                    .arg(French::number(offered), French::number(DialsBank::rightValue(question)));
        }
    }
    return {};
}

void dialSection(BookletWriter &writer, int series)
{
    // A page to a panel: the panel once, its five asked dials ringed and numbered, then its questions.
    constexpr double PanelHeight = BookletWriter::ContentWidth * DialPanels::Height / DialPanels::Width;
    constexpr double QuestionHeight
        = (BookletWriter::ContentBottom - BookletWriter::ContentTop - PanelHeight - 4)
        / DialsBank::QuestionsPerPanel;
    for (int panelNumber = DialsBank::FirstPanel; panelNumber <= DialsBank::LastPanel; ++panelNumber) {
        if (panelNumber != DialsBank::FirstPanel)
            writer.newPage();
        const DialPanel panel = DialPanels::questionPanel(panelNumber, series);
        const int first = (panelNumber - DialsBank::FirstPanel) * DialsBank::QuestionsPerPanel + 1;
        const QTransform toPage = BookletDrawing::placePicture(writer,
            { DialPanels::Width, DialPanels::Height },
            { BookletWriter::Margin, BookletWriter::ContentTop, BookletWriter::ContentWidth, PanelHeight },
            [&panel](QPainter &painter) { paintDialPanel(painter, panel); });
        for (int question = first; question < first + DialsBank::QuestionsPerPanel; ++question)
            markAskedDial(
                writer, panel.dial(DialsBank::InstrumentCodes[size_t(question - 1)]), question, toPage);
        for (int k = 0; k < DialsBank::QuestionsPerPanel; ++k)
            drawQuestion(
                writer, panel, first + k, BookletWriter::ContentTop + PanelHeight + 5 + k * QuestionHeight);
    }
}

namespace {

[[maybe_unused]] const bool Registered = TestRegistry<TestEntry>::add({ .test = DialsBank::Test,
    .method = dialMethod,
    .layout = DialLayout,
    .draw = dialSection,
    .paperLayout = DialPaper,
    .drawPaper = dialPaper,
    .answers = dialAnswers });

} // namespace

} // namespace Booklet
