#pragma once

#include "picturetest.h"

// The length-ratio estimation test: the shorter of two lines, in tenths of the longer. The
// values on offer change with every question; a button's value is its caption.
class Test5 : public PictureTest {
    Q_OBJECT
public:
    explicit Test5(Forms &forms);

    // Caption of button k for question n at 5 * (n - 1) + k.
    QList<int> ChoiceValues;

protected:
    void buildTables() override;
    bool isRight(int index) const override;
    void showQuestion() override;
    void handOver() override;
};
