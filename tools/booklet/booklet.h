#pragma once

#include "dials/dialbank.h"
#include "lengths/lengthtable.h"
#include "paths/pathtable.h"
#include "reasoning/reasoningitems.h"
#include "spatial/spatialkey.h"

#include <QString>

class BookletWriter;

// The answer booklet "Corrigé illustré": every question of the five tests with its right answer and a
// drawing that shows why, drawn from the same tables and geometry as the pictures.
namespace Booklet {

// Writes the booklet to `path`; false, with the reason, on failure.
bool write(const QString &path, QString *error);

// The sections, one file each: how many questions each explains and how many fit on a page.
struct SectionLayout {
    int questions;
    int perPage;

    constexpr int pages() const { return (questions + perPage - 1) / perPage; }
};
constexpr SectionLayout SpatialLayout { SpatialKey::QuestionCount, 3 };
constexpr SectionLayout PathLayout { PathTable::QuestionCount, 6 };
constexpr SectionLayout ReasoningLayout { ReasoningItems::ItemCount, 4 };
// One panel and its questions to a page.
constexpr SectionLayout DialLayout { DialBank::QuestionCount, DialBank::QuestionsPerPanel };
constexpr SectionLayout LengthLayout { LengthTable::QuestionCount, 9 };
void spatialSection(BookletWriter &writer);
void pathSection(BookletWriter &writer);
void reasoningSection(BookletWriter &writer);
void dialSection(BookletWriter &writer);
void lengthSection(BookletWriter &writer);

// The line that states a question's answer, the same in every section: "Question 12 : réponse C".
QString answerLine(int question, const QString &answer);

} // namespace Booklet
