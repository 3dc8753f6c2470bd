#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "dialpanel.h"
#include "dialpictures.h"
#include "series.h"

#include "dials/dialbank.h"

#include <QPainterPath>

#include <cmath>

namespace Booklet {

namespace {

// The answer printed for a question, as the key page and the answer pages both show it.
QString answerOf(int question)
{
    return French::number(DialBank::rightValue(question));
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

// What one graduation of the dial is worth, and how its numerals read.
QString graduationText(const Dial &dial)
{
    const QString step = French::number(dial.scale.graduation);
    switch (dial.code) {
    case 'C':
        return QStringLiteral("Une graduation vaut %1 tours/min ; les nombres écrits sont des milliers "
                              "(6 = 6000).")
            .arg(step);
    case 'V':
        return QStringLiteral("Une graduation vaut %1 km/h.").arg(step);
    case 'E':
        return QStringLiteral("Une graduation vaut un huitième du plein (%1).").arg(step);
    case 'A':
        return QStringLiteral("Une graduation vaut %1 ampères ; sous le zéro, les valeurs sont négatives.")
            .arg(step);
    default:
        return QStringLiteral("Une graduation vaut %1.").arg(step);
    }
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

// Why the value is wrong, beside its button.
QString trapText(DialTrap trap, double right)
{
    switch (trap) {
    case DialTrap::Sign:
        return right > 0 ? QStringLiteral("signe : aiguille côté +")
                         : QStringLiteral("signe : aiguille côté −");
    case DialTrap::TenTimesLess:
        return QStringLiteral("dix fois trop petit");
    case DialTrap::TenTimesMore:
        return QStringLiteral("dix fois trop grand");
    case DialTrap::NextGraduation:
        return QStringLiteral("une graduation d’écart");
    case DialTrap::None:
        break;
    }
    return {};
}

// Everything but the dial asked about, faded, so that it stands out without a mark covering its numerals.
void fadeOtherDials(BookletWriter &writer, const Dial &asked, const QTransform &toPage)
{
    QPainterPath faded;
    faded.addRect(toPage.mapRect(QRectF(0, 0, DialPanels::Width, DialPanels::Height)));
    // The face: its circle, cut to its bounds where it is a half dial.
    QPainterPath circle;
    const double radius = toPage.m11() * asked.radius;
    circle.addEllipse(toPage.map(asked.centre), radius, radius);
    QPainterPath bounds;
    bounds.addRect(toPage.mapRect(asked.bounds()));
    const QPainterPath kept = circle.intersected(bounds);
    writer.painter().fillPath(faded.subtracted(kept), QColor(255, 255, 255, 170));
}

void drawQuestion(BookletWriter &writer, const DialPanel &panel, int question, double top)
{
    const char code = DialBank::InstrumentCodes[size_t(question - 1)];
    const Dial dial = panel.dial(code);
    const int rightButton = DialBank::AnswerKey[size_t(question - 1)];
    const double right = DialBank::rightValue(question);
    const QString reading = answerOf(question);
    writer.beginQuestion(question, top);
    writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 6 }, answerLine(question, reading),
        writer.font(11, true));

    const QTransform toPage = BookletDrawing::placePicture(writer, { DialPanels::Width, DialPanels::Height },
        { BookletWriter::Margin, top + 7, 102, 34 },
        [&panel](QPainter &painter) { paintDialPanel(painter, panel); });
    fadeOtherDials(writer, dial, toPage);
    writer.text(
        { BookletWriter::Margin, top + 41.5, 108, 8 }, French::typeset(graduationText(dial)), writer.font(8));

    const double left = BookletWriter::Margin + 113;
    const double width = BookletWriter::ContentWidth - 113;
    double y = top + 7;
    y += writer.text({ left, y, width, 12 }, French::typeset(questionText(code)), writer.font(9, true)) + 0.5;
    y += writer.text({ left, y, width, 12 },
             French::typeset(QStringLiteral("Sur le cadran en couleur, l’aiguille indique %1.").arg(reading)),
             writer.font(9))
        + 1.5;
    // The five buttons as on the screen; the right one framed thick and ticked, the traps named.
    const double buttonHeight = 4.6;
    QPainter &painter = writer.painter();
    for (int k = 0; k < DialBank::ButtonCount; ++k) {
        const bool isRight = k + 1 == rightButton;
        const double offered = DialBank::ChoiceValues[size_t(question - 1)][size_t(k)];
        const QRectF button(left, y + k * (buttonHeight + 0.8), 20, buttonHeight);
        painter.save();
        painter.setPen(QPen(Qt::black, writer.mm(isRight ? 0.7 : 0.2)));
        painter.setBrush(isRight ? QColor(225, 225, 225) : QColor(Qt::white));
        painter.drawRect(writer.mm(button));
        painter.restore();
        writer.text(
            button, French::number(offered), writer.font(8.5, isRight), Qt::AlignHCenter | Qt::AlignVCenter);
        const QRectF note = button.translated(22, 0).adjusted(0, 0, width - 42, 0);
        if (isRight) {
            writer.text(note, QStringLiteral("✔ bouton %1").arg(rightButton), writer.font(8.5, true),
                Qt::AlignVCenter);
        } else if (const DialTrap trap = trapOf(offered, right, dial.scale.graduation);
                   trap != DialTrap::None) {
            writer.text(note, QStringLiteral("✘ ") + trapText(trap, right), writer.font(8, false, true),
                Qt::AlignVCenter);
        }
    }
}

} // namespace

QStringList dialAnswers()
{
    QStringList answers;
    for (int question = 1; question <= DialBank::QuestionCount; ++question)
        answers.append(answerOf(question));
    return answers;
}

QString dialTrapExample(DialTrap trap)
{
    for (int question = 1; question <= DialBank::QuestionCount; ++question) {
        const Dial dial = DialPanels::standardDial(DialBank::InstrumentCodes[size_t(question - 1)]);
        for (const double offered : DialBank::ChoiceValues[size_t(question - 1)]) {
            if (trapOf(offered, DialBank::rightValue(question), dial.scale.graduation) == trap)
                return QStringLiteral("%1 proposé pour %2")
                    .arg(French::number(offered), French::number(DialBank::rightValue(question)));
        }
    }
    return {};
}

void dialSection(BookletWriter &writer, int series)
{
    // A page holds one panel's questions, so each panel starts a page.
    BookletGrid grid(writer, DialLayout.perPage);
    for (int panelNumber = DialBank::FirstPanel; panelNumber <= DialBank::LastPanel; ++panelNumber) {
        const DialPanel panel = DialPanels::questionPanel(panelNumber, series);
        for (int k = 0; k < DialBank::QuestionsPerPanel; ++k) {
            const int question = (panelNumber - DialBank::FirstPanel) * DialBank::QuestionsPerPanel + k + 1;
            drawQuestion(writer, panel, question, grid.nextCell().top());
        }
    }
}

} // namespace Booklet
