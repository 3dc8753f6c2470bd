#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "dialpanel.h"
#include "dialpictures.h"

#include "dials/dialbank.h"

namespace Booklet {

namespace {

QString questionText(char code)
{
    switch (code) {
    case 'C':
        return QStringLiteral("Qu'indique le compte-tours ? (tours/min)");
    case 'V':
        return QStringLiteral("Quelle est la vitesse ? (km/h)");
    case 'P':
        return QStringLiteral("Quelle est la pression d'huile ?");
    case 'A':
        return QStringLiteral("Que vaut l'intensité, en ampères ?");
    case 'E':
        return QStringLiteral("Quel est le niveau d'essence ? (fraction du plein)");
    default:
        return QStringLiteral("Que vaut la température ?");
    }
}

void drawQuestion(BookletWriter &writer, const DialPanel &panel, int question, double top)
{
    const char code = DialBank::InstrumentCodes[size_t(question - 1)];
    const int rightButton = DialBank::AnswerKey[size_t(question - 1)];
    const QString reading = French::number(DialBank::rightValue(question));
    writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 6 }, answerLine(question, reading),
        writer.font(11, true));

    const QTransform toPage = BookletDrawing::placePicture(writer, { DialPanels::Width, DialPanels::Height },
        { BookletWriter::Margin, top + 7, 108, 36 },
        [&panel](QPainter &painter) { paintDialPanel(painter, panel); });
    const QRectF dial = toPage.mapRect(panel.dial(code).bounds());
    QPainter &painter = writer.painter();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, writer.mm(1.6)));
    painter.drawEllipse(dial.adjusted(-writer.mm(1.2), -writer.mm(1.2), writer.mm(1.2), writer.mm(1.2)));
    painter.setPen(QPen(Qt::black, writer.mm(0.8), Qt::DashLine));
    painter.drawEllipse(dial.adjusted(-writer.mm(1.2), -writer.mm(1.2), writer.mm(1.2), writer.mm(1.2)));
    painter.restore();

    const double left = BookletWriter::Margin + 113;
    const double width = BookletWriter::ContentWidth - 113;
    double y = top + 7;
    y += writer.text({ left, y, width, 12 }, French::typeset(questionText(code)), writer.font(9, true)) + 1;
    y += writer.text({ left, y, width, 12 },
             French::typeset(QStringLiteral("Cadran entouré : l'aiguille indique %1.").arg(reading)),
             writer.font(9))
        + 2;
    // The five buttons as on the screen; the right one framed thick and ticked.
    const double buttonHeight = 4.6;
    for (int k = 0; k < DialBank::ButtonCount; ++k) {
        const bool right = k + 1 == rightButton;
        const QRectF button(left, y + k * (buttonHeight + 0.8), 24, buttonHeight);
        painter.save();
        painter.setPen(QPen(Qt::black, writer.mm(right ? 0.7 : 0.2)));
        painter.setBrush(right ? QColor(225, 225, 225) : QColor(Qt::white));
        painter.drawRect(writer.mm(button));
        painter.restore();
        writer.text(button, French::number(DialBank::ChoiceValues[size_t(question - 1)][size_t(k)]),
            writer.font(8.5, right), Qt::AlignHCenter | Qt::AlignVCenter);
        if (right)
            writer.text(button.translated(26, 0).adjusted(0, 0, 20, 0),
                QStringLiteral("✔ bouton %1").arg(rightButton), writer.font(8.5, true), Qt::AlignVCenter);
    }
}

} // namespace

void dialSection(BookletWriter &writer)
{
    // A page holds one panel's questions, so each panel starts a page.
    BookletGrid grid(writer, DialLayout.perPage);
    for (int panelNumber = DialBank::FirstPanel; panelNumber <= DialBank::LastPanel; ++panelNumber) {
        const DialPanel panel = DialPanels::questionPanel(panelNumber);
        for (int k = 0; k < DialBank::QuestionsPerPanel; ++k) {
            const int question = (panelNumber - DialBank::FirstPanel) * DialBank::QuestionsPerPanel + k + 1;
            drawQuestion(writer, panel, question, grid.nextCell().top());
        }
    }
}

} // namespace Booklet
