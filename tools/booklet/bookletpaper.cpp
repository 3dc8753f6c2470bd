// The sujet's pages: each test's instruction screen and its questions as the screens show them, with
// no mark of any answer, so that the tests can be taken on paper.
#include "booklet.h"
#include "bookletdrawing.h"
#include "bookletwriter.h"
#include "dialspanel.h"
#include "dialspictures.h"
#include "instructions.h"
#include "instructionscreen.h"
#include "lengths.h"
#include "paths.h"
#include "series.h"
#include "spatialpictures.h"
#include "spatialpuzzles.h"
#include "testscreens.h"
#include "timelimit.h"

#include <QLocale>

namespace Booklet {

namespace {

constexpr double Left = BookletWriter::Margin;
constexpr double Width = BookletWriter::ContentWidth;
constexpr int TwipsPerPixel = 15;

// An answer button as on the screen, its caption centred; every button alike, none singled out.
void button(BookletWriter &writer, const QRectF &box, const QString &caption, double points = 9.5)
{
    QPainter &painter = writer.painter();
    painter.save();
    painter.setPen(QPen(QColor(90, 90, 90), writer.mm(0.25)));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawRoundedRect(writer.mm(box), writer.mm(0.8), writer.mm(0.8));
    painter.restore();
    writer.text(box, caption, writer.font(points, true), Qt::AlignCenter);
}

QString questionHeading(int question)
{
    return QStringLiteral("Question %1").arg(question);
}

// A dial button's caption as the screen writes it: whole numbers plainly, fractions with the
// decimal comma of French settings.
QString dialCaption(char code, double value)
{
    if (DialsBank::isFraction(code))
        return QLocale(QLocale::French, QLocale::France).toString(value);
    return QString::number(qRound(value));
}

// The worked example of an instruction screen, drawn in its "Exemple" frame as the screen places
// it: `scale` millimetres per twip, the frame's top left at `origin`.
void drawExample(BookletWriter &writer, const InstructionContent &content, const TwipsPlace &frameTwips,
    QPointF origin, double scale)
{
    const InstructionContent::Example &example = content.example;
    QPainter &painter = writer.painter();
    auto at = [&](double left, double top) { return origin + QPointF(left, top) * scale; };
    const QRectF frame(origin, QSizeF(frameTwips.width, frameTwips.height) * scale);
    painter.save();
    painter.setPen(QPen(QColor(120, 120, 120), writer.mm(0.25)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(writer.mm(frame.adjusted(0, 1.5, 0, 0)));
    painter.restore();
    const QString caption = QStringLiteral("Exemple");
    const QRectF captionBox(
        frame.left() + 3, frame.top(), writer.width(caption, writer.font(8.5, true)) + 2, 3);
    painter.fillRect(writer.mm(captionBox), Qt::white);
    writer.text(captionBox, caption, writer.font(8.5, true), Qt::AlignCenter);

    const std::string_view screen = content.test.instructionScreen;
    const TwipsPlace place = example.picture;
    auto picture = [&](QSizeF pixels, const std::function<void(QPainter &)> &paint) {
        const QSizeF twips = place.width > 0 ? QSizeF(place.width, place.height) : pixels * TwipsPerPixel;
        const QRectF box(at(place.left, place.top), twips * scale);
        BookletDrawing::placePicture(writer, pixels, box, paint);
    };
    if (screen == "Presentation1") {
        const SpatialPuzzles::Puzzle puzzle = SpatialPuzzles::puzzle(1, Series::Own);
        picture({ SpatialPuzzles::PictureWidth, SpatialPuzzles::PictureHeight },
            [&puzzle](QPainter &on) { paintSpatialPuzzle(on, puzzle); });
    } else if (screen == "Presentation2") {
        const PathPictures::Path path = PathPictures::layout(1, Series::Own);
        picture({ PathPictures::Size, PathPictures::Size },
            [&path](QPainter &on) { PathPictures::paint(on, path); });
    } else if (screen == "Presentation4") {
        // The box keeps its designed size: only the left of the panel shows.
        const DialPanel panel = DialPanels::examplePanel();
        picture({ DialPanels::ExampleWidth, DialPanels::ExampleHeight },
            [&panel](QPainter &on) { paintDialPanel(on, panel); });
    } else if (screen == "Presentation5") {
        const LengthPictures::Lines lines = LengthPictures::layout(1, Series::Own);
        picture({ LengthPictures::Width, LengthPictures::Height },
            [&lines](QPainter &on) { LengthPictures::paint(on, lines); });
    } else if (screen == "Presentation3") {
        // The screen draws its own example: a series and its box, filled.
        const QString series = QStringLiteral("36   12   24   4");
        const QFont font = writer.font(13, true);
        writer.line(at(360, 2520), series, font);
        const double box = ReasoningItems::BoxSize * scale;
        const QRectF cell(at(360, 2520).x() + writer.width(series + QStringLiteral("   "), font),
            at(360, 2520).y() - 0.6, box, box);
        painter.save();
        painter.setPen(QPen(Qt::black, writer.mm(0.4)));
        painter.setBrush(Qt::white);
        painter.drawRect(writer.mm(cell));
        painter.restore();
        writer.text(cell, QStringLiteral("8"), font, Qt::AlignCenter);
    }
    for (const InstructionContent::Label &label : example.captions)
        writer.text(
            { at(label.place.left, label.place.top), QSizeF(label.place.width, label.place.height) * scale },
            QString::fromUtf8(label.text), writer.font(8.5, true));
    painter.save();
    painter.setPen(QPen(Qt::black, writer.mm(0.35)));
    for (const InstructionContent::Line &line : example.lines)
        painter.drawLine(writer.mm(at(line.x1, line.y1)), writer.mm(at(line.x2, line.y2)));
    painter.restore();
    for (const InstructionContent::Label &label : example.explanation) {
        const QString text = label.text ? QString::fromUtf8(label.text) : timeSentence(DefaultTimeLimit);
        writer.text({ at(label.place.left, label.place.top), QSizeF(label.place.width, 1200) * scale }, text,
            writer.font(9.5, true, !label.text));
    }
}

void questionPages(BookletWriter &writer, int cells, int columns, int questions,
    const std::function<void(const QRectF &cell, int question)> &draw)
{
    BookletGrid grid(writer, cells, columns, 5);
    for (int question = 1; question <= questions; ++question) {
        const QRectF cell = grid.nextCell();
        writer.beginQuestion(question, cell.top());
        writer.text(
            { cell.left(), cell.top(), cell.width(), 6 }, questionHeading(question), writer.font(10.5, true));
        draw(cell, question);
    }
}

} // namespace

void instructionPage(BookletWriter &writer, const TestDescriptor &test, int sheetPage)
{
    const InstructionContent &content
        = TestRegistry<TestScreens>::of(test, "instruction screen").instructions;
    double top = BookletWriter::ContentTop + 2;
    writer.text({ Left, top, Width, 12 }, QString::fromUtf8(content.test.instructionTitle),
        writer.font(22, true), Qt::AlignHCenter);
    top += 16;

    // The reasoning test's screen draws its example frame itself.
    const TwipsPlace frame
        = content.example.resource ? content.example.frame : TwipsPlace { 600, 1800, 4560, 5520 };
    // A wide example stands below the text, a tall one beside it.
    const bool below = frame.width > 2 * frame.height;
    const double textLeft = below ? Left : Left + 88;
    const double textWidth = below ? Width : Width - 88;
    double y = top;
    for (const InstructionContent::Label &label : content.explanation) {
        const QString text = label.text ? QString::fromUtf8(label.text) : timeSentence(DefaultTimeLimit);
        y += writer.text({ textLeft, y, textWidth, 40 }, text, writer.font(10.5, true, !label.text)) + 4;
    }
    if (content.goodLuckTop > 0)
        y += writer.text(
                 { textLeft, y + 3, textWidth, 12 }, QStringLiteral("BONNE CHANCE !"), writer.font(16, true))
            + 7;
    const double scale = below ? Width / frame.width : 84.0 / frame.width;
    const QPointF origin(Left, below ? y + 4 : top);
    drawExample(writer, content, frame, origin, scale);
    const double bottom = std::max(y, origin.y() + frame.height * scale) + 10;

    // What the paper trial adds to the screen, set apart from the screen's own words.
    writer.painter().save();
    writer.painter().setPen(QPen(Qt::black, writer.mm(0.2)));
    writer.painter().drawLine(writer.mm(QPointF(Left, bottom)), writer.mm(QPointF(Left + Width, bottom)));
    writer.painter().restore();
    writer.text({ Left, bottom + 3, Width, 20 },
        French::typeset(
            QStringLiteral("Sur papier : lisez ces consignes sans compter le temps, puis lancez le "
                           "chronomètre pour %1 secondes et tournez la page. Répondez dans la "
                           "case de la question sur la feuille de réponses (page %2), dans "
                           "l’ordre, sans revenir en arrière.")
                .arg(DefaultTimeLimit)
                .arg(sheetPage)),
        writer.font(10, false, true));
}

void spatialPaper(BookletWriter &writer, int series)
{
    questionPages(
        writer, SpatialPaper.perPage, 2, SpatialPaper.questions, [&](const QRectF &cell, int question) {
            const SpatialPuzzles::Puzzle puzzle = SpatialPuzzles::puzzle(question, series);
            const double pictureHeight = cell.height() - 9;
            const double pictureWidth
                = pictureHeight * SpatialPuzzles::PictureWidth / SpatialPuzzles::PictureHeight;
            BookletDrawing::placePicture(writer,
                { SpatialPuzzles::PictureWidth, SpatialPuzzles::PictureHeight },
                { cell.left(), cell.top() + 7, pictureWidth, pictureHeight },
                [&puzzle](QPainter &painter) { paintSpatialPuzzle(painter, puzzle); });
            // As on the screen: one column beside the picture, a third of the way down.
            for (int k = 0; k < SpatialBank::ChoiceCount; ++k)
                button(writer,
                    { cell.left() + pictureWidth + 5, cell.top() + 7 + pictureHeight * (0.33 + 0.116 * k), 15,
                        6 },
                    QString(QLatin1Char(SpatialBank::letterOf(k + 1))));
        });
}

void pathPaper(BookletWriter &writer, int series)
{
    questionPages(writer, PathPaper.perPage, 2, PathPaper.questions, [&](const QRectF &cell, int question) {
        const PathPictures::Path path = PathPictures::layout(question, series);
        const double size = cell.width() - 30;
        BookletDrawing::placePicture(writer, { PathPictures::Size, PathPictures::Size },
            { cell.left(), cell.top() + 7, size, size },
            [&path](QPainter &painter) { PathPictures::paint(painter, path); });
        const double left = cell.left() + size + 3;
        const double width = cell.width() - size - 3;
        double y = cell.top() + 14;
        y += writer.text({ left, y, width, 12 }, QStringLiteral("Comptez le nombre de virages ..."),
                 writer.font(8.5, true))
            + 3;
        writer.text({ left, y, width, 7 },
            PathsBank::Directions[size_t(question - 1)] == 'R' ? QStringLiteral("A DROITE")
                                                               : QStringLiteral("A GAUCHE"),
            writer.font(11.5, true));
        y += 12;
        const double side = (width - 3 * 1.2) / 4;
        for (int k = 0; k < 8; ++k)
            button(writer, { left + (k % 4) * (side + 1.2), y + (k / 4) * (side + 2), side, side },
                QString::number(k + 1));
    });
}

void reasoningPaper(BookletWriter &writer, int /*series: the items are the same in every series*/)
{
    questionPages(
        writer, ReasoningPaper.perPage, 1, ReasoningPaper.questions, [&](const QRectF &cell, int question) {
            writer.text({ cell.left(), cell.top() + 8, cell.width(), 7 },
                QStringLiteral("Complétez les blancs :"), writer.font(10.5));
            drawReasoningItem(writer, ReasoningItems::Items[size_t(question - 1)], cell.top() + 17, false);
        });
}

void dialPaper(BookletWriter &writer, int series)
{
    constexpr int PanelsPerPage = DialPaper.perPage / DialsBank::QuestionsPerPanel;
    constexpr double PanelHeight = Width * DialPanels::Height / DialPanels::Width;
    constexpr double RowHeight = 11.5;
    constexpr double BlockHeight = (BookletWriter::ContentBottom - BookletWriter::ContentTop) / PanelsPerPage;
    for (int panelNumber = DialsBank::FirstPanel; panelNumber <= DialsBank::LastPanel; ++panelNumber) {
        const int slot = (panelNumber - DialsBank::FirstPanel) % PanelsPerPage;
        if (slot == 0 && panelNumber != DialsBank::FirstPanel)
            writer.newPage();
        const double top = BookletWriter::ContentTop + slot * BlockHeight;
        const DialPanel panel = DialPanels::questionPanel(panelNumber, series);
        BookletDrawing::placePicture(writer, { DialPanels::Width, DialPanels::Height },
            { Left, top, Width, PanelHeight },
            [&panel](QPainter &painter) { paintDialPanel(painter, panel); });
        for (int k = 0; k < DialsBank::QuestionsPerPanel; ++k) {
            const int question = (panelNumber - DialsBank::FirstPanel) * DialsBank::QuestionsPerPanel + k + 1;
            const char code = DialsBank::InstrumentCodes[size_t(question - 1)];
            const double y = top + PanelHeight + 4 + k * RowHeight;
            writer.beginQuestion(question, y);
            writer.text({ Left, y + 1, 26, 6 }, questionHeading(question), writer.font(10, true));
            writer.text({ Left + 26, y + 1, 69, 6 }, QString::fromUtf8(DialsBank::questionText(code)),
                writer.font(9.5, true));
            for (int b = 0; b < DialsBank::ButtonCount; ++b)
                button(writer, { Left + 96 + b * 15.6, y, 14, 7 },
                    dialCaption(code, DialsBank::ChoiceValues[size_t(question - 1)][size_t(b)]));
        }
    }
}

void lengthPaper(BookletWriter &writer, int series)
{
    questionPages(
        writer, LengthPaper.perPage, 3, LengthPaper.questions, [&](const QRectF &cell, int question) {
            const LengthPictures::Lines lines = LengthPictures::layout(question, series);
            const double pictureHeight = cell.height() - 9;
            const double pictureWidth = pictureHeight * LengthPictures::Width / LengthPictures::Height;
            BookletDrawing::placePicture(writer, { LengthPictures::Width, LengthPictures::Height },
                { cell.left(), cell.top() + 7, pictureWidth, pictureHeight },
                [&lines](QPainter &painter) { LengthPictures::paint(painter, lines); });
            for (int k = 0; k < LengthsBank::ButtonCount; ++k)
                button(writer, { cell.left() + pictureWidth + 5, cell.top() + 9 + k * 7.6, 13, 6 },
                    QString::number(LengthsBank::ChoiceValues[size_t(question - 1)][size_t(k)]));
        });
}

} // namespace Booklet
