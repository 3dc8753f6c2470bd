#pragma once

#include "picturetest.h"

// The spatial assembly test: which of the figures A to E shows the two pieces put together.
class Test1 : public PictureTest {
    Q_OBJECT
public:
    explicit Test1(Forms &forms);

protected:
    void buildTables() override;
};
