#include "instructions.h"

#include "testlist.h"

#include <stdexcept>

namespace Instructions {

namespace {

constexpr const char *TimeSentence = nullptr;
const InstructionContent::Example OwnExample {};

} // namespace

const std::vector<InstructionContent> Screens = {
    {
        .test = SpatialBank::Test,
        .logoLeft = 1080,
        .logoTop = 600,
        .textFrame = { 5400, 1680, 5415, 5640 },
        .explanation = {
            { "Explications",
                "Regardez l'exemple ci-contre. Dans la case entourée de bleu, en haut à gauche, il y a "
                "deux morceaux.",
                { 240, 240, 4935, 255 } },
            { "Label2", "Regardez maintenant les cinq figures désignées par les lettres A, B, C, D, E.",
                { 240, 1080, 4935, 255 } },
            { "Label5",
                "Parmi ces figures, vous devez trouver celle qui montre comment ces morceaux peuvent "
                "être assemblés.",
                { 240, 1920, 4935, 255 } },
            { "Label6",
                "La figure E a bien l'aspect qu'auraient les deux morceaux en haut à gauche s'ils "
                "étaient assemblés. La bonne réponse est donc E.",
                { 240, 2760, 4935, 255 } },
            { "Label7", TimeSentence, { 240, 4080, 4935, 495 } },
        },
        .goodLuckTop = 4920,
        .example = { .resource = ":/assets/spatial1.jpg", .frame = { 600, 1680, 4560, 5640 }, .picture = { 300, 300, 0, 0 } },
        .stopsClockOf = nullptr,
    },
    {
        .test = PathsBank::Test,
        .logoLeft = 840,
        .logoTop = 480,
        .textFrame = { 5400, 1680, 5415, 5640 },
        .explanation = {
            { "Label5", "Regardez bien l'exemple ci-contre : le tracé d'un parcours y est représenté.",
                { 240, 240, 4935, 255 } },
            { "Label2",
                "Vous partirez de l'endroit désigné ci-contre par une flèche, et vous avencerez le long "
                "de ce chemin.",
                { 240, 1080, 4935, 255 } },
            { "Explications",
                "Le but de cet exercice est de déterminer le nombre de virages, tantôt à gauche, tantôt "
                "à droite que vous ferez en cheminant le long de ce parcours.",
                { 240, 2160, 4935, 255 } },
            { "Label7", TimeSentence, { 240, 3600, 4935, 495 } },
        },
        .goodLuckTop = 4560,
        // The "Départ" arrow points at the open start of the path, on the lower edge of the picture.
        .example = { .resource = ":/assets/chemin1.jpg", .frame = { 600, 1680, 4560, 5640 }, .picture = { 960, 540, 0, 0 },
            .border = true,
            .captions = { { "Label6", "Départ", { 480, 4140, 1095, 300 } } },
            .lines = { { "Line2", 1200, 4080, 1440, 3600 }, { "Line1", 1440, 3720, 1440, 3600 },
                { "Line3", 1320, 3720, 1440, 3600 } } },
        .stopsClockOf = "Test1",
    },
    // The example, a series and its filled box, is drawn by the screen like the items' boxes.
    {
        .test = ReasoningItems::Test,
        .logoLeft = 1200,
        .logoTop = 720,
        .textFrame = { 5400, 1800, 5415, 5520 },
        .explanation = {
            { "Explications",
                "Vous allez à présent être confronté à divers exercices, que vous résoudrez en "
                "remplissant des cases blanches par des chiffres ou des lettres, ou par un mot approprié "
                "(une lettre ou un chiffre devant se substituer à chacune des cases).",
                { 240, 240, 4935, 255 } },
            { "Label7", "Vous pourrez corriger vos éventuelles erreurs en cliquant sur les cases à modifier.",
                { 240, 2160, 4935, 255 } },
            { "Label2", TimeSentence, { 240, 3120, 4935, 495 } },
        },
        .goodLuckTop = 4560,
        .example = OwnExample,
        .stopsClockOf = "Test2",
    },
    // Below the logo, which reaches lower here than on the other screens. The example box keeps
    // its designed size: only the left of the panel shows.
    {
        .test = DialsBank::Test,
        .logoLeft = 1080,
        .logoTop = 720,
        .textFrame = { 720, 1800, 9975, 1335 },
        .explanation = {
            { "Explications",
                "A chaque question, il vous sera demandé de lire sur un cadran la valeur d'une donnée "
                "physique, et de choisir parmi 5 valeurs laquelle se rapporte à ce cadran. Vous avez 2 "
                "minutes pour trouver le plus possible de bonnes réponses.",
                { 240, 240, 9495, 255 } },
        },
        .goodLuckTop = 0,
        .example = { .resource = ":/assets/exemple-cadran.jpg", .frame = { 720, 3240, 9975, 3975 },
            .picture = { 360, 480, 4095, 2895 }, .border = true,
            .explanation = {
                { "Label2", "Par exemple, ici, le compte-tours indique environ 6200 tours/min.",
                    { 4800, 720, 4935, 255 } },
                { "Label7", TimeSentence, { 4800, 1800, 4935, 495 } },
            } },
        .stopsClockOf = nullptr,
    },
    {
        .test = LengthsBank::Test,
        .logoLeft = 1080,
        .logoTop = 240,
        .textFrame = { 3600, 1680, 7215, 5640 },
        .explanation = {
            { "Explications",
                "Ce test a pour but de mesurer votre capacité à estimer un rapport entre deux longueurs.",
                { 240, 240, 6735, 255 } },
            { "Label2",
                "Chaque exercice comporte un rectangle contenant deux lignes parallèles de longueurs "
                "différentes.",
                { 240, 840, 6735, 255 } },
            { "Label5",
                " Il s'agit pour vous de déterminer en dixièmes le rapport de la plus courte à la plus "
                "grande.",
                { 240, 1440, 6735, 255 } },
            { "Label6",
                " Regardez l'exemple ci-contre : la ligne la plus courte mesure le cinquième de l'autre, "
                "autrement dit, elle en représente les 2/10e. La bonne réponse est donc 2. Vous avez deux "
                "minutes pour effectuer ce test.",
                { 240, 2040, 6735, 255 } },
            { "Label7", TimeSentence, { 240, 3240, 6735, 495 } },
        },
        .goodLuckTop = 4080,
        .example = { .resource = ":/assets/barre1.jpg", .frame = { 600, 1680, 2760, 5640 }, .picture = { 600, 1200, 0, 0 },
            .border = true },
        .stopsClockOf = "Test4",
    },
};

const InstructionContent &content(std::string_view screen)
{
    for (const InstructionContent &candidate : Screens) {
        if (candidate.test.instructionScreen == screen)
            return candidate;
    }
    throw std::out_of_range("no instructions for this screen");
}

} // namespace Instructions
