#pragma once

#include "picturetest.h"

#include <QStringList>

// The path turn-counting test: how many turns to the right, or to the left, along the path.
class Test2 : public PictureTest {
    Q_OBJECT
public:
    explicit Test2(Forms &forms);

    QLabel *Label2;
    QLabel *Label3;

    // "R" (count the turns to the right) or "L" of question n at n - 1.
    QStringList Directions;

protected:
    void buildTables() override;
    void showQuestion() override;
};
