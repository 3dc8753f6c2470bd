#pragma once

#include <QString>

class BookletWriter;

// The answer booklet "Corrigé illustré": every question of the five tests with its right answer and a
// drawing that shows why, drawn from the same tables and geometry as the pictures.
namespace Booklet {

constexpr const char *FileName = "corrige-selection-pilotes.pdf";

// Writes the booklet to `path`; false, with the reason, on failure.
bool write(const QString &path, QString *error);

// The sections, one file each, and the pages each takes.
constexpr int SpatialPerPage = 3;
constexpr int SpatialPages = 20;
constexpr int PathsPerPage = 6;
constexpr int PathPages = 5;
constexpr int ReasoningPerPage = 4;
constexpr int ReasoningPages = 4;
constexpr int DialPages = 8; // one panel and its five questions to a page
constexpr int LengthsPerPage = 9;
constexpr int LengthPages = 4;
void spatialSection(BookletWriter &writer);
void pathSection(BookletWriter &writer);
void reasoningSection(BookletWriter &writer);
void dialSection(BookletWriter &writer);
void lengthSection(BookletWriter &writer);

// The line that states a question's answer, the same in every section: "Question 12 : réponse C".
QString answerLine(int question, const QString &answer);

} // namespace Booklet
