#include "answerbox.h"

#include "app/controls.h"
#include "app/twips.h"
#include "trials/reasoning/reasoningitems.h"

#include <QLineEdit>

QLineEdit *makeAnswerBox(QWidget *parent, const char *name, int left, int top)
{
    auto box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(twipsRect(left, top, ReasoningItems::BoxSize, ReasoningItems::BoxSize));
    box->setFont(sansFont(18, true));
    box->setMaxLength(1);
    box->setAlignment(Qt::AlignCenter);
    return box;
}
