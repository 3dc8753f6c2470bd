// Writes, as CMake code, the pictures each test's descriptor asks for: the files stored with the
// program (PILOTES_EMBEDDED_PICTURES) and those read by name from question 2 on
// (PILOTES_QUESTION_PICTURES), in the order of the tests. The build runs it when it is configured,
// so that the files the generator must write follow the tests' own tables.
//   picturelist FILE

#include "testlist.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Listed {
    std::string file;
    const char *stem;
};

// Adds a test's file once. Another test listing the same name would overwrite its picture: that
// is an error, not a repeat.
bool add(std::vector<Listed> &files, std::string file, const char *stem)
{
    for (const Listed &listed : files) {
        if (listed.file != file)
            continue;
        if (listed.stem == stem)
            return true;
        std::fprintf(
            stderr, "picturelist: %s is a picture of both %s and %s\n", file.c_str(), listed.stem, stem);
        return false;
    }
    files.push_back({ std::move(file), stem });
    return true;
}

void writeList(std::ostream &out, const char *variable, const std::vector<Listed> &files)
{
    out << "set(" << variable;
    for (const Listed &listed : files)
        out << "\n    " << listed.file;
    out << ")\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: picturelist FILE\n");
        return 2;
    }
    std::vector<Listed> embedded;
    std::vector<Listed> questions;
    bool ok = true;
    for (const TestDescriptor *test : Tests::All) {
        const QuestionBank *bank = test->bank;
        if (!bank)
            continue;
        std::vector<std::string> stored { bank->embeddedFile };
        if (bank->exampleFile)
            stored.push_back(bank->exampleFile);
        for (const std::string &file : stored)
            ok = add(embedded, file, test->stem) && ok;
        // The dials read one panel for several questions: their file is listed once.
        for (int question = 2; question <= bank->questionCount; ++question)
            ok = add(questions, bank->pictureFile(question).toStdString(), test->stem) && ok;
    }
    if (!ok)
        return 1;

    std::ofstream out(argv[1]);
    out << "# Written by picturelist from the tests' descriptors (trials/testlist.h).\n";
    writeList(out, "PILOTES_EMBEDDED_PICTURES", embedded);
    writeList(out, "PILOTES_QUESTION_PICTURES", questions);
    out.close();
    if (!out) {
        std::fprintf(stderr, "picturelist: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
