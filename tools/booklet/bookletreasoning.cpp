#include "booklet.h"
#include "bookletwriter.h"

#include "reasoning/reasoningitems.h"

#include <algorithm>

namespace Booklet {

namespace {

// The rule of each item, in the order shown, and how it gives the answer.
const char *const Rules[ReasoningItems::ItemCount] = {
    "Chaque nombre moins sa parenthèse donne toujours 411 (420 − 9, 418 − 7, 415 − 4) : 413 − 411 = 2.",
    "Le dernier mot nomme ce que sont les autres : sagesse, honnêteté… sont des vertus ; lilas, tulipe, "
    "narcisse et pensée sont des FLEURS.",
    "Chaque groupe prend les trois lettres suivantes de l’alphabet dans l’ordre 1ʳᵉ, 3ᵉ, 2ᵉ : MNO donne MON, "
    "PQR donne PRQ, STU donne SUT, donc VWX donne VXW.",
    "À chaque nombre son mot de quantité : 300 beaucoup, 40 moyen, 2 PEU.",
    "Le chiffre classe par taille, 1 pour le plus grand : océan 1, lac 2, flaque 3 ; de même rocher 1, "
    "pierre 2, gravier 3.",
    "Le second nombre est le premier lu à l’envers : 1379 donne 9731, 3791 donne 1973.",
    "Chaque groupe monte de deux lettres puis redescend, en partant une lettre plus loin : bcdcb, cdedc, "
    "defed, puis EFGFE.",
    "Les dix nombres de 140 à 149 y sont chacun une fois : les pairs en haut, les impairs en bas ; il manque "
    "147.",
    "Le nombre compte les lettres du mot : cargos 6, fils 4, meurtrissure 12, colle 5.",
    "Chaque véhicule va avec ce qui le fait avancer : le train à vapeur, la voiture à cheval, le voilier au "
    "VENT.",
    "Les notes sont les deux premières lettres du nombre écrit en lettres : MIlle, DOuze, SIx.",
    "Le chiffre compte les traits du nombre romain (V et X en valent deux) : XIII = 2 + 1 + 1 + 1 = 5.",
    "Les deux chiffres de chaque nombre font 10 : 1 + 9, 5 + 5, 2 + 8, 7 + 3, donc 6 + 4, soit 64.",
};

// The boxes are one strip when each stands right after the one before.
bool isStrip(const ReasoningItems::Item &item)
{
    for (size_t k = 1; k < item.boxes.size(); ++k) {
        if (item.boxes[k].top != item.boxes[k - 1].top
            || item.boxes[k].left != item.boxes[k - 1].left + ReasoningItems::BoxPitch)
            return false;
    }
    return true;
}

QString answerOf(const ReasoningItems::Item &item)
{
    QStringList characters;
    for (const char c : item.key)
        characters.append(QString(QLatin1Char(c)));
    return characters.join(isStrip(item) ? QString() : QStringLiteral(", "));
}

} // namespace

double drawReasoningItem(
    BookletWriter &writer, const ReasoningItems::Item &item, double top, bool withAnswers)
{
    int first = item.boxes.front().top;
    int last = first;
    for (const ReasoningItems::Caption &caption : item.captions) {
        first = std::min(first, caption.top);
        last = std::max(last, caption.top);
    }
    for (const ReasoningItems::Box &box : item.boxes)
        last = std::max(last, box.top);
    // The screen is 12405 twips wide.
    const double scale = BookletWriter::ContentWidth / 12405.0; // millimetres per twip
    // Inside a frame, positions count from the frame's left edge.
    auto place = [&](int left, int captionTop) {
        return QPointF(
            BookletWriter::Margin + (item.frame.left + left) * scale, top + (captionTop - first) * scale);
    };
    // One size for the whole item, as large as lets every caption fit its width.
    double points = 13;
    for (const ReasoningItems::Caption &caption : item.captions) {
        if (caption.width == 0)
            continue;
        const double widthMm = writer.width(QString::fromUtf8(caption.text), writer.font(points, true));
        points = std::min(points, points * caption.width * scale / widthMm);
    }
    // A box that completes the last term of its text stands right after it, however wide this font draws it.
    auto textEnd = [&](const ReasoningItems::Box &box) {
        double end = 0;
        for (const ReasoningItems::Caption &caption : item.captions) {
            if (caption.top == box.top && caption.left < box.left)
                end = std::max(end,
                    place(caption.left, caption.top).x()
                        + writer.width(QString::fromUtf8(caption.text), writer.font(points, true)));
        }
        return end;
    };
    QPainter &painter = writer.painter();
    for (const ReasoningItems::Caption &caption : item.captions)
        writer.line(
            place(caption.left, caption.top), QString::fromUtf8(caption.text), writer.font(points, true));
    // A box never stands on the text before it, however wide this font draws it; the boxes of a strip
    // move along with the first.
    QPointF previous;
    for (size_t k = 0; k < item.boxes.size(); ++k) {
        const ReasoningItems::Box &box = item.boxes[k];
        QPointF corner = place(box.left, box.top) - QPointF(0, 0.6);
        corner.setX(std::max(corner.x(), textEnd(box) + (box.followsText ? 0.3 : 1.5)));
        if (k > 0 && box.top == item.boxes[k - 1].top
            && box.left == item.boxes[k - 1].left + ReasoningItems::BoxPitch)
            corner.setX(std::max(corner.x(), previous.x() + ReasoningItems::BoxPitch * scale));
        previous = corner;
        const QRectF cell(corner, QSizeF(ReasoningItems::BoxSize * scale, ReasoningItems::BoxSize * scale));
        painter.save();
        painter.setPen(QPen(Qt::black, writer.mm(0.4)));
        painter.setBrush(withAnswers ? QColor(230, 230, 230) : QColor(Qt::white));
        painter.drawRect(writer.mm(cell));
        painter.restore();
        if (withAnswers)
            writer.text(cell, QString(QLatin1Char(item.key[k])), writer.font(points, true), Qt::AlignCenter);
    }
    return (last - first + ReasoningItems::BoxSize) * scale;
}

QStringList reasoningAnswers()
{
    QStringList answers;
    for (const ReasoningItems::Item &item : ReasoningItems::Items)
        answers.append(answerOf(item));
    return answers;
}

void reasoningSection(BookletWriter &writer, int /*series: the items are the same in every series*/)
{
    BookletGrid grid(writer, ReasoningLayout.perPage);
    for (int k = 0; k < ReasoningItems::ItemCount; ++k) {
        const ReasoningItems::Item &item = ReasoningItems::Items[size_t(k)];
        double top = grid.nextCell().top();
        writer.beginQuestion(k + 1, top);
        writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 7 },
            answerLine(k + 1, answerOf(item)), writer.font(11, true));
        top += 10;
        top += drawReasoningItem(writer, item, top, true) + 5;
        writer.text({ BookletWriter::Margin, top, BookletWriter::ContentWidth, 20 },
            French::typeset(QStringLiteral("Règle : ") + QString::fromUtf8(Rules[k])), writer.font(9.5));
    }
}

namespace {

[[maybe_unused]] const bool Registered = TestRegistry<TestEntry>::add({ .test = ReasoningItems::Test,
    .method = reasoningMethod,
    .layout = ReasoningLayout,
    .draw = reasoningSection,
    .paperLayout = ReasoningPaper,
    .drawPaper = reasoningPaper,
    .answers = reasoningAnswers });

} // namespace

} // namespace Booklet
