#include "reasoningitems.h"

#include <stdexcept>

namespace ReasoningItems {

namespace {

constexpr int TitleWidth = 8175;
constexpr int PromptLeft = 1080;
constexpr int PromptTop = 3720;
constexpr Frame NoFrame {};

// Boxes side by side from a left position, as one strip of cells.
std::vector<Box> strip(int left, int top, int count)
{
    std::vector<Box> boxes;
    for (int i = 0; i < count; ++i)
        boxes.push_back({ left + BoxPitch * i, top });
    return boxes;
}

} // namespace

const std::array<Item, ItemCount> Items = { {
    { "Test3a", 7575, 2160, 3120, NoFrame,
        { { "Label2", "420(+9)   418(+7)   415(+4)   413(+", 2880, 4680, 6015 },
            { "Label3", ")", 9480, 4680 } },
        { { .left = 8880, .top = 4680, .followsText = true } }, "2" },
    { "Test3b", TitleWidth, 2400, PromptTop, NoFrame,
        { { "Label3", "sagesse   honnêteté   propreté   ordre   VERTUS", 2400, 4800, 8535 },
            { "Label2", "lilas   tulipe   narcisse   pensée", 2400, 5520, 5895 } },
        strip(8160, 5520, 6), "FLEURS" },
    { "Test3c", TitleWidth, PromptLeft, PromptTop, NoFrame,
        { { "Label2", "MON   PRQ   SUT", 4200, 5400, 3255 } }, strip(7560, 5400, 3), "VXW" },
    { "Test3d", TitleWidth, PromptLeft, PromptTop, NoFrame,
        { { "Label2", "300   beaucoup   40   moyen   2   ", 1680, 5400, 5895 } }, strip(7560, 5400, 3),
        "PEU" },
    { "Test3e", TitleWidth, PromptLeft, PromptTop, NoFrame,
        { { "Label2", "flaque   3   océan   1   lac   2", 3240, 5400, 5895 },
            { "Label3", "pierre", 2640, 6120 }, { "Label5", "gravier", 4680, 6120 },
            { "Label6", "rocher", 6840, 6120 } },
        { { 3960, 6120 }, { 6120, 6120 }, { 8280, 6120 } }, "231" },
    { "Test3f", TitleWidth, PromptLeft, PromptTop, NoFrame,
        { { "Label2", "1379-9731   ;   3791-19", 3240, 5400, 3975 } },
        { { .left = 7200, .top = 5400, .followsText = true }, { 7680, 5400 } }, "73" },
    { "Test3g", TitleWidth, 1200, PromptTop, NoFrame,
        { { "Label2", "bcdcb   cdedc   defed   ", 2400, 5400, 4215 } }, strip(6720, 5400, 5), "EFGFE" },
    { "Test3h", TitleWidth, PromptLeft, PromptTop, { 2760, 4800, 5535, 1575 },
        { { "Label2", "146   142   148   144   140", 120, 360, 5895 },
            { "Label3", "149   143   145   141", 120, 960, 3495 } },
        strip(3960, 960, 3), "147" },
    { "Test3i", TitleWidth, PromptLeft, PromptTop, NoFrame,
        { { "Label2", "cargos   fils   meurtrissure   colle", 3240, 5400, 6255 },
            { .name = "Label5", .text = "6", .left = 3600, .top = 6240, .underWord = 0 },
            { .name = "Label3", .text = "4", .left = 4800, .top = 6240, .underWord = 1 },
            { .name = "Label6", .text = "12", .left = 6360, .top = 6240, .underWord = 2 } },
        { { .left = 8280, .top = 6240, .underWord = 3 } }, "5" },
    { "Test3j", TitleWidth, 1200, PromptTop, NoFrame,
        { { "Label2", "train vapeur   ;   voiture cheval   ;   voilier   ", 360, 5400, 7095 } },
        strip(7800, 5400, 4), "VENT" },
    { "Test3k", TitleWidth, PromptLeft, PromptTop, NoFrame,
        { { "Label2", "1.000   12   6   ;   mi   do   ", 1920, 5400, 4215 } }, strip(6360, 5400, 2), "SI" },
    { "Test3l", TitleWidth, PromptLeft, PromptTop, NoFrame,
        { { "Label2", "I   1     V   2     XI   3     XV   4", 3240, 5400, 6255 },
            { "Label3", "VII   4     IX   3     XVII   6     XIII", 2640, 6120, 6255 } },
        { { 8280, 6120 } }, "5" },
    { "Test3m", TitleWidth, PromptLeft, PromptTop, NoFrame,
        { { "Label2", "19   55   28   73   6", 3240, 5400, 6255 } },
        { { .left = 6480, .top = 5400, .followsText = true } }, "4" },
} };

const Item &item(std::string_view screen)
{
    for (const Item &candidate : Items) {
        if (candidate.screen == screen)
            return candidate;
    }
    throw std::out_of_range("no reasoning item for this screen");
}

} // namespace ReasoningItems
