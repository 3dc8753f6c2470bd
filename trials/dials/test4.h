#pragma once

#include "picturetest.h"

#include <QStringList>
#include <QVariantList>

// The dial-reading test: the reading of one dial of an instrument panel, among five values.
class Test4 : public PictureTest {
    Q_OBJECT
public:
    explicit Test4(Forms &forms);

    QLabel *Label3;

    // Instrument code of question n at n - 1: "C", "V", "P", "A", "E" or "T".
    QStringList InstrumentCodes;
    // Value on button k for question n at 5 * (n - 1) + k: a 16-bit integer, or a double for the
    // fuel gauge, so that each caption is written the way its kind of value reads.
    QVariantList ChoiceValues;

protected:
    void buildTables() override;
    void showQuestion() override;
    QString pictureName(int question) const override;
};
