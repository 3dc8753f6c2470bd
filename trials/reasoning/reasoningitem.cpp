#include "reasoningitem.h"

#include "controls.h"
#include "forms.h"
#include "moduleimages.h"
#include "picturebox.h"
#include "reasoning/presentation3.h"
#include "reasoning/puzzlecontrols.h"
#include "reasoning/reasoningitems.h"
#include "titre.h"
#include "twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>

namespace {

// A control of a puzzle row: where it was designed to stand and how far its ink reaches.
struct Piece {
    QWidget *widget;
    int designedLeft;
    int inkWidth;
    bool isBox;
    bool followsText;
    int underWord;
};

// The text without its trailing blanks: they only keep the next term apart.
int inkWidth(const QLabel *label)
{
    QString text = label->text();
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return label->fontMetrics().horizontalAdvance(text);
}

// The blanks between the words of a caption, as a regular expression's \s sees them.
bool isBlank(QChar character)
{
    return character == u' ' || (character >= u'\t' && character <= u'\r');
}

// The left of a piece written below a word of the first line of the puzzle.
int leftUnderWord(const QLabel *line, const Piece &piece)
{
    const QString text = line->text();
    const QFontMetrics metrics = line->fontMetrics();
    int index = 0;
    for (qsizetype start = 0; start < text.size();) {
        if (isBlank(text.at(start))) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < text.size() && !isBlank(text.at(end)))
            ++end;
        if (index++ == piece.underWord) {
            const int wordLeft = line->x() + metrics.horizontalAdvance(text.left(start));
            const int wordWidth = metrics.horizontalAdvance(text.mid(start, end - start));
            // Where it was designed, while that still stands under the word; else centred below it.
            const int designedCentre = piece.designedLeft + piece.inkWidth / 2;
            if (designedCentre > wordLeft && designedCentre < wordLeft + wordWidth)
                return piece.designedLeft;
            return wordLeft + wordWidth / 2 - piece.inkWidth / 2;
        }
        start = end;
    }
    return piece.designedLeft;
}

} // namespace

ReasoningItem::ReasoningItem(Forms &forms, const ReasoningItems::Item &item)
    : SessionScreen(forms, 12405, 9225)
    , content(item)
{
    Picture2 = makeLogoBox(this, 720, 360);
    Label1 = makeLabel(this, "Label1", QString::fromUtf8(ReasoningItems::Test.testTitle), 2400, 480,
        item.titleWidth, 615, sansFont(24, true));
    Label1->setAlignment(Qt::AlignCenter);
    Horloge = makeClockLabel(this, 9600, 2040);
    Label4 = makeLineLabel(this, "Label4", QStringLiteral("Complétez les blancs :"), item.promptLeft,
        item.promptTop, 4095, sansFont(18));

    QWidget *puzzle = this;
    if (item.frame.width > 0) {
        Frame1 = makeFrame(
            this, "Frame1", QString(), item.frame.left, item.frame.top, item.frame.width, item.frame.height);
        puzzle = Frame1;
    }
    for (const ReasoningItems::Caption &caption : item.captions) {
        captions.append(makeLineLabel(puzzle, caption.name, QString::fromUtf8(caption.text), caption.left,
            caption.top, caption.width, puzzleFont()));
    }
    for (const ReasoningItems::Box &box : item.boxes)
        Text2.append(makeAnswerBox(puzzle, "Text2", box.left, box.top));
    Command2 = makeButton(this, "Command2", QStringLiteral("&Suivant >"), 10200, 8160, 1215, 375);
    layOutPuzzle();

    for (int index = 0; index < Text2.size(); ++index) {
        connect(Text2[index], &QLineEdit::textChanged, this, [this, index] { Text2_Change(index); });
        Text2[index]->installEventFilter(this);
        Text2[index]->setAccessibleName(
            QStringLiteral("Case %1 sur %2").arg(QString::number(index + 1), QString::number(Text2.size())));
        setTabOrder(
            Text2[index], index + 1 < Text2.size() ? static_cast<QWidget *>(Text2[index + 1]) : Command2);
    }
    connect(Command2, &QPushButton::clicked, this, &ReasoningItem::Command2_Click);
}

bool ReasoningItem::isRight() const
{
    for (int index = 0; index < Text2.size(); ++index) {
        if (Text2[index]->text().toUpper() != QString(QLatin1Char(content.key[index])))
            return false;
    }
    return true;
}

void ReasoningItem::timeOut()
{
    Unload();
    showAfterTimeOut();
}

void ReasoningItem::Form_Load()
{
    ShowLogo(*this);
}

void ReasoningItem::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    // The candidate types at once, without clicking the first box.
    if (!event->spontaneous())
        Text2.first()->setFocus();
}

bool ReasoningItem::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const int index = Text2.indexOf(qobject_cast<QLineEdit *>(watched));
        if (index >= 0)
            Text2_Click(index);
    }
    return Form::eventFilter(watched, event);
}

void ReasoningItem::Text2_Change(int index)
{
    if (Text2[index]->text().isEmpty())
        return;
    if (index >= Text2.size() - 1)
        Command2->setFocus();
    else
        Text2[index + 1]->setFocus();
}

void ReasoningItem::Text2_Click(int index)
{
    // The way to correct a box: it empties and keeps the focus for the new character.
    Text2[index]->clear();
}

void ReasoningItem::Command2_Click()
{
    if (isRight())
        ++titre().Score;
    // Any time left is dropped: the clock stops before the dial test's instructions show.
    if (&content == &ReasoningItems::Items.back()) {
        if (auto instructions = forms.find<Presentation3>())
            instructions->Timer1->stop();
    }
    showNext();
    Unload();
}

void ReasoningItem::layOutPuzzle()
{
    // The rows are designed for a narrower face than the one that may be found here. Each text
    // keeps its full width, and what follows it on its row moves right as far as needed: a box
    // that completes a term sits right after it, any other stands a term gap away.
    QMap<int, QList<Piece>> rows;
    for (int i = 0; i < captions.size(); ++i) {
        const ReasoningItems::Caption &caption = content.captions[i];
        rows[caption.top].append(
            { captions[i], px(caption.left), inkWidth(captions[i]), false, false, caption.underWord });
    }
    for (int i = 0; i < Text2.size(); ++i) {
        const ReasoningItems::Box &box = content.boxes[i];
        rows[box.top].append(
            { Text2[i], px(box.left), Text2[i]->width(), true, box.followsText, box.underWord });
    }

    const int termGap = termGapWidth();
    int puzzleRight = 0;
    for (QList<Piece> &row : rows) {
        std::stable_sort(row.begin(), row.end(),
            [](const Piece &a, const Piece &b) { return a.designedLeft < b.designedLeft; });
        int shift = 0;
        const Piece *previous = nullptr;
        int previousEnd = 0;
        for (const Piece &piece : row) {
            int left = piece.underWord == ReasoningItems::NoWord ? piece.designedLeft + shift
                                                                 : leftUnderWord(captions.first(), piece);
            if (previous) {
                const bool afterText = !previous->isBox;
                if (piece.followsText && afterText)
                    left = previousEnd;
                else if (afterText)
                    left = std::max(left, previousEnd + termGap);
                else if (!piece.isBox) // boxes of one strip share their borders
                    left = std::max(left, previousEnd);
            }
            piece.widget->move(left, piece.widget->y());
            shift = left - piece.designedLeft;
            previous = &piece;
            previousEnd = left + piece.inkWidth;
            puzzleRight = std::max(puzzleRight, previousEnd);
        }
    }
    if (Frame1)
        Frame1->resize(std::max(Frame1->width(), puzzleRight + px(120)), Frame1->height());
}
