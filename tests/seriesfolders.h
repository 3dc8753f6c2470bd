#pragma once

// Every series of some kinds of question pictures, drawn into temporary folders for the picture
// tests to read back: series 1 with the pictures stored with the screens, the later series alone,
// and a broken copy of one series that the checks must catch.
#include "pictureoutput.h"
#include "series.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>

class SeriesFolders {
public:
    using Writer = std::function<void(PictureOutput &)>;

    // The series whose copy is broken (series 3, or the last one built): two of its pictures
    // swapped, as a wrong file dropped in would be.
    static constexpr int BrokenSeries = std::min(3, Series::Count);

    bool write(const Writer &writer)
    {
        if (!root.isValid())
            return false;
        for (int series = Series::Own; series <= Series::Count; ++series) {
            const QString folder = seriesFolder(series);
            if (!QDir().mkpath(folder) || !QDir().mkpath(assetFolder()))
                return false;
            PictureOutput output = series == Series::Own ? PictureOutput(folder, assetFolder(), assetFolder())
                                                         : PictureOutput(series, folder);
            writer(output);
            errors += output.errors();
        }
        return errors.isEmpty();
    }

    // Swaps the files of two questions in a copy of BrokenSeries, made at the first call.
    bool breakCopy(const QString &first, const QString &second)
    {
        const QDir from(seriesFolder(BrokenSeries));
        const QDir broken(brokenFolder());
        if (!broken.exists()) {
            if (!QDir().mkpath(broken.path()))
                return false;
            for (const QString &name : from.entryList(QDir::Files)) {
                if (!QFile::copy(from.filePath(name), broken.filePath(name)))
                    return false;
            }
        }
        const QString aside = broken.filePath(QStringLiteral("swapping"));
        return QFile::rename(broken.filePath(first), aside)
            && QFile::rename(broken.filePath(second), broken.filePath(first))
            && QFile::rename(aside, broken.filePath(second));
    }

    QString seriesFolder(int series) const { return root.filePath(QStringLiteral("series/%1").arg(series)); }
    QString brokenFolder() const { return root.filePath(QStringLiteral("broken")); }
    QString assetFolder() const { return root.filePath(QStringLiteral("assets")); }
    QString picture(int series, const QString &name) const { return QDir(seriesFolder(series)).filePath(name); }
    QString asset(const QString &name) const { return QDir(assetFolder()).filePath(name); }

    QStringList errors;

private:
    QTemporaryDir root;
};

// The rows of a check made for every question of every series: question 1 is the same in every
// series, so only series 1 has it. The folder the picture is read from is a column of its own, so
// that the broken copy can be a row that must fail.
inline void addSeriesRows(const SeriesFolders &folders, int questionCount, int firstQuestion = 1)
{
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("broken");
    for (int series = Series::Own; series <= Series::Count; ++series) {
        for (int question = series == Series::Own ? firstQuestion : std::max(2, firstQuestion);
             question <= questionCount; ++question)
            QTest::addRow("série %d, question %d", series, question)
                << series << question << folders.seriesFolder(series) << false;
    }
}

inline void addBrokenRow(const SeriesFolders &folders, int question, const QString &swappedWith)
{
    QTest::addRow("série %d cassée, question %d montrée par %s", SeriesFolders::BrokenSeries, question,
        qPrintable(swappedWith))
        << SeriesFolders::BrokenSeries << question << folders.brokenFolder() << true;
}
