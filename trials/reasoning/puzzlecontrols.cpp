#include "puzzlecontrols.h"

#include "controls.h"
#include "reasoning/reasoningitems.h"
#include "twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

QFont puzzleFont()
{
    return sansFont(18, true);
}

int termGapWidth()
{
    return QFontMetrics(puzzleFont()).horizontalAdvance(QStringLiteral("   "));
}

QLabel *makeLineLabel(
    QWidget *parent, const char *name, const QString &text, int left, int top, int width, const QFont &font)
{
    QLabel *label = makeLabel(parent, name, text, left, top, width, ReasoningItems::BoxSize, font);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A designed width may reach past its container (as in a frame); the text never gets cut.
    const int room = parent->width() - label->x();
    label->resize(std::max(std::min(label->width(), room), label->fontMetrics().horizontalAdvance(text)),
        label->height());
    return label;
}

QLineEdit *makeAnswerBox(QWidget *parent, const char *name, int left, int top)
{
    auto box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(twipsRect(left, top, ReasoningItems::BoxSize, ReasoningItems::BoxSize));
    box->setFont(puzzleFont());
    box->setMaxLength(1);
    box->setAlignment(Qt::AlignCenter);
    return box;
}
